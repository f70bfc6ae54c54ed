#include "export/save_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace qc {
namespace {

constexpr int kMaxNameTries = 9999;

bool IsFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The value of XDG_DESKTOP_DIR="…" in a user-dirs.dirs file: "$HOME/…" or an absolute path.
std::string ReadDesktopEntry(const std::string& file, std::string_view home) {
    std::ifstream in(file);
    std::string line;
    std::string value;
    while (std::getline(in, line)) {
        constexpr std::string_view kKey = "XDG_DESKTOP_DIR=\"";
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
        value.clear();
        for (std::size_t i = start + kKey.size(); i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value.push_back(line[i]);
        }
    }
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
        return std::string(home) + value.substr(5);
    return value.size() > 0 && value[0] == '/' ? value : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string ReasonFor(int error) {
    switch (error) {
        case EROFS:
            return "folder is read-only";
        case EACCES:
        case EPERM:
            return "no permission to write in the folder";
        case ENOSPC:
            return "disk is full";
        case EDQUOT:
            return "disk quota is used up";
        case EFBIG:
            return "file is too large";
        case ENOENT:
        case ENOTDIR:
            return "folder does not exist";
        case ENAMETOOLONG:
            return "file name is too long";
        case EIO:
            return "input/output error";
        default:
            return "could not write the file (error " + std::to_string(error) + ")";
    }
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A fresh, never-before-used file next to the target: O_EXCL so two saves cannot share it.
int CreateTemporary(const std::string& folder, std::string& tempPath) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::uint64_t random = 0;
        if (getrandom(&random, sizeof random, 0) != sizeof random)
            random = std::uint64_t(getpid()) * 1000003u + std::uint64_t(attempt);
        char name[48];
        std::snprintf(name, sizeof name, "/.quipcanvas-%016llx.tmp",
                      static_cast<unsigned long long>(random));
        tempPath = folder + name;
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(std::size_t(n));
    }
    return true;
}

// Moves the finished file to its name unless the name exists: rename when the file system
// knows RENAME_NOREPLACE, otherwise link, which also refuses an existing name.
int PlaceWithoutReplacing(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (link(from.c_str(), to.c_str()) != 0) return errno;
    unlink(from.c_str());
    return 0;
}

}  // namespace

std::string DesktopFolderFrom(std::string_view home, std::string_view configHome) {
    const std::string homeFolder = WithoutTrailingSlash(std::string(home));
    const std::string config =
        configHome.empty() ? homeFolder + "/.config" : std::string(configHome);
    const std::string desktop =
        WithoutTrailingSlash(ReadDesktopEntry(config + "/user-dirs.dirs", homeFolder));
    return IsFolder(desktop) ? desktop : homeFolder;
}

std::string DesktopFolder() {
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return DesktopFolderFrom(home ? home : "", config ? config : "");
}

Result<std::string> UniqueSavePath(std::string_view folder, std::string_view name,
                                   std::string_view extension) {
    const std::string stem = std::string(folder) + "/" + std::string(name);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        std::string path = stem;
        if (n > 1) path += " (" + std::to_string(n) + ")";
        path += extension;
        // lstat, so a dangling link also counts as taken.
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0) continue;
        if (errno == ENOENT) return path;
        return Fail(ReasonFor(errno));
    }
    return Fail("too many files with this name");
}

Result<WriteOutcome> WriteFileAtomically(const std::string& path,
                                         std::span<const std::uint8_t> bytes) {
    std::string tempPath;
    const int fd = CreateTemporary(FolderOf(path), tempPath);
    if (fd < 0) return Fail(ReasonFor(errno));

    int error = 0;
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0) error = PlaceWithoutReplacing(tempPath, path);
    if (error != 0) {
        unlink(tempPath.c_str());
        if (error == EEXIST) return WriteOutcome::NameTaken;
        return Fail(ReasonFor(error));
    }
    // Make the new name itself survive a crash.
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return WriteOutcome::Written;
}

Result<std::string> SaveNewFile(std::string_view folder, std::string_view name,
                                std::string_view extension, std::span<const std::uint8_t> bytes) {
    for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
        auto path = UniqueSavePath(folder, name, extension);
        if (!path) return path;
        auto written = WriteFileAtomically(*path, bytes);
        if (!written) return written.takeError();
        if (*written == WriteOutcome::Written) return path;
    }
    return Fail("too many files with this name");
}

}  // namespace qc
