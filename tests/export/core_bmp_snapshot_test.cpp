#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "export/bmp_snapshot.h"
#include "picture/formats/bmp_reader.h"

namespace qc {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

Bitmap RandomBitmap(int width, int height, unsigned seed) {
    Bitmap bitmap = Bitmap::Create(width, height).value();
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < bitmap.pixelCount(); ++i) bitmap.pixels()[i] = random();
    return bitmap;
}

struct SizeCase {
    int width;
    int height;
    std::uint32_t stride;
    std::uint32_t fileSize;
};

class SnapshotHeaderTest : public testing::TestWithParam<SizeCase> {};

TEST_P(SnapshotHeaderTest, HeadersDescribeA24BitBottomUpPicture) {
    const auto& c = GetParam();
    const auto bmp = EncodePictureSnapshot(Bitmap::Filled(c.width, c.height, Rgb(1, 2, 3)).value());
    ASSERT_EQ(bmp.size(), c.fileSize);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), c.fileSize);
    EXPECT_EQ(Le32(bmp, 6), 0u);
    EXPECT_EQ(Le32(bmp, 10), 54u);
    EXPECT_EQ(Le32(bmp, 14), 40u);
    EXPECT_EQ(Le32(bmp, 18), std::uint32_t(c.width));
    EXPECT_EQ(Le32(bmp, 22), std::uint32_t(c.height));
    EXPECT_EQ(Le16(bmp, 26), 1);
    EXPECT_EQ(Le16(bmp, 28), 24);
    EXPECT_EQ(Le32(bmp, 34), c.stride * std::uint32_t(c.height));
    for (std::size_t at : {30, 38, 42, 46, 50}) EXPECT_EQ(Le32(bmp, at), 0u) << at;
    EXPECT_EQ(BmpStride(c.width), c.stride);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SnapshotHeaderTest,
                         testing::Values(SizeCase{379, 384, 1140, 437814},
                                         SizeCase{336, 400, 1008, 54 + 1008 * 400},
                                         SizeCase{1, 1, 4, 58}, SizeCase{2, 3, 8, 78},
                                         SizeCase{5, 2, 16, 86}));

TEST(EncodePictureSnapshot, RowsAreBottomUpBgrWithZeroPadding) {
    // Widths around the 4-pixel blocks of the packer, with every padding length.
    for (int width = 1; width <= 11; ++width) {
        const Bitmap bitmap = RandomBitmap(width, 3, unsigned(width));
        const auto bmp = EncodePictureSnapshot(bitmap);
        const std::size_t stride = BmpStride(width);
        ASSERT_EQ(bmp.size(), 54 + stride * 3);
        for (int y = 0; y < 3; ++y) {
            const std::uint8_t* row = bmp.data() + 54 + stride * std::size_t(2 - y);
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = bitmap.row(y)[x];
                ASSERT_EQ(row[3 * x], std::uint8_t(p)) << width << ' ' << x << ' ' << y;
                ASSERT_EQ(row[3 * x + 1], std::uint8_t(p >> 8));
                ASSERT_EQ(row[3 * x + 2], std::uint8_t(p >> 16));
            }
            for (std::size_t i = std::size_t(width) * 3; i < stride; ++i) ASSERT_EQ(row[i], 0);
        }
    }
}

TEST(EncodePictureSnapshot, FirstPixelBytesAreTheBottomLeftPixel) {
    Bitmap bitmap = Bitmap::Filled(379, 384, Rgb(0, 0, 0)).value();
    bitmap.row(383)[0] = Rgb(0x30, 0x20, 0x10);
    const auto bmp = EncodePictureSnapshot(bitmap);
    EXPECT_EQ(bmp[54], 0x10);
    EXPECT_EQ(bmp[55], 0x20);
    EXPECT_EQ(bmp[56], 0x30);
    EXPECT_EQ(bmp[54 + 1137], 0);  // the three filler bytes of the row
}

TEST(EncodePictureSnapshot, ReadsAViewWithWiderRows) {
    // A QImage may pad its rows; only `width` pixels of each row belong to the picture.
    const int width = 3, height = 2, strideWords = 5;
    std::vector<std::uint32_t> pixels(strideWords * height, Rgb(9, 9, 9));
    pixels[0] = Rgb(1, 2, 3);
    pixels[strideWords] = Rgb(4, 5, 6);
    const auto bmp =
        EncodePictureSnapshot(PixelView{pixels.data(), strideWords * 4, width, height});
    ASSERT_EQ(bmp.size(), 54u + 12 * 2);
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.begin() + 66),
              (std::vector<std::uint8_t>{6, 5, 4, 9, 9, 9, 9, 9, 9, 0, 0, 0}));
    EXPECT_EQ(bmp[66], 3);
}

TEST(EncodePictureSnapshot, NothingToCaptureGivesNoBytes) {
    EXPECT_TRUE(EncodePictureSnapshot(Bitmap()).empty());
    std::uint32_t pixel = 0;
    EXPECT_TRUE(EncodePictureSnapshot(PixelView{&pixel, 4, 0, 1}).empty());
    EXPECT_TRUE(EncodePictureSnapshot(PixelView{&pixel, 4, 1, 0}).empty());
    EXPECT_TRUE(EncodePictureSnapshot(PixelView{nullptr, 4, 1, 1}).empty());
}

TEST(EncodePictureSnapshot, ReadsBackThroughTheBmpReader) {
    Bitmap bitmap = RandomBitmap(37, 23, 7);
    for (std::size_t i = 0; i < bitmap.pixelCount(); ++i) bitmap.pixels()[i] |= 0xFF000000u;
    const auto bmp = EncodePictureSnapshot(bitmap);
    auto decoded = ReadBmp(bmp);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    ASSERT_EQ(decoded->width(), 37);
    ASSERT_EQ(decoded->height(), 23);
    EXPECT_EQ(std::memcmp(decoded->image.pixels(), bitmap.pixels(), bitmap.byteCount()), 0);
}

}  // namespace
}  // namespace qc
