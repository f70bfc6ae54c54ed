#include <gtest/gtest.h>
#include <png.h>

#include "bmp_test_tools.h"
#include "picture/formats/icon_reader.h"

namespace qc::test {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kClear = 0;

// A DIB as icons store it: the height field counts the colour rows and the mask rows.
Bytes IconDib(int width, int height, int bpp, const std::vector<std::uint32_t>& palette,
              const Bytes& colourRows, const Bytes& maskRows, std::uint32_t compression = 0) {
    Bytes b;
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height * 2)}) Put32(b, v);
    Put16(b, 1);
    Put16(b, std::uint32_t(bpp));
    for (std::uint32_t v : {compression, std::uint32_t(colourRows.size() + maskRows.size()), 0u, 0u,
                            std::uint32_t(palette.size()), 0u})
        Put32(b, v);
    for (std::uint32_t c : palette) Put32(b, c & 0xFFFFFF);
    Append(b, colourRows);
    Append(b, maskRows);
    return b;
}

struct IconImage {
    std::uint8_t widthByte;
    std::uint8_t colorCount;
    Bytes data;
};

Bytes IconFile(const std::vector<IconImage>& images) {
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, std::uint32_t(images.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (const IconImage& image : images) {
        b.push_back(image.widthByte);
        b.push_back(image.widthByte);
        b.push_back(image.colorCount);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, 32);
        Put32(b, std::uint32_t(image.data.size()));
        Put32(b, offset);
        offset += std::uint32_t(image.data.size());
    }
    for (const IconImage& image : images) Append(b, image.data);
    return b;
}

// A 1×1 24-bit image of one colour, to tell directory entries apart.
Bytes Swatch(std::uint32_t colour) {
    return IconDib(1, 1, 24, {},
                   {std::uint8_t(colour), std::uint8_t(colour >> 8), std::uint8_t(colour >> 16), 0},
                   {0, 0, 0, 0});
}

struct DecodeCase {
    const char* name;
    Bytes dib;
    int width, height;
    std::vector<std::uint32_t> expected;  // top-down
    bool hasAlpha;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<DecodeCase> DecodeCases() {
    const std::vector<std::uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF};
    // 2×2 masks, bottom row first: only the top-left pixel is transparent.
    const Bytes topLeftMask = {0, 0, 0, 0, 0x80, 0, 0, 0};
    return {
        {"OneBitWithMask",
         IconDib(2, 2, 1, {0, 0xFFFFFF}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}, topLeftMask),
         2,
         2,
         {kClear, kBlack, kBlack, kWhite},
         true},
        {"FourBitOpaqueMask",
         IconDib(2, 1, 4, rgb, {0x12, 0, 0, 0}, {0, 0, 0, 0}),
         2,
         1,
         {kGreen, kBlue},
         false},
        {"EightBitIndexPastPaletteIsBlack",
         IconDib(2, 1, 8, rgb, {2, 7, 0, 0}, {0, 0, 0, 0}),
         2,
         1,
         {kBlue, kBlack},
         false},
        {"TwentyFourBitWithMask",
         IconDib(2, 2, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0}, topLeftMask),
         2,
         2,
         {kClear, kBlack, kRed, kGreen},
         true},
        {"ThirtyTwoBitAlphaWinsOverMask",
         IconDib(1, 2, 32, {}, {1, 2, 3, 0x40, 4, 5, 6, 0xFF}, {0x80, 0, 0, 0, 0x80, 0, 0, 0}),
         1,
         2,
         {Rgb(6, 5, 4), Argb(0x40, 3, 2, 1)},
         true},
        {"ThirtyTwoBitWithoutAlphaUsesMask",
         IconDib(2, 2, 32, {}, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0}, topLeftMask),
         2,
         2,
         {kClear, Rgb(12, 11, 10), Rgb(3, 2, 1), Rgb(6, 5, 4)},
         true},
        {"MissingMaskMeansOpaque",
         IconDib(2, 1, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0}, {}),
         2,
         1,
         {kRed, kGreen},
         false},
    };
}

class IconDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(IconDecode, GivesTheExpectedPixels) {
    const DecodeCase& c = GetParam();
    auto picture = ReadIcon(IconFile({{32, 0, c.dib}}));
    ASSERT_TRUE(picture) << picture.error();
    ASSERT_EQ(picture->width(), c.width);
    ASSERT_EQ(picture->height(), c.height);
    EXPECT_EQ(PixelsOf(picture->image), c.expected);
    EXPECT_EQ(picture->image.hasAlpha(), c.hasAlpha);
}

