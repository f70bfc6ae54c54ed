#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>

#include "picture/formats/jpeg_reader.h"

namespace qc {
namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Layout { Grey, Colour, Cmyk, Ycck };

struct EncodeOptions {
    Layout layout = Layout::Colour;
    bool progressive = false;
    int width = 48;
    int height = 32;
    int quality = 100;
    // Replaces the usual scans with one scan per coefficient and a refinement of each.
    bool manyScans = false;
};

// The source colour of a pixel: smooth ramps, so JPEG at quality 100 stays within a few
// levels of them.
void SourceRgb(int x, int y, int width, int height, int rgb[3]) {
    rgb[0] = x * 255 / (width - 1);
    rgb[1] = y * 255 / (height - 1);
    rgb[2] = 128;
}

int SourceGrey(int x, int y, int width, int height) {
    return (x * 200 / (width - 1) + y * 55 / (height - 1));
}

void IgnoreMessage(j_common_ptr) {}

Bytes Encode(const EncodeOptions& o) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    errors.output_message = IgnoreMessage;
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = JDIMENSION(o.width);
    cinfo.image_height = JDIMENSION(o.height);
    const bool fourInks = o.layout == Layout::Cmyk || o.layout == Layout::Ycck;
    cinfo.input_components = o.layout == Layout::Grey ? 1 : fourInks ? 4 : 3;
    cinfo.in_color_space = o.layout == Layout::Grey ? JCS_GRAYSCALE : fourInks ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (o.layout == Layout::Ycck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
    jpeg_set_quality(&cinfo, o.quality, TRUE);
    std::vector<jpeg_scan_info> scans;
    if (o.manyScans) {
        scans.push_back({1, {0}, 0, 0, 0, 0});
        for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 0, 1});
        for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 1, 0});
        cinfo.scan_info = scans.data();
        cinfo.num_scans = int(scans.size());
    } else if (o.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(o.width) * std::size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < o.width; ++x) {
            JSAMPLE* p = &row[std::size_t(x) * std::size_t(cinfo.input_components)];
            int rgb[3];
            SourceRgb(x, y, o.width, o.height, rgb);
            if (o.layout == Layout::Grey) {
                p[0] = JSAMPLE(SourceGrey(x, y, o.width, o.height));
            } else if (fourInks) {
                // Stored the Adobe way, inverted: with full "ink" K the colour is the RGB
                // itself; the right half halves it through K.
                p[0] = JSAMPLE(rgb[0]), p[1] = JSAMPLE(rgb[1]), p[2] = JSAMPLE(rgb[2]);
                p[3] = x < o.width / 2 ? 255 : 128;
            } else {
                p[0] = JSAMPLE(rgb[0]), p[1] = JSAMPLE(rgb[1]), p[2] = JSAMPLE(rgb[2]);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes bytes(out, out + outSize);
    std::free(out);
    jpeg_destroy_compress(&cinfo);
    return bytes;
}

int Channel(std::uint32_t pixel, int shift) {
    return int((pixel >> shift) & 0xFF);
}

struct LayoutCase {
    const char* name;
    EncodeOptions options;
};

class JpegLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(JpegLayoutTest, DecodesCloseToTheSourceOpaque) {
    const EncodeOptions& o = GetParam().options;
    const Bytes file = Encode(o);
    auto picture = ReadJpeg(file);
    ASSERT_TRUE(picture) << picture.error();
    const Bitmap& image = picture->image;
    ASSERT_EQ(image.width(), o.width);
    ASSERT_EQ(image.height(), o.height);
    EXPECT_FALSE(image.hasAlpha());
    int worst = 0;
    for (int y = 0; y < o.height; ++y) {
        for (int x = 0; x < o.width; ++x) {
            const std::uint32_t p = image.row(y)[x];
            ASSERT_EQ(p >> 24, 0xFFu) << x << "," << y;
            int expected[3];
            if (o.layout == Layout::Grey) {
                const int g = SourceGrey(x, y, o.width, o.height);
                expected[0] = expected[1] = expected[2] = g;
                ASSERT_EQ(Channel(p, 16), Channel(p, 8));
                ASSERT_EQ(Channel(p, 8), Channel(p, 0));
            } else {
                SourceRgb(x, y, o.width, o.height, expected);
                if ((o.layout == Layout::Cmyk || o.layout == Layout::Ycck) && x >= o.width / 2)
                    for (int& c : expected) c = c * 128 / 255;
            }
            worst = std::max({worst, std::abs(Channel(p, 16) - expected[0]),
                              std::abs(Channel(p, 8) - expected[1]),
                              std::abs(Channel(p, 0) - expected[2])});
        }
    }
    // Chroma subsampling at quality 100 still costs a few levels at the ramps' edges.
    EXPECT_LE(worst, 12);
}

INSTANTIATE_TEST_SUITE_P(Layouts, JpegLayoutTest,
                         testing::Values(LayoutCase{"grey", {Layout::Grey, false}},
                                         LayoutCase{"colour", {Layout::Colour, false}},
                                         LayoutCase{"progressive_grey", {Layout::Grey, true}},
                                         LayoutCase{"progressive_colour",
                                                    {Layout::Colour, true, 61, 37}},
                                         LayoutCase{"odd_size", {Layout::Colour, false, 33, 21}},
                                         LayoutCase{"cmyk_adobe", {Layout::Cmyk, false}},
                                         LayoutCase{"ycck_adobe", {Layout::Ycck, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Offset of the first byte after a marker's segment, for patching or cutting fixtures.
std::size_t SegmentEnd(const Bytes& file, std::uint8_t marker) {
    for (std::size_t i = 2; i + 3 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == marker)
            return i + 2 + std::size_t((file[i + 2] << 8) | file[i + 3]);
    return 0;
}

std::size_t SofOffset(const Bytes& file) {
    for (std::size_t i = 2; i + 3 < file.size(); ++i)
        if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) return i;
    return 0;
}

void SetSize(Bytes& file, int width, int height) {
    const std::size_t sof = SofOffset(file);
    ASSERT_NE(sof, 0u);
    file[sof + 5] = std::uint8_t(height >> 8), file[sof + 6] = std::uint8_t(height);
    file[sof + 7] = std::uint8_t(width >> 8), file[sof + 8] = std::uint8_t(width);
}

TEST(JpegReaderTest, RefusesSizesNoFileCouldHold) {
    struct Case {
        int width, height;
    } cases[] = {{65500, 65500}, {16384, 16385}, {8000, 8000}};
    for (const Case& c : cases) {
        Bytes file = Encode({});
        SetSize(file, c.width, c.height);
        auto picture = ReadJpeg(file);
        ASSERT_FALSE(picture) << c.width << "x" << c.height;
        EXPECT_NE(picture.error().find("picture"), std::string::npos) << picture.error();
    }
}

TEST(JpegReaderTest, RefusesAProgressiveFileWithMoreThanAHundredScans) {
    EncodeOptions many;
    many.layout = Layout::Grey;
    many.manyScans = true;
    const Bytes bomb = Encode(many);
    auto picture = ReadJpeg(bomb);
    ASSERT_FALSE(picture);
    EXPECT_NE(picture.error().find("scans"), std::string::npos) << picture.error();
}

TEST(JpegReaderTest, KeepsWhatATruncatedFileHoldsButNeedsSomeImageData) {
    EncodeOptions o;
    o.width = 64, o.height = 64;
    const Bytes file = Encode(o);
    const std::size_t scanStart = SegmentEnd(file, 0xDA);
    ASSERT_GT(scanStart, 0u);

    // Everything up to the first scan's data: no picture.
    for (std::size_t cut : {std::size_t(2), std::size_t(20), scanStart - 3, scanStart}) {
        auto picture = ReadJpeg(Bytes(file.begin(), file.begin() + std::ptrdiff_t(cut)));
        EXPECT_FALSE(picture) << "cut at " << cut;
    }
    // Half the scan: the top rows as encoded, the rest padded.
    const std::size_t half = scanStart + (file.size() - scanStart) / 2;
    auto whole = ReadJpeg(file);
    auto part = ReadJpeg(Bytes(file.begin(), file.begin() + std::ptrdiff_t(half)));
    ASSERT_TRUE(whole);
    ASSERT_TRUE(part) << part.error();
    ASSERT_EQ(part->width(), 64);
    ASSERT_EQ(part->height(), 64);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(part->image.row(0)[x], whole->image.row(0)[x]);
}

TEST(JpegReaderTest, SurvivesDamagedFiles) {
    std::mt19937 random(7);
    for (bool progressive : {false, true}) {
        EncodeOptions o;
        o.progressive = progressive;
        o.quality = 80;
        const Bytes file = Encode(o);
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = file;
            const int flips = 1 + int(random() % 4);
            for (int i = 0; i < flips; ++i)
                damaged[random() % damaged.size()] ^= std::uint8_t(1u << (random() % 8));
            if (round % 3 == 0) damaged.resize(2 + random() % (damaged.size() - 2));
            auto picture = ReadJpeg(damaged);
            if (picture) {
                // A flipped size field may give another size; it must be a real one.
                ASSERT_GT(picture->width(), 0);
                ASSERT_GT(picture->height(), 0);
                ASSERT_FALSE(picture->image.isNull());
            } else {
                ASSERT_FALSE(picture.error().empty());
            }
        }
    }
}

TEST(JpegReaderTest, RefusesWhatIsNoJpeg) {
    const Bytes cases[] = {{}, {0xFF, 0xD8}, {0xFF, 0xD8, 0xFF, 0xD9}, Bytes(64, 0x00)};
    for (const Bytes& bytes : cases) EXPECT_FALSE(ReadJpeg(bytes)) << bytes.size();
}

}  // namespace
}  // namespace qc
