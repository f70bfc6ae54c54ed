#include <gtest/gtest.h>

#include <algorithm>

#include "bmp_test_tools.h"
#include "picture/formats/bmp_reader.h"

// The fixtures name only the header fields they care about and leave the rest at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qc::test {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kClear = 0;

struct BmpFile {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bpp = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks;    // inside a long header, or after a 40-byte one
    std::vector<std::uint32_t> palette;  // 0xRRGGBB
    Bytes pixels;                        // stored rows, padding included
    int offsetShift = 0;                 // moves the data offset away from the natural one

    Bytes build() const {
        Bytes info;
        Put32(info, headerSize);
        if (headerSize == 12) {
            Put16(info, std::uint32_t(width));
            Put16(info, std::uint32_t(height));
            Put16(info, 1);
            Put16(info, bpp);
        } else {
            Put32(info, std::uint32_t(width));
            Put32(info, std::uint32_t(height));
            Put16(info, 1);
            Put16(info, bpp);
            Put32(info, compression);
            Put32(info, std::uint32_t(pixels.size()));
            Put32(info, 2835);
            Put32(info, 2835);
            Put32(info, colorsUsed);
            Put32(info, 0);
            for (std::uint32_t m : masks) Put32(info, m);
            if (info.size() < headerSize) info.resize(headerSize, 0);
        }
        for (std::uint32_t c : palette) {
            info.push_back(std::uint8_t(c));
            info.push_back(std::uint8_t(c >> 8));
            info.push_back(std::uint8_t(c >> 16));
            if (headerSize != 12) info.push_back(0);
        }
        Bytes file = {'B', 'M'};
        const std::size_t natural = 14 + info.size();
        const std::uint32_t offset = std::uint32_t(int(natural) + offsetShift);
        Put32(file, std::uint32_t(14 + info.size() + pixels.size()));
        Put32(file, 0);
        Put32(file, offset);
        Append(file, info);
        file.resize(std::max<std::size_t>(natural, offset), 0);
        Append(file, pixels);
        return file;
    }
};

