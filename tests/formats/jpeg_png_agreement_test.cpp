#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/formats/jpeg_reader.h"
#include "picture/formats/png_reader.h"

namespace qc {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Files written by ImageMagick and decoded by it, compared with our readers. Skipped where
// ImageMagick is not installed.
struct AgreementCase {
    const char* name;
    const char* makeArgs;  // what `convert` does to the built-in rose picture
    const char* extension;
    int tolerance;  // per channel
};

const AgreementCase kCases[] = {
    {"jpeg_baseline", "-quality 90", "jpg", 1},
    {"jpeg_progressive", "-interlace plane -quality 85", "jpg", 1},
    {"jpeg_grey", "-colorspace gray -quality 90", "jpg", 1},
    {"jpeg_444", "-sampling-factor 1x1 -quality 95", "jpg", 1},
    {"jpeg_cmyk", "-colorspace cmyk -quality 95", "jpg", 2},
    {"png_rgb8", "-define png:color-type=2", "png", 0},
    {"png_rgba8", "-alpha set -channel A -fx 'i/w' +channel -define png:color-type=6", "png", 0},
    {"png_rgba16", "-alpha set -channel A -fx 'j/h' +channel -depth 16", "png", 1},
    {"png_palette", "-colors 12 -define png:color-type=3", "png", 0},
    {"png_grey4", "-colorspace gray -depth 4 -define png:bit-depth=4", "png", 0},
};

bool HaveConvert() {
    return std::system("command -v convert >/dev/null 2>&1") == 0;
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ImageMagickAgreementTest : public testing::TestWithParam<AgreementCase> {
  protected:
    void SetUp() override {
        if (!HaveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
        char pattern[] = "/tmp/quipcanvas-agreement-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        if (!m_dir.empty()) fs::remove_all(m_dir);
    }
    bool convert(const std::string& args) {
        const std::string command = "convert " + args + " 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }
    fs::path m_dir;
};

TEST_P(ImageMagickAgreementTest, PixelsAgree) {
    const AgreementCase& c = GetParam();
    const fs::path file = m_dir / (std::string("picture.") + c.extension);
    const fs::path rgba = m_dir / "picture.rgba";
    ASSERT_TRUE(convert("rose: -resize 61x37! " + std::string(c.makeArgs) + " -strip '" +
                        file.string() + "'"));
    ASSERT_TRUE(
        convert("'" + file.string() + "' -colorspace sRGB -depth 8 'rgba:" + rgba.string() + "'"));
    const Bytes bytes = ReadBytes(file);
    const Bytes reference = ReadBytes(rgba);
    auto picture = std::string(c.extension) == "jpg" ? ReadJpeg(bytes) : ReadPng(bytes);
    ASSERT_TRUE(picture) << picture.error();
    const Bitmap& image = picture->image;
    ASSERT_EQ(image.width(), 61);
    ASSERT_EQ(image.height(), 37);
    ASSERT_EQ(reference.size(), image.pixelCount() * 4);
    int worst = 0;
    for (std::size_t i = 0; i < image.pixelCount(); ++i) {
        const std::uint32_t p = image.pixels()[i];
        const int ours[4] = {int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF),
                             int(p >> 24)};
        // Colour under alpha 0 is nobody's business.
        const int from = reference[4 * i + 3] == 0 ? 3 : 0;
        for (int ch = from; ch < 4; ++ch)
            worst = std::max(worst, std::abs(ours[ch] - int(reference[4 * i + ch])));
    }
    EXPECT_LE(worst, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Files, ImageMagickAgreementTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qc
