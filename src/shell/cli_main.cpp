#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "export/bmp_snapshot.h"
#include "export/png_writer.h"
#include "picture/formats/picture_decoder.h"
#include "picture/formats/picture_kind.h"
#include "shell/cli_render.h"

namespace qc {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage:\n"
    "  quipcanvas-cli info FILE\n"
    "      Prints the picture's kind (jpeg png bmp gif icon cursor pcx), width and height:\n"
    "      KIND WIDTH HEIGHT\n"
    "  quipcanvas-cli decode FILE OUT\n"
    "      Writes the picture at its own size to OUT: PNG when OUT ends in .png, PAM\n"
    "      (RGB_ALPHA, straight alpha) when it ends in .pam.\n"
    "  quipcanvas-cli render [--template N | --picture FILE] [--caption TEXT]\n"
    "      [--color '#RRGGBB'] [--size POINTS] [--bold|--no-bold] [--font FACE] [--box WxH]\n"
    "      [--at X,Y] [--zoom N] -o OUT\n"
    "      Draws a template or picture file with its caption as the window shows it, to OUT.\n"
    "  quipcanvas-cli --help\n"
    "\n"
    "Exit status: 0 done, 1 the file is no picture or cannot be read or written,\n"
    "2 wrong arguments.\n";

int UsageError(const std::string& reason) {
    if (!reason.empty()) std::fprintf(stderr, "quipcanvas-cli: %s\n", reason.c_str());
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int Failure(const std::string& file, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), reason.c_str());
    return kExitFailed;
}

// Only regular files: a directory or a device such as /dev/zero is no picture file.
Result<Bytes> ReadWholeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(std::strerror(errno));
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return Fail("not a regular file");
    }
    Bytes bytes(std::size_t(info.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            return Fail(std::strerror(error));
        }
        if (n == 0) break;  // the file shrank while we read it
        got += std::size_t(n);
    }
    close(fd);
    bytes.resize(got);
    return bytes;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[i]) return false;
    }
    return true;
}

Bytes EncodePam(const Bitmap& image) {
    const std::string header = "P7\nWIDTH " + std::to_string(image.width()) + "\nHEIGHT " +
                               std::to_string(image.height()) +
                               "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    Bytes out(header.begin(), header.end());
    out.reserve(out.size() + image.byteCount());
    // Pictures without alpha may carry anything in the top byte; they are opaque.
    const std::uint32_t opaque = image.hasAlpha() ? 0 : 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        const std::uint32_t* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = row[x] | opaque;
            out.insert(out.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p),
                                   std::uint8_t(p >> 24)});
        }
    }
    return out;
}

// Writes a temporary file beside `path` and renames it, so a failure leaves nothing behind and
// a reader never sees half a file.
Result<bool> ReplaceFile(const std::string& path, const Bytes& bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return Fail(std::strerror(errno));
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0)
            error = written < 0 ? errno : EIO;
        else
            data += written, left -= std::size_t(written);
    }
    if (error == 0 && fchmod(fd, 0644) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temp.c_str());
        return Fail(std::strerror(error));
    }
    return true;
}

int RunInfo(const std::string& file) {
    auto bytes = ReadWholeFile(file);
    if (!bytes) return Failure(file, bytes.error());
    const PictureKind kind = DetectPictureKind(bytes.value());
    if (kind == PictureKind::None) return Failure(file, "not a picture of a known kind");
    auto bitmap = RenderForMeasuring(bytes.value());
    if (!bitmap) return Failure(file, bitmap.error());
    std::printf("%s %d %d\n", PictureKindName(kind), bitmap->width(), bitmap->height());
    return kExitOk;
}

int RunDecode(const std::string& file, const std::string& out) {
    const bool png = EndsWith(out, ".png");
    if (!png && !EndsWith(out, ".pam")) return UsageError("decode: OUT must end in .png or .pam");
    auto bytes = ReadWholeFile(file);
    if (!bytes) return Failure(file, bytes.error());
    auto picture = DecodePicture(bytes.value());
    if (!picture) return Failure(file, picture.error());
    const Bitmap& image = picture->image;
    Bytes encoded;
    if (png) {
        auto encodedPng = EncodePng(ViewOf(image), image.hasAlpha());
        if (!encodedPng) return Failure(out, encodedPng.error());
        encoded = std::move(encodedPng.value());
    } else {
        encoded = EncodePam(image);
    }
    auto written = ReplaceFile(out, encoded);
    if (!written) return Failure(out, written.error());
    return kExitOk;
}

int Run(int argc, char** argv) {
    if (argc < 2) return UsageError("");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (command == "info") {
        if (argc != 3) return UsageError("info takes one FILE");
        return RunInfo(argv[2]);
    }
    if (command == "decode") {
        if (argc != 4) return UsageError("decode takes FILE and OUT");
        return RunDecode(argv[2], argv[3]);
    }
    if (command == "render") return RunRender(argc - 1, argv + 1);
    return UsageError("unknown command '" + std::string(command) + "'");
}

}  // namespace
}  // namespace qc

int main(int argc, char** argv) {
    return qc::Run(argc, argv);
}
