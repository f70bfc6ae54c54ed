#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "export/bmp_snapshot.h"
#include "export/png_writer.h"
#include "picture/formats/png_reader.h"

namespace qc {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class CliTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/quipcanvas-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs the CLI with arguments that need no quoting (paths in our own folder).
    Outcome run(const std::vector<std::string>& args) {
        std::string command = QC_CLI;
        for (const std::string& arg : args) command += " '" + arg + "'";
        command +=
            " >'" + (m_dir / "stdout").string() + "' 2>'" + (m_dir / "stderr").string() + "'";
        const int status = std::system(command.c_str());
        Outcome outcome;
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = ReadText(m_dir / "stdout");
        outcome.err = ReadText(m_dir / "stderr");
        fs::remove(m_dir / "stdout");
        fs::remove(m_dir / "stderr");
        return outcome;
    }

    // A 3 × 2 picture with straight alpha, one pixel fully transparent.
    Bitmap alphaPicture() {
        auto bitmap = Bitmap::Create(3, 2);
        const std::uint32_t pixels[6] = {Argb(255, 255, 0, 0),   Argb(128, 0, 255, 0),
                                         Argb(0, 1, 2, 3),       Argb(255, 10, 20, 30),
                                         Argb(64, 200, 100, 50), Argb(255, 255, 255, 255)};
        std::copy(pixels, pixels + 6, bitmap->pixels());
        bitmap->setHasAlpha(true);
        return bitmap.value();
    }

    fs::path writePng(const Bitmap& bitmap) {
        auto png = EncodePng(ViewOf(bitmap), true);
        EXPECT_TRUE(png);
        const fs::path path = m_dir / "in.png";
        WriteBytes(path, png.value());
        return path;
    }

    std::vector<fs::path> files() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(m_dir)) found.push_back(entry.path());
        return found;
    }

    fs::path m_dir;
};

TEST_F(CliTest, InfoPrintsKindAndSize) {
    const fs::path png = writePng(alphaPicture());
    auto bitmap = Bitmap::Filled(5, 4, Rgb(1, 2, 3));
    const fs::path bmp = m_dir / "in.bmp";
    WriteBytes(bmp, EncodePictureSnapshot(bitmap.value()));

    EXPECT_EQ(run({"info", png.string()}).out, "png 3 2\n");
    const Outcome outcome = run({"info", bmp.string()});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "bmp 5 4\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(CliTest, DecodeWritesPamWithStraightAlpha) {
    const Bitmap source = alphaPicture();
    const fs::path out = m_dir / "out.pam";
    const Outcome outcome = run({"decode", writePng(source).string(), out.string()});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const std::string pam = ReadText(out);
    const std::string header =
        "P7\nWIDTH 3\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    ASSERT_EQ(pam.substr(0, header.size()), header);
    ASSERT_EQ(pam.size(), header.size() + 3 * 2 * 4);
    for (int i = 0; i < 6; ++i) {
        const std::uint32_t p = source.pixels()[i];
        const auto* rgba =
            reinterpret_cast<const unsigned char*>(pam.data() + header.size() + 4 * i);
        EXPECT_EQ(rgba[0], (p >> 16) & 0xFF) << i;
        EXPECT_EQ(rgba[1], (p >> 8) & 0xFF) << i;
        EXPECT_EQ(rgba[2], p & 0xFF) << i;
        EXPECT_EQ(rgba[3], p >> 24) << i;
    }
}

TEST_F(CliTest, DecodeWritesPngThatReadsBackTheSame) {
    const Bitmap source = alphaPicture();
    const fs::path out = m_dir / "OUT.PNG";
    ASSERT_EQ(run({"decode", writePng(source).string(), out.string()}).exitCode, 0);
    const std::string text = ReadText(out);
    auto back = ReadPng(Bytes(text.begin(), text.end()));
    ASSERT_TRUE(back) << back.error();
    EXPECT_TRUE(back->image.hasAlpha());
    EXPECT_TRUE(std::equal(source.pixels(), source.pixels() + 6, back->image.pixels()));
}

TEST_F(CliTest, FailuresGiveOneLineAndLeaveNoFile) {
    const fs::path text = m_dir / "notes.txt";
    WriteBytes(text, Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    Bytes truncated;
    {
        auto png = EncodePng(ViewOf(alphaPicture()), true);
        truncated.assign(png->begin(), png->begin() + std::ptrdiff_t(png->size() / 2));
    }
    const fs::path cut = m_dir / "cut.png";
    WriteBytes(cut, truncated);
    const std::string missing = (m_dir / "missing.png").string();

    const std::vector<std::vector<std::string>> cases = {
        {"info", text.string()},
        {"info", cut.string()},
        {"info", missing},
        {"info", m_dir.string()},
        {"decode", text.string(), (m_dir / "a.png").string()},
        {"decode", cut.string(), (m_dir / "b.pam").string()},
        {"decode", missing, (m_dir / "c.png").string()},
        {"decode", writePng(alphaPicture()).string(), (m_dir / "no/such/dir.png").string()},
    };
    for (const auto& args : cases) {
        const auto before = files();
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.exitCode, 1) << args[0] << " " << args[1];
        EXPECT_EQ(outcome.out, "");
        ASSERT_FALSE(outcome.err.empty());
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_EQ(files(), before) << "left a file behind: " << args[0] << " " << args[1];
    }
}

TEST_F(CliTest, WrongArgumentsShowUsage) {
    const std::string png = writePng(alphaPicture()).string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"paint"},
        {"info"},
        {"info", png, "extra"},
        {"decode", png},
        {"decode", png, (m_dir / "out.gif").string()},
    };
    for (const auto& args : cases) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(outcome.err.find("Usage"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_FALSE(fs::exists(m_dir / "out.gif"));
}

TEST_F(CliTest, HelpDocumentsEveryCommand) {
    for (const char* flag : {"--help", "-h"}) {
        const Outcome outcome = run({flag});
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_EQ(outcome.err, "");
        for (const char* word : {"info FILE", "decode FILE OUT", "render", "--template N",
                                 "--picture FILE", "--box WxH", "--at X,Y", "-o OUT"})
            EXPECT_NE(outcome.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace qc
