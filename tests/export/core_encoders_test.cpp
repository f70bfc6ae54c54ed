#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "export/jpeg_writer.h"
#include "export/png_writer.h"

namespace qc {
namespace {

// A smooth picture with a hard-edged block, like a caption over a photo.
Bitmap TestPicture(int width, int height) {
    Bitmap bitmap = Bitmap::Create(width, height).value();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool block = x > width / 3 && x < width / 2 && y > height / 3 && y < height / 2;
            bitmap.row(y)[x] =
                block ? Rgb(250, 20, 30) : Argb(0x80, x * 255 / width, y * 255 / height, 128);
        }
    return bitmap;
}

struct DecodedJpeg {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<std::pair<int, int>> sampling;
    std::vector<std::uint8_t> rgb;
};

struct TestErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

bool DecodeInto(jpeg_decompress_struct& cinfo, TestErrorManager& err,
                const std::vector<std::uint8_t>& bytes, DecodedJpeg& out) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        out.sampling.emplace_back(cinfo.comp_info[c].h_samp_factor,
                                  cinfo.comp_info[c].v_samp_factor);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out.width = int(cinfo.output_width);
    out.height = int(cinfo.output_height);
    out.rgb.resize(std::size_t(out.width) * out.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.rgb.data() + std::size_t(cinfo.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes) {
    DecodedJpeg out;
    jpeg_decompress_struct cinfo{};
    TestErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<TestErrorManager*>(c->err)->jump, 1);
    };
    out.ok = DecodeInto(cinfo, err, bytes, out);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

TEST(EncodeJpeg, DecodesBackCloseToTheInputWithFullColourResolution) {
    const Bitmap picture = TestPicture(61, 47);
    auto jpeg = EncodeJpeg(ViewOf(picture));
    ASSERT_TRUE(jpeg.ok()) << jpeg.error();
    const DecodedJpeg decoded = DecodeJpeg(*jpeg);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.width, 61);
    ASSERT_EQ(decoded.height, 47);
    EXPECT_EQ(decoded.sampling, (std::vector<std::pair<int, int>>(3, {1, 1})));
    double sumError = 0;
    int maxError = 0;
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 61; ++x) {
            const std::uint32_t p = picture.row(y)[x];
            const std::uint8_t* q = &decoded.rgb[(std::size_t(y) * 61 + x) * 3];
            for (int c = 0; c < 3; ++c) {
                const int e = std::abs(int(q[c]) - int((p >> (16 - 8 * c)) & 0xFF));
                sumError += e;
                maxError = std::max(maxError, e);
            }
        }
    EXPECT_LT(sumError / (61 * 47 * 3), 2.0);
    EXPECT_LT(maxError, 40);  // the red block's edges keep their colour: no chroma halving
}

TEST(EncodeJpeg, ReadsStridedViewsAndRefusesBadInput) {
    std::vector<std::uint32_t> pixels(8 * 2, Rgb(0, 0, 255));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) pixels[y * 8 + x] = Rgb(255, 255, 255);
    auto jpeg = EncodeJpeg(PixelView{pixels.data(), 32, 4, 2});
    ASSERT_TRUE(jpeg.ok());
    const DecodedJpeg decoded = DecodeJpeg(*jpeg);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.width, 4);
    for (std::uint8_t v : decoded.rgb) EXPECT_GT(v, 240);  // the blue padding is not read

    std::uint32_t pixel = 0;
    EXPECT_FALSE(EncodeJpeg(PixelView{nullptr, 4, 1, 1}).ok());
    EXPECT_FALSE(EncodeJpeg(PixelView{&pixel, 4, 0, 1}).ok());
    EXPECT_FALSE(EncodeJpeg(PixelView{&pixel, 4, 1, 1}, 0).ok());
    // libjpeg's own refusal comes back as an error instead of ending the process.
    std::vector<std::uint32_t> wide(70000, Rgb(1, 2, 3));
    auto tooWide = EncodeJpeg(PixelView{wide.data(), 70000 * 4, 70000, 1});
    ASSERT_FALSE(tooWide.ok());
    EXPECT_NE(tooWide.error().find("65500"), std::string::npos) << tooWide.error();
}

struct PngCase {
    bool keepAlpha;
    png_uint_32 expectedFormat;
};

class EncodePngTest : public testing::TestWithParam<PngCase> {};

TEST_P(EncodePngTest, RoundTripsThroughLibpng) {
    const auto [keepAlpha, expectedFormat] = GetParam();
    const Bitmap picture = TestPicture(33, 21);
    auto png = EncodePng(ViewOf(picture), keepAlpha);
    ASSERT_TRUE(png.ok()) << png.error();

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png->data(), png->size()));
    EXPECT_EQ(image.width, 33u);
    EXPECT_EQ(image.height, 21u);
    EXPECT_EQ(image.format, expectedFormat);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> pixels(33 * 21);
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t p = picture.pixels()[i];
        ASSERT_EQ(pixels[i], keepAlpha ? p : (p | 0xFF000000u)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Alpha, EncodePngTest,
                         testing::Values(PngCase{true, PNG_FORMAT_RGBA},
                                         PngCase{false, PNG_FORMAT_RGB}));

TEST(EncodePng, RefusesEmptyAndOverlappingViews) {
    std::uint32_t pixels[4] = {};
    EXPECT_FALSE(EncodePng(PixelView{nullptr, 4, 1, 1}, true).ok());
    EXPECT_FALSE(EncodePng(PixelView{pixels, 4, 0, 1}, true).ok());
    EXPECT_FALSE(EncodePng(PixelView{pixels, 4, 2, 2}, true).ok());
}

}  // namespace
}  // namespace qc
