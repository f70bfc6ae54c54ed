#include <gtest/gtest.h>

#include <optional>

#include "bmp_test_tools.h"
#include "picture/formats/pcx_reader.h"

// The fixtures name only the header fields they care about and leave the rest at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace qc::test {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

// Run-length codes a byte stream the way PCX writers do: runs of up to 63, and a lone byte of
// 0xC0 or more as a run of one.
Bytes Encode(const Bytes& raw) {
    Bytes out;
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t n = 1;
        while (i + n < raw.size() && raw[i + n] == raw[i] && n < 63) ++n;
        if (n > 1 || raw[i] >= 0xC0) out.push_back(std::uint8_t(0xC0 | n));
        out.push_back(raw[i]);
        i += n;
    }
    return out;
}

struct PcxFile {
    std::uint8_t encoding = 1;
    std::uint8_t bpp = 8;
    std::uint8_t planes = 1;
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint16_t bytesPerLine = 1;
    std::vector<std::uint32_t> headerPalette;           // up to 16 entries, 0xRRGGBB
    Bytes data;                                         // already coded
    std::optional<std::vector<std::uint32_t>> palette;  // appended after a 0x0C marker

    Bytes build() const {
        Bytes b = {0x0A, 5, encoding, bpp};
        for (std::uint16_t v : {xMin, yMin, xMax, yMax, std::uint16_t(72), std::uint16_t(72)})
            Put16(b, v);
        for (std::uint32_t c : headerPalette) {
            b.push_back(std::uint8_t(c >> 16));
            b.push_back(std::uint8_t(c >> 8));
            b.push_back(std::uint8_t(c));
        }
        b.resize(65, 0);
        b.push_back(planes);
        Put16(b, bytesPerLine);
        b.resize(128, 0);
        Append(b, data);
        if (palette) {
            b.push_back(0x0C);
            for (std::size_t i = 0; i < 256; ++i) {
                const std::uint32_t c = i < palette->size() ? (*palette)[i] : 0;
                b.push_back(std::uint8_t(c >> 16));
                b.push_back(std::uint8_t(c >> 8));
                b.push_back(std::uint8_t(c));
            }
        }
        return b;
    }
};

PcxFile Indexed(std::uint16_t width, std::uint16_t height, std::uint16_t bytesPerLine,
                const Bytes& raw) {
    PcxFile f;
    f.xMax = std::uint16_t(width - 1);
    f.yMax = std::uint16_t(height - 1);
    f.bytesPerLine = bytesPerLine;
    f.data = Encode(raw);
    f.palette = std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF};
    return f;
}

template <typename Change>
PcxFile With(PcxFile f, Change change) {
    change(f);
    return f;
}

struct DecodeCase {
    const char* name;
    PcxFile file;
    int width, height;
    std::vector<std::uint32_t> expected;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<DecodeCase> DecodeCases() {
    const PcxFile twoLines = Indexed(3, 2, 4, {0, 1, 2, 9, 2, 2, 1, 9});
    return {
        {"EightBitWithPaddedLines", twoLines, 3, 2, {kRed, kGreen, kBlue, kBlue, kBlue, kGreen}},
        {"MissingPaletteMeansGrey",
         With(Indexed(2, 1, 2, {0, 200}), [](PcxFile& f) { f.palette.reset(); }),
         2,
         1,
         {kBlack, Rgb(200, 200, 200)}},
        {"WindowNeedNotStartAtZero",
         With(Indexed(2, 1, 2, {1, 2}),
              [](PcxFile& f) { f.xMin = 10, f.xMax = 11, f.yMin = 5, f.yMax = 5; }),
         2,
         1,
         {kGreen, kBlue}},
        {"RunCrossesLines",
         With(Indexed(4, 2, 4, {}),
              [](PcxFile& f) {
                  f.data = {0xC8, 1};
              }),
         4,
         2,
         {kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen}},
        {"CountByteC0IsARunOfNothing",
         With(Indexed(2, 1, 2, {}),
              [](PcxFile& f) {
                  f.data = {0xC0, 0x99, 1, 2};
              }),
         2,
         1,
         {kGreen, kBlue}},
        {"RgbPlanesPerLine",
         {.bpp = 8,
          .planes = 3,
          .xMax = 1,
          .yMax = 1,
          .bytesPerLine = 2,
          .data = Encode({255, 0, 0, 255, 0, 0, /**/ 1, 4, 2, 5, 3, 6})},
         2,
         2,
         {kRed, kGreen, Rgb(1, 2, 3), Rgb(4, 5, 6)}},
        {"MonoZeroBlackOneWhite",
         {.bpp = 1, .xMax = 9, .yMax = 0, .bytesPerLine = 2, .data = Encode({0xA0, 0x40})},
         10,
         1,
         {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite}},
        {"EgaPlanesIndexTheHeaderPalette",
         {.bpp = 1,
          .planes = 4,
          .xMax = 8,
          .yMax = 0,
          .bytesPerLine = 2,
          .headerPalette = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF},
          .data = Encode({0xC0, 0x80, 0x60, 0x00, 0x00, 0x00, 0x00, 0x00})},
         9,
         1,
         {kRed, Rgb(255, 255, 0), kGreen, kBlack, kBlack, kBlack, kBlack, kBlack, kRed}},
        {"CutShortKeepsWhatWasDecoded",
         With(twoLines,
              [](PcxFile& f) {
                  f.data = Encode({0, 1, 2, 9, 2});
              }),
         3,
         2,
         {kRed, kGreen, kBlue, kBlue, kBlack, kBlack}},
        {"CutShortRgbBlackensPixelsMissingAPlane",
         {.bpp = 8,
          .planes = 3,
          .xMax = 1,
          .yMax = 1,
          .bytesPerLine = 2,
          .data = Encode({255, 0, 0, 255, 0, 0, /**/ 1, 4, 2, 5, 3})},
         2,
         2,
         {kRed, kGreen, Rgb(1, 2, 3), kBlack}},
    };
}

class PcxDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(PcxDecode, GivesTheExpectedPixels) {
    const DecodeCase& c = GetParam();
    auto picture = ReadPcx(c.file.build());
    ASSERT_TRUE(picture) << picture.error();
    ASSERT_EQ(picture->width(), c.width);
    ASSERT_EQ(picture->height(), c.height);
    EXPECT_EQ(PixelsOf(picture->image), c.expected);
    EXPECT_FALSE(picture->image.hasAlpha());
}

INSTANTIATE_TEST_SUITE_P(Pcx, PcxDecode, ::testing::ValuesIn(DecodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    Bytes file;
    const char* reason;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<BadCase> BadCases() {
    const PcxFile good = Indexed(4, 2, 4, {1, 1, 1, 1, 2, 2, 2, 2});
    auto with = [&](auto change) { return With(good, change).build(); };
    Bytes headerOnly = good.build();
    headerOnly.resize(128);
    return {
        {"HeaderOnly", headerOnly, "too short"},
        {"XMaxBelowXMin", with([](PcxFile& f) { f.xMin = 5; }), "window is empty"},
        {"YMaxBelowYMin", with([](PcxFile& f) { f.yMin = 5; }), "window is empty"},
        {"LinesShorterThanWidth", with([](PcxFile& f) { f.bytesPerLine = 3; }), "shorter"},
        {"MonoLinesShorterThanWidth", with([](PcxFile& f) {
             f.bpp = 1;
             f.xMax = 16;
             f.bytesPerLine = 2;
         }),
         "shorter"},
        {"FourBitsOnePlane", with([](PcxFile& f) { f.bpp = 4; }), "unsupported"},
        {"EightBitsFourPlanes", with([](PcxFile& f) { f.planes = 4; }), "unsupported"},
        {"NotRunLengthCoded", with([](PcxFile& f) { f.encoding = 0; }), "run-length"},
        {"HugeWindowTinyData", with([](PcxFile& f) {
             f.xMax = 0xFFFE;
             f.yMax = 0xFFFF;
             f.bytesPerLine = 0xFFFF;
         }),
         "larger than its data"},
        {"LargeWindowTinyData", with([](PcxFile& f) {
             f.xMax = 3999;
             f.yMax = 3999;
             f.bytesPerLine = 4000;
         }),
         "larger than its data"},
    };
}

class PcxRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(PcxRefuses, GivesNoPictureForTheRightReason) {
    auto picture = ReadPcx(GetParam().file);
    ASSERT_FALSE(picture);
    EXPECT_NE(picture.error().find(GetParam().reason), std::string::npos) << picture.error();
}

INSTANTIATE_TEST_SUITE_P(Pcx, PcxRefuses, ::testing::ValuesIn(BadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PcxDamage, EveryCutAndBitFlipOfEveryFixtureDecodesOrFailsCleanly) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        DamageSweep(c.file.build(), ReadPcx);
    }
}

}  // namespace
}  // namespace qc::test