struct DecodeCase {
    const char* name;
    BmpFile file;
    int width, height;
    std::vector<std::uint32_t> expected;  // top-down
    bool hasAlpha = false;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

// Shared by the table and the damage sweep.
std::vector<DecodeCase> DecodeCases() {
    const std::vector<std::uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF};
    return {
        {"OneBitAcrossAByte",
         {.width = 9,
          .height = 2,
          .bpp = 1,
          .palette = {0x000000, 0xFFFFFF},
          .pixels = {0x80, 0x80, 0, 0, 0x55, 0x00, 0, 0}},
         9,
         2,
         {kBlack, kWhite, kBlack, kWhite, kBlack, kWhite, kBlack, kWhite, kBlack,  //
          kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite}},
        {"FourBitShortPaletteIndexPastItIsBlack",
         {.width = 3,
          .height = 1,
          .bpp = 4,
          .colorsUsed = 3,
          .palette = rgb,
          .pixels = {0x12, 0x90, 0, 0}},
         3,
         1,
         {kGreen, kBlue, kBlack}},
        {"OversizedColourCountIsClamped",
         {.width = 2,
          .height = 1,
          .bpp = 1,
          .colorsUsed = 5,
          .palette = {0xFF0000, 0x0000FF},
          .pixels = {0x40, 0, 0, 0}},
         2,
         1,
         {kRed, kBlue}},
        {"SixteenBitDefaultsTo555",
         {.width = 2, .height = 1, .bpp = 16, .pixels = {0x00, 0x7C, 0x1F, 0x00}},
         2,
         1,
         {kRed, kBlue}},
        {"SixteenBit565FromBitfields",
         {.width = 2,
          .height = 1,
          .bpp = 16,
          .compression = 3,
          .masks = {0xF800, 0x07E0, 0x001F},
          .pixels = {0xE0, 0x07, 0x10, 0x84}},
         2,
         1,
         {kGreen, Rgb(132, 130, 132)}},
        {"TwentyFourBitTopDownWithPadding",
         {.width = 5, .height = -2, .bpp = 24, .pixels = {0, 0,  255, 0,  255, 0,   255, 0,
                                                          0, 0,  0,   0,  255, 255, 255, 0,
                                                          1, 2,  3,   4,  5,   6,   7,   8,
                                                          9, 10, 11,  12, 13,  14,  15,  0}},
         5,
         2,
         {kRed, kGreen, kBlue, kBlack, kWhite, Rgb(3, 2, 1), Rgb(6, 5, 4), Rgb(9, 8, 7),
          Rgb(12, 11, 10), Rgb(15, 14, 13)}},
        {"ThirtyTwoBitIgnoresFourthByte",
         {.width = 1, .height = 1, .bpp = 32, .pixels = {1, 2, 3, 0x40}},
         1,
         1,
         {Rgb(3, 2, 1)}},
        {"V5AlphaMaskKeepsAlpha",
         {.headerSize = 124,
          .width = 2,
          .height = 1,
          .bpp = 32,
          .compression = 3,
          .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
          .pixels = {1, 2, 3, 0x80, 4, 5, 6, 0}},
         2,
         1,
         {Argb(0x80, 3, 2, 1), Argb(0, 6, 5, 4)},
         true},
        {"V4AlphaMaskAllZeroMeansOpaque",
         {.headerSize = 108,
          .width = 1,
          .height = 1,
          .bpp = 32,
          .compression = 3,
          .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
          .pixels = {1, 2, 3, 0}},
         1,
         1,
         {Rgb(3, 2, 1)}},
        {"ThirtyTwoBitTenBitChannels",
         {.headerSize = 56,
          .width = 1,
          .height = 1,
          .bpp = 32,
          .compression = 3,
          .masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0},
          .pixels = {0xFF, 0x03, 0xF0, 0x3F}},
         1,
         1,
         {Rgb(255, 0, 255)}},
        {"PaletteFollowsV5Header",
         {.headerSize = 124,
          .width = 2,
          .height = 1,
          .bpp = 8,
          .colorsUsed = 3,
          .palette = rgb,
          .pixels = {1, 2, 0, 0}},
         2,
         1,
         {kGreen, kBlue}},
        {"OldCoreHeaderThreeBytePalette",
         {.headerSize = 12,
          .width = 2,
          .height = 1,
          .bpp = 1,
          .palette = {0x102030, 0xFFFFFF},
          .pixels = {0x40, 0, 0, 0}},
         2,
         1,
         {Rgb(0x10, 0x20, 0x30), kWhite}},
        {"LastRowPaddingMayBeMissing",
         {.width = 1, .height = 2, .bpp = 24, .pixels = {0, 0, 255, 0, 0, 255, 0}},
         1,
         2,
         {kGreen, kRed}},
        {"Rle8RunsAbsoluteDeltaAndEndOfLine",
         // Bottom row: run of 2 red, absolute 3 (padded), end of line. Next row: delta
         // right 1, one blue, end of bitmap (rest of the rows untouched).
         {.width = 5,
          .height = 3,
          .bpp = 8,
          .compression = 1,
          .colorsUsed = 3,
          .palette = rgb,
          .pixels = {2, 0, 0, 3, 1, 2, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1}},
         5,
         3,
         {kClear, kClear, kClear, kClear, kClear,  //
          kClear, kBlue, kClear, kClear, kClear,   //
          kRed, kRed, kGreen, kBlue, kGreen},
         true},
        {"Rle8RunPastRowEndIsCut",
         {.width = 2,
          .height = 2,
          .bpp = 8,
          .compression = 1,
          .colorsUsed = 3,
          .palette = rgb,
          .pixels = {9, 1, 0, 0, 2, 2, 0, 1}},
         2,
         2,
         {kBlue, kBlue, kGreen, kGreen}},
        {"Rle4NibblesAlternateAndMissingEndMarkIsFine",
         {.width = 8,
          .height = 1,
          .bpp = 4,
          .compression = 2,
          .colorsUsed = 3,
          .palette = rgb,
          .pixels = {3, 0x12, 0, 3, 0x20, 0x10, 2, 0x20}},
         8,
         1,
         {kGreen, kBlue, kGreen, kBlue, kRed, kGreen, kBlue, kRed}},
    };
}

class BmpDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(BmpDecode, GivesTheExpectedPixels) {
    const DecodeCase& c = GetParam();
    auto picture = ReadBmp(c.file.build());
    ASSERT_TRUE(picture) << picture.error();
    EXPECT_EQ(picture->kind, PictureKind::Bmp);
    ASSERT_EQ(picture->width(), c.width);
    ASSERT_EQ(picture->height(), c.height);
    EXPECT_EQ(PixelsOf(picture->image), c.expected);
    EXPECT_EQ(picture->image.hasAlpha(), c.hasAlpha);
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpDecode, ::testing::ValuesIn(DecodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    Bytes file;
    const char* reason;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

BmpFile Plain24(int width, int height) {
    BmpFile f{.width = width, .height = height};
    f.pixels.assign(std::size_t((width * 3 + 3) / 4 * 4 * std::abs(height)), 0x7F);
    return f;
}

std::vector<BadCase> BadCases() {
    auto with = [](BmpFile f, auto change) {
        change(f);
        return f.build();
    };
    const BmpFile palette8{.width = 4,
                           .height = 1,
                           .bpp = 8,
                           .colorsUsed = 2,
                           .palette = {0, 0xFFFFFF},
                           .pixels = {0, 1, 0, 1}};
    const BmpFile rle8{.width = 4,
                       .height = 2,
                       .bpp = 8,
                       .compression = 1,
                       .colorsUsed = 2,
                       .palette = {0, 0xFFFFFF},
                       .pixels = {4, 1, 0, 0, 4, 0, 0, 1}};
    Bytes bareHeader = Plain24(1, 1).build();
    bareHeader.resize(30);
    Bytes offsetPastEnd = Plain24(1, 1).build();
    offsetPastEnd[13] = 0xFF;
    Bytes notBm = Plain24(1, 1).build();
    notBm[1] = 'A';
    return {
        {"HeaderCutShort", bareHeader, "header is cut short"},
        {"NotBm", notBm, "not a bitmap"},
        {"UnknownHeaderSize", with(Plain24(1, 1), [](BmpFile& f) { f.headerSize = 64; }),
         "unknown bitmap header"},
        {"TwoBitsPerPixel", with(palette8, [](BmpFile& f) { f.bpp = 2; }),
         "unsupported bitmap depth"},
        {"JpegCompression", with(Plain24(1, 1), [](BmpFile& f) { f.compression = 4; }),
         "unsupported bitmap depth"},
        {"Rle8On24Bit", with(Plain24(1, 1), [](BmpFile& f) { f.compression = 1; }),
         "unsupported bitmap depth"},
        {"ZeroWidth", with(Plain24(1, 1), [](BmpFile& f) { f.width = 0; }), "no pixels"},
        {"OffsetInsideHeader", with(Plain24(1, 1), [](BmpFile& f) { f.offsetShift = -20; }),
         "inside the headers"},
        {"OffsetInsidePalette", with(palette8, [](BmpFile& f) { f.offsetShift = -4; }),
         "inside the headers"},
        {"OffsetPastEnd", offsetPastEnd, "past the end"},
        {"PixelsOneByteShort", with(Plain24(3, 3), [](BmpFile& f) { f.pixels.resize(32); }),
         "ends early"},
        {"RleTopDown", with(rle8, [](BmpFile& f) { f.height = -2; }), "top-down"},
        {"RleEndsMidPicture", with(rle8, [](BmpFile& f) { f.pixels.resize(4); }), "ends early"},
        {"RleAbsoluteRunCutShort",
         with(rle8,
              [](BmpFile& f) {
                  f.pixels = {0, 5, 1, 1};
              }),
         "ends early"},
        {"HugeUncompressed",
         with(Plain24(1, 1),
              [](BmpFile& f) {
                  f.width = 60000;
                  f.height = 60000;
              }),
         "256 megapixels"},
        {"LargeButFileTooShort",
         with(Plain24(1, 1),
              [](BmpFile& f) {
                  f.width = 10000;
                  f.height = 10000;
              }),
         "ends early"},
        {"LargeRleTinyData",
         with(rle8,
              [](BmpFile& f) {
                  f.width = 16000;
                  f.height = 16000;
              }),
         "larger than its data"},
        {"NegativeHeightMinimum", with(Plain24(1, 1), [](BmpFile& f) { f.height = INT32_MIN; }),
         "256 megapixels"},
    };
}

class BmpRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(BmpRefuses, GivesNoPictureForTheRightReason) {
    auto picture = ReadBmp(GetParam().file);
    ASSERT_FALSE(picture);
    EXPECT_NE(picture.error().find(GetParam().reason), std::string::npos) << picture.error();
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpRefuses, ::testing::ValuesIn(BadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpDamage, EveryCutAndBitFlipOfEveryFixtureDecodesOrFailsCleanly) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        DamageSweep(c.file.build(), ReadBmp);
    }
}

TEST(BmpDamage, UncompressedFileCutAnywhereInItsPixelsFails) {
    const Bytes file = Plain24(7, 5).build();
    // The last three bytes are the last row's padding, which may be missing.
    for (std::size_t n = 54; n + 3 < file.size(); ++n) {
        const Bytes cut(file.begin(), file.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(ReadBmp(cut)) << n;
    }
}

}  // namespace
}  // namespace qc::test