INSTANTIATE_TEST_SUITE_P(Icon, IconDecode, ::testing::ValuesIn(DecodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChoiceCase {
    const char* name;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> entries;  // width byte, colour count
    std::size_t chosen;
    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class IconChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(IconChoice, TakesTheFirst32PixelEntryWithMoreThan15ColoursElseTheLast) {
    const std::uint32_t colours[] = {kRed, kGreen, kBlue, kWhite};
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < GetParam().entries.size(); ++i) {
        const auto [width, count] = GetParam().entries[i];
        images.push_back({width, count, Swatch(colours[i])});
    }
    auto picture = ReadIcon(IconFile(images));
    ASSERT_TRUE(picture) << picture.error();
    // The size comes from the image's own header, not the directory's width byte.
    EXPECT_EQ(picture->width(), 1);
    EXPECT_EQ(picture->image.pixels()[0], colours[GetParam().chosen]);
}

INSTANTIATE_TEST_SUITE_P(
    Icon, IconChoice,
    ::testing::Values(ChoiceCase{"SecondMatches", {{16, 16}, {32, 16}, {32, 255}}, 1},
                      ChoiceCase{"FirstOfTwoMatches", {{32, 20}, {32, 16}}, 0},
                      ChoiceCase{"OnlyTrueColourEntriesGiveTheLast", {{32, 0}, {48, 0}}, 1},
                      ChoiceCase{"FifteenColoursIsNotEnough", {{32, 15}, {16, 16}}, 1},
                      ChoiceCase{"WrongWidthIsSkipped", {{48, 16}, {32, 16}, {16, 0}}, 1},
                      ChoiceCase{"SingleEntry", {{64, 0}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

Bytes TinyPng() {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 3;
    image.height = 2;
    image.format = PNG_FORMAT_RGBA;
    const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,
                                 1,   2, 3, 255, 4, 5,   6, 255, 7, 8, 9,   255};
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgba, 0, nullptr);
    Bytes png(size);
    png_image_write_to_memory(&image, png.data(), &size, 0, rgba, 0, nullptr);
    png.resize(size);
    return png;
}

TEST(IconPng, PngEntryIsReadWithItsOwnSize) {
    auto picture = ReadIcon(IconFile({{16, 0, Swatch(kRed)}, {0, 0, TinyPng()}}));
    ASSERT_TRUE(picture) << picture.error();
    EXPECT_EQ(picture->kind, PictureKind::Icon);
    ASSERT_EQ(picture->width(), 3);
    ASSERT_EQ(picture->height(), 2);
    EXPECT_EQ(picture->image.pixels()[0], kRed);
    EXPECT_EQ(picture->image.pixels()[1] >> 24, 128u);
}

struct BadCase {
    const char* name;
    Bytes file;
    const char* reason;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<BadCase> BadCases() {
    const Bytes good = IconFile({{32, 0, Swatch(kRed)}});
    auto patched = [&](std::size_t at, std::uint32_t value) {
        Bytes b = good;
        for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
        return b;
    };
    Bytes noImages = good;
    noImages[4] = 0;
    Bytes cutDirectory = good;
    cutDirectory.resize(20);
    Bytes twoEntriesClaimed = good;
    twoEntriesClaimed[4] = 2;
    return {
        {"NoImages", noImages, "no images"},
        {"DirectoryCutShort", cutDirectory, "directory is cut short"},
        {"SecondEntryMissing", twoEntriesClaimed, "outside the file"},
        {"OffsetPastEnd", patched(18, 5000), "outside the file"},
        {"SizePastEnd", patched(14, 5000), "outside the file"},
        {"OffsetPlusSizeWraps", patched(14, 0xFFFFFFF0u), "outside the file"},
        {"ColourRowsCutShort", IconFile({{32, 0, IconDib(4, 4, 24, {}, {1, 2, 3}, {})}}),
         "ends early"},
        {"RunLengthImage", IconFile({{32, 0, IconDib(1, 1, 8, {0}, {1, 0}, {}, 1)}}), "compressed"},
        {"HeightWithoutRows", patched(22 + 8, 1), "no rows"},
        {"HugeImage", IconFile({{32, 0, IconDib(30000, 30000, 32, {}, {1, 2, 3, 4}, {})}}),
         "megapixels"},
    };
}

class IconRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(IconRefuses, GivesNoPictureForTheRightReason) {
    auto picture = ReadIcon(GetParam().file);
    ASSERT_FALSE(picture);
    EXPECT_NE(picture.error().find(GetParam().reason), std::string::npos) << picture.error();
}

INSTANTIATE_TEST_SUITE_P(Icon, IconRefuses, ::testing::ValuesIn(BadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IconDamage, EveryCutAndBitFlipOfEveryFixtureDecodesOrFailsCleanly) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        DamageSweep(IconFile({{32, 0, c.dib}}), ReadIcon);
    }
    DamageSweep(IconFile({{16, 16, Swatch(kRed)}, {32, 16, Swatch(kBlue)}}), ReadIcon);
    DamageSweep(IconFile({{0, 0, TinyPng()}}), ReadIcon);
}

}  // namespace
}  // namespace qc::test
