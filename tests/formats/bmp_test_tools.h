#pragma once

// Helpers shared by the BMP, icon and PCX reader tests: little-endian byte building, a
// damage sweep, and ImageMagick as a reference decoder.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "picture/formats/decoded_picture.h"
#include "picture/formats/result.h"

namespace qc::test {

using Bytes = std::vector<std::uint8_t>;
using Reader = Result<DecodedPicture> (*)(std::span<const std::uint8_t>);

inline void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

// All pixels top-down, row by row.
inline std::vector<std::uint32_t> PixelsOf(const Bitmap& bitmap) {
    return {bitmap.pixels(), bitmap.pixels() + bitmap.pixelCount()};
}

// Cuts the file at every length and flips bits all over it: the reader must return, either
// way, without touching memory it does not own (the ASan build checks that part).
inline void DamageSweep(const Bytes& file, Reader read) {
    for (std::size_t n = 0; n < file.size(); ++n) {
        // A copy of exactly n bytes, so a read past its end is a heap overflow ASan reports.
        const Bytes shorter(file.begin(), file.begin() + std::ptrdiff_t(n));
        auto cut = read(shorter);
        if (cut) {
            ASSERT_GT(cut->width(), 0);
        }
    }
    Bytes flipped = file;
    for (std::size_t i = 0; i < flipped.size(); ++i) {
        for (int bit : {0, 3, 7}) {
            flipped[i] ^= std::uint8_t(1 << bit);
            auto result = read(flipped);
            if (result) {
                ASSERT_FALSE(result->image.isNull());
            }
            flipped[i] ^= std::uint8_t(1 << bit);
        }
    }
}

inline bool HaveImageMagick() {
    return std::system("convert -version >/dev/null 2>&1") == 0;
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A scratch folder for one test, removed with it.
class ScratchDir {
  public:
    ScratchDir() {
        char name[] = "/tmp/qc-formats-XXXXXX";
        m_path = mkdtemp(name);
    }
    ~ScratchDir() { std::filesystem::remove_all(m_path); }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

inline bool RunQuietly(const std::string& command) {
    return std::system(("( " + command + " ) >/dev/null 2>&1").c_str()) == 0;
}

// The pixels a shell command writes as 8-bit RGBA, as 0xAARRGGBB; empty when it fails.
inline std::vector<std::uint32_t> CommandPixels(const std::string& command) {
    std::vector<std::uint32_t> pixels;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return pixels;
    std::uint8_t px[4];
    while (std::fread(px, 1, 4, pipe) == 4) pixels.push_back(Argb(px[3], px[0], px[1], px[2]));
    if (pclose(pipe) != 0) pixels.clear();
    return pixels;
}

// netpbm's decoding of a file with one of its converters (bmptopnm, pcxtoppm), without alpha.
inline std::vector<std::uint32_t> NetpbmPixels(const std::string& tool, const std::string& file) {
    return CommandPixels(tool + " '" + file + "' 2>/dev/null | convert ppm:- -depth 8 rgba:-");
}

// ImageMagick's decoding of a file (or of one frame, "file[2]").
inline std::vector<std::uint32_t> MagickPixels(const std::string& file) {
    return CommandPixels("convert '" + file + "' -depth 8 rgba:-");
}

// Compares every pixel; fully transparent pixels match whatever their colour. With colourOnly
// the alpha channel is left out, for references that have none.
inline void ExpectSamePixels(const Bitmap& ours, const std::vector<std::uint32_t>& reference,
                             const std::string& what, bool colourOnly = false) {
    ASSERT_EQ(ours.pixelCount(), reference.size()) << what;
    int mismatches = 0;
    for (std::size_t i = 0; i < reference.size(); ++i) {
        const std::uint32_t opaque = colourOnly ? 0xFF000000u : 0;
        const std::uint32_t a = ours.pixels()[i] | opaque, b = reference[i] | opaque;
        if (a == b || ((a >> 24) == 0 && (b >> 24) == 0)) continue;
        if (++mismatches <= 3)
            ADD_FAILURE() << what << ": pixel " << i % ours.width() << "," << i / ours.width()
                          << " is " << std::hex << a << ", reference " << b;
    }
    EXPECT_EQ(mismatches, 0) << what;
}

}  // namespace qc::test
