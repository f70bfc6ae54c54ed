#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "export/save_file.h"

namespace qc {
namespace {

namespace fs = std::filesystem;

class SaveFileTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/qc-save-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void touch(const std::string& name) const { std::ofstream(m_folder + "/" + name) << "old"; }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string m_folder;
};

TEST_F(SaveFileTest, UniqueSavePathSkipsTakenNames) {
    const std::string name = "2021年3月5日14时7分9秒";
    EXPECT_EQ(UniqueSavePath(m_folder, name, ".jpg").value(), m_folder + "/" + name + ".jpg");
    touch(name + ".jpg");
    touch(name + " (2).jpg");
    touch(name + " (4).jpg");
    EXPECT_EQ(UniqueSavePath(m_folder, name, ".jpg").value(), m_folder + "/" + name + " (3).jpg");
    // A dangling link still holds its name.
    ASSERT_EQ(symlink("/nonexistent", (m_folder + "/" + name + " (3).jpg").c_str()), 0);
    EXPECT_EQ(UniqueSavePath(m_folder, name, ".jpg").value(), m_folder + "/" + name + " (5).jpg");
}

TEST_F(SaveFileTest, WritesExactBytesWithReadableMode) {
    std::vector<std::uint8_t> bytes(100000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + 3);
    const std::string path = m_folder + "/picture.jpg";
    auto written = WriteFileAtomically(path, bytes);
    ASSERT_TRUE(written.ok()) << written.error();
    EXPECT_EQ(*written, WriteOutcome::Written);
    EXPECT_EQ(contents(path), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(entries(), std::vector<std::string>{"picture.jpg"});
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0644 & ~mask);
}

TEST_F(SaveFileTest, NeverReplacesAnExistingFile) {
    touch("picture.jpg");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    auto written = WriteFileAtomically(m_folder + "/picture.jpg", bytes);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(*written, WriteOutcome::NameTaken);
    EXPECT_EQ(contents(m_folder + "/picture.jpg"), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"picture.jpg"});

    auto saved = SaveNewFile(m_folder, "picture", ".jpg", bytes);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(*saved, m_folder + "/picture (2).jpg");
    EXPECT_EQ(contents(*saved), "\x01\x02\x03");
}

TEST_F(SaveFileTest, ReadOnlyFolderFailsAndLeavesNothing) {
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(m_folder.c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    auto written = WriteFileAtomically(m_folder + "/picture.jpg", std::vector<std::uint8_t>(10));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), "no permission to write in the folder");
    EXPECT_TRUE(entries().empty());
}

TEST_F(SaveFileTest, FailedWriteRemovesTheTemporaryFile) {
    // A file-size limit makes the write itself fail half-way, as a full disk would.
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto written = WriteFileAtomically(m_folder + "/picture.jpg", std::vector<std::uint8_t>(9000));
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    sigaction(SIGXFSZ, &previous, nullptr);

    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), "file is too large");
    EXPECT_TRUE(entries().empty());
}

TEST_F(SaveFileTest, MissingFolderIsAnError) {
    auto written =
        WriteFileAtomically(m_folder + "/gone/picture.jpg", std::vector<std::uint8_t>(1));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), "folder does not exist");
}

TEST_F(SaveFileTest, DesktopFolderFollowsUserDirs) {
    const std::string home = m_folder;
    fs::create_directories(home + "/.config");
    fs::create_directories(home + "/other");
    fs::create_directories(home + "/桌面");
    const auto writeDirs = [](const std::string& folder, const std::string& text) {
        std::ofstream(folder + "/user-dirs.dirs") << text;
    };

    // Not configured.
    EXPECT_EQ(DesktopFolderFrom(home, ""), home);
    writeDirs(home + "/.config", "# comment\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    EXPECT_EQ(DesktopFolderFrom(home, ""), home + "/桌面");
    EXPECT_EQ(DesktopFolderFrom(home + "/", ""), home + "/桌面");
    // XDG_CONFIG_HOME wins over ~/.config, and absolute paths are taken as they are.
    writeDirs(home + "/other", "XDG_DESKTOP_DIR=\"" + home + "/other/\"\n");
    EXPECT_EQ(DesktopFolderFrom(home, home + "/other"), home + "/other");
    // A configured folder that does not exist falls back to home.
    writeDirs(home + "/.config", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    EXPECT_EQ(DesktopFolderFrom(home, ""), home);
    writeDirs(home + "/.config", "XDG_DESKTOP_DIR=\"relative\"\n");
    EXPECT_EQ(DesktopFolderFrom(home, ""), home);
}

}  // namespace
}  // namespace qc
