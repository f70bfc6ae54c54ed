#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "picture/formats/png_reader.h"

namespace qc {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct PngCase {
    const char* name;
    int colourType;
    int bitDepth;
    bool transparentColour = false;  // a tRNS chunk
    bool interlaced = false;
};

constexpr int kWidth = 13;
constexpr int kHeight = 7;

int ChannelsOf(int colourType) {
    switch (colourType) {
        case PNG_COLOR_TYPE_GRAY:
            return 1;
        case PNG_COLOR_TYPE_RGB:
            return 3;
        case PNG_COLOR_TYPE_PALETTE:
            return 1;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        default:
            return 4;
    }
}

// Sample c of pixel (x, y), in 0..2^depth-1: varied enough to catch swapped channels or rows.
unsigned Sample(const PngCase& c, int x, int y, int channel) {
    const unsigned max = (1u << c.bitDepth) - 1;
    if (c.colourType == PNG_COLOR_TYPE_PALETTE)
        return unsigned(x + y) % (max + 1 < 6 ? max + 1 : 6);
    const unsigned v = unsigned(x * 37 + y * 101 + channel * 59) * 2654435761u >> 7;
    return v % (max + 1);
}

// The palette entries used by the palette cases, with alpha for the tRNS variant.
const png_color kPalette[6] = {{255, 0, 0},  {0, 255, 0},    {0, 0, 255},
                               {10, 20, 30}, {200, 100, 50}, {255, 255, 255}};
const png_byte kPaletteAlpha[6] = {255, 0, 128, 255, 7, 255};

void OnWriteWarning(png_structp, png_const_charp) {}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

Bytes Write(const PngCase& c) {
    Bytes out;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, OnWriteWarning);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendBytes, nullptr);
    png_set_IHDR(png, info, kWidth, kHeight, c.bitDepth, c.colourType,
                 c.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
        const int entries = std::min(6, 1 << c.bitDepth);
        png_set_PLTE(png, info, kPalette, entries);
        if (c.transparentColour) png_set_tRNS(png, info, kPaletteAlpha, entries, nullptr);
    } else if (c.transparentColour) {
        // The colour of pixel (0, 0) becomes transparent.
        png_color_16 key{};
        key.gray = png_uint_16(Sample(c, 0, 0, 0));
        key.red = png_uint_16(Sample(c, 0, 0, 0));
        key.green = png_uint_16(Sample(c, 0, 0, 1));
        key.blue = png_uint_16(Sample(c, 0, 0, 2));
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int channels = ChannelsOf(c.colourType);
    const std::size_t rowBytes = (std::size_t(kWidth) * channels * c.bitDepth + 7) / 8;
    std::vector<std::vector<png_byte>> rows(kHeight, std::vector<png_byte>(rowBytes));
    std::vector<png_bytep> pointers;
    for (int y = 0; y < kHeight; ++y) {
        png_byte* row = rows[y].data();
        int bit = 0;
        for (int x = 0; x < kWidth; ++x) {
            for (int ch = 0; ch < channels; ++ch) {
                const unsigned v = Sample(c, x, y, ch);
                if (c.bitDepth == 16) {
                    row[bit / 8] = png_byte(v >> 8), row[bit / 8 + 1] = png_byte(v);
                } else {
                    row[bit / 8] |= png_byte(v << (8 - c.bitDepth - bit % 8));
                }
                bit += c.bitDepth;
            }
        }
        pointers.push_back(row);
    }
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// What the pixel should be, worked out from the samples written rather than by any decoder.
void Expected(const PngCase& c, int x, int y, int bgra[4]) {
    const unsigned max = (1u << c.bitDepth) - 1;
    auto to8 = [&](unsigned v) { return int((v * 255 + max / 2) / max); };
    const unsigned s0 = Sample(c, x, y, 0), s1 = Sample(c, x, y, 1), s2 = Sample(c, x, y, 2);
    int r, g, b, a = 255;
    switch (c.colourType) {
        case PNG_COLOR_TYPE_PALETTE:
            r = kPalette[s0].red, g = kPalette[s0].green, b = kPalette[s0].blue;
            if (c.transparentColour) a = kPaletteAlpha[s0];
            break;
        case PNG_COLOR_TYPE_GRAY:
            r = g = b = to8(s0);
            if (c.transparentColour && s0 == Sample(c, 0, 0, 0)) a = 0;
            break;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            r = g = b = to8(s0), a = to8(s1);
            break;
        case PNG_COLOR_TYPE_RGB:
            r = to8(s0), g = to8(s1), b = to8(s2);
            if (c.transparentColour && s0 == Sample(c, 0, 0, 0) && s1 == Sample(c, 0, 0, 1) &&
                s2 == Sample(c, 0, 0, 2))
                a = 0;
            break;
        default:
            r = to8(s0), g = to8(s1), b = to8(s2), a = to8(Sample(c, x, y, 3));
            break;
    }
    bgra[0] = b, bgra[1] = g, bgra[2] = r, bgra[3] = a;
}

class PngColourTypeTest : public testing::TestWithParam<PngCase> {};

TEST_P(PngColourTypeTest, MatchesTheSamplesWritten) {
    const PngCase& c = GetParam();
    const Bytes file = Write(c);
    auto picture = ReadPng(file);
    ASSERT_TRUE(picture) << picture.error();
    const Bitmap& image = picture->image;
    ASSERT_EQ(image.width(), kWidth);
    ASSERT_EQ(image.height(), kHeight);
    const bool alpha = c.transparentColour || c.colourType == PNG_COLOR_TYPE_GRAY_ALPHA ||
                       c.colourType == PNG_COLOR_TYPE_RGB_ALPHA;
    EXPECT_EQ(image.hasAlpha(), alpha);
    // 16-bit samples come down to 8 bits by rounding; libpng may round the other way by one.
    const int tolerance = c.bitDepth == 16 ? 1 : 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            int expected[4];
            Expected(c, x, y, expected);
            const std::uint32_t p = image.row(y)[x];
            // A fully transparent pixel's colour is not worth comparing.
            const int channels = expected[3] == 0 ? 1 : 4;
            for (int ch = 4 - channels; ch < 4; ++ch)
                ASSERT_NEAR(int((p >> (8 * ch)) & 0xFF), expected[ch], tolerance)
                    << "pixel " << x << "," << y << " channel " << ch;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ColourTypes, PngColourTypeTest,
    testing::Values(
        PngCase{"grey1", PNG_COLOR_TYPE_GRAY, 1}, PngCase{"grey2", PNG_COLOR_TYPE_GRAY, 2},
        PngCase{"grey4", PNG_COLOR_TYPE_GRAY, 4}, PngCase{"grey8", PNG_COLOR_TYPE_GRAY, 8},
        PngCase{"grey16", PNG_COLOR_TYPE_GRAY, 16},
        PngCase{"grey8_trns", PNG_COLOR_TYPE_GRAY, 8, true}, PngCase{"rgb8", PNG_COLOR_TYPE_RGB, 8},
        PngCase{"rgb16", PNG_COLOR_TYPE_RGB, 16}, PngCase{"rgb8_trns", PNG_COLOR_TYPE_RGB, 8, true},
        PngCase{"rgb16_trns", PNG_COLOR_TYPE_RGB, 16, true},
        PngCase{"palette1", PNG_COLOR_TYPE_PALETTE, 1},
        PngCase{"palette2", PNG_COLOR_TYPE_PALETTE, 2},
        PngCase{"palette4", PNG_COLOR_TYPE_PALETTE, 4},
        PngCase{"palette8", PNG_COLOR_TYPE_PALETTE, 8},
        PngCase{"palette8_trns", PNG_COLOR_TYPE_PALETTE, 8, true},
        PngCase{"grey_alpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
        PngCase{"grey_alpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16},
        PngCase{"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8},
        PngCase{"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16},
        PngCase{"rgba8_interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, true},
        PngCase{"palette4_interlaced", PNG_COLOR_TYPE_PALETTE, 4, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

std::uint32_t Crc(const Bytes& file, std::size_t from, std::size_t to) {
    return std::uint32_t(crc32(0, file.data() + from, unsigned(to - from)));
}

// Sets IHDR's width and height and mends its CRC, so only the size is wrong.
void SetSize(Bytes& file, std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = std::uint8_t(width >> (24 - 8 * i));
        file[20 + i] = std::uint8_t(height >> (24 - 8 * i));
    }
    const std::uint32_t crc = Crc(file, 12, 29);
    for (int i = 0; i < 4; ++i) file[29 + i] = std::uint8_t(crc >> (24 - 8 * i));
}

TEST(PngReaderTest, RefusesSizesNoFileCouldHold) {
    const std::uint32_t sizes[][2] = {{65500, 65500}, {1000000, 1000}, {20000, 20000}, {1, 900000}};
    for (const auto& size : sizes) {
        Bytes file = Write({"rgb8", PNG_COLOR_TYPE_RGB, 8});
        SetSize(file, size[0], size[1]);
        auto picture = ReadPng(file);
        EXPECT_FALSE(picture) << size[0] << "x" << size[1];
    }
}

TEST(PngReaderTest, RefusesTruncatedFiles) {
    const Bytes file = Write({"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8});
    ASSERT_TRUE(ReadPng(file));
    // Every cut before the end of the image data; the last 12 bytes are the IEND chunk, which
    // libpng does not need.
    for (std::size_t cut = 0; cut + 12 < file.size(); ++cut) {
        auto picture = ReadPng(Bytes(file.begin(), file.begin() + std::ptrdiff_t(cut)));
        EXPECT_FALSE(picture) << "cut at " << cut;
    }
}

TEST(PngReaderTest, SurvivesDamagedFiles) {
    std::mt19937 random(11);
    for (const PngCase& c : {PngCase{"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8},
                             PngCase{"palette4", PNG_COLOR_TYPE_PALETTE, 4, true, true}}) {
        const Bytes file = Write(c);
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = file;
            const int flips = 1 + int(random() % 4);
            for (int i = 0; i < flips; ++i)
                damaged[8 + random() % (damaged.size() - 8)] ^= std::uint8_t(1u << (random() % 8));
            auto picture = ReadPng(damaged);
            if (picture) {
                ASSERT_EQ(picture->width(), kWidth);
                ASSERT_EQ(picture->height(), kHeight);
            } else {
                ASSERT_FALSE(picture.error().empty());
            }
        }
    }
}

}  // namespace
}  // namespace qc
