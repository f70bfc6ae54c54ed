#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "bmp_test_tools.h"
#include "picture/formats/bmp_reader.h"

namespace qc::test {
namespace {

struct MagickCase {
    const char* name;
    const char* options;  // between the source picture and the output file
    const char* output;   // ImageMagick's output format prefix
    // Where ImageMagick's own reading is off, netpbm's bmptopnm is the reference, colour only.
    bool netpbm = false;
    // ImageMagick's ARGB1555 writer leaves every alpha bit 0; we take an alpha channel that is
    // all 0 for one the writer did not fill and show the picture opaque, so compare colour only.
    bool colourOnly = false;
};

class BmpAgreesWithImageMagick : public ::testing::TestWithParam<MagickCase> {
  protected:
    // The two source pictures are made once for all cases.
    static void SetUpTestSuite() {
        if (!HaveImageMagick()) return;
        s_sources = std::make_unique<ScratchDir>();
        // Odd sizes so every row has padding; plasma so every depth sees many colours.
        RunQuietly("convert -size 37x23 -seed 5 plasma:fractal '" +
                   (*s_sources / "source.png").string() + "'");
        RunQuietly(
            "convert -size 37x23 -seed 6 plasma:fractal -alpha set -channel A -fx 'i/w' "
            "+channel '" +
            (*s_sources / "alpha.png").string() + "'");
    }
    static void TearDownTestSuite() { s_sources.reset(); }
    void SetUp() override {
        if (!s_sources) GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    static inline std::unique_ptr<ScratchDir> s_sources;
    ScratchDir m_dir;
};

TEST_P(BmpAgreesWithImageMagick, PixelForPixel) {
    const MagickCase& c = GetParam();
    const std::string source =
        (*s_sources / (std::strstr(c.options, "alpha") ? "alpha.png" : "source.png")).string();
    const auto file = m_dir / "out.bmp";
    ASSERT_TRUE(RunQuietly("convert '" + source + "' " + c.options + " " + c.output + ":'" +
                           file.string() + "'"));
    auto picture = ReadBmp(ReadFile(file));
    ASSERT_TRUE(picture) << picture.error();
    const auto reference =
        c.netpbm ? NetpbmPixels("bmptopnm", file.string()) : MagickPixels(file.string());
    ExpectSamePixels(picture->image, reference, c.name, c.netpbm || c.colourOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, BmpAgreesWithImageMagick,
    ::testing::Values(
        MagickCase{"OneBit", "-type Bilevel", "BMP3"},
        MagickCase{"FourBit", "-colors 16 -type Palette", "BMP3"},
        MagickCase{"EightBit", "-colors 200 -type Palette", "BMP3"},
        MagickCase{"Rle8", "-colors 200 -type Palette -compress RLE", "BMP3"},
        MagickCase{"Rgb555", "-define bmp:subtype=RGB555", "BMP"},
        MagickCase{"Rgb565", "-define bmp:subtype=RGB565", "BMP"},
        MagickCase{"Argb1555", "-define bmp:subtype=ARGB1555 -alpha set", "BMP", false, true},
        // ImageMagick widens 4-bit fields by shifting (15 becomes 240); netpbm, like us,
        // repeats the bits (15 becomes 255).
        MagickCase{"Argb4444", "-define bmp:subtype=ARGB4444 -alpha set", "BMP", true},
        MagickCase{"TwentyFourBit", "-type TrueColor", "BMP3"},
        MagickCase{"ThirtyTwoBitAlphaV5", "-type TrueColorAlpha -alpha set", "BMP"},
        MagickCase{"CoreHeader", "-type TrueColor", "BMP2"},
        MagickCase{"CoreHeaderPalette", "-colors 200 -type Palette", "BMP2"}),
    [](const auto& info) { return std::string(info.param.name); });

// ImageMagick writes no top-down files, so flip one of its bottom-up files ourselves.
TEST(BmpTopDown, FlippedFileMatchesImageMagicksBottomUpOriginal) {
    if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    ScratchDir dir;
    const auto file = dir / "up.bmp";
    ASSERT_TRUE(RunQuietly("convert -size 37x23 -seed 5 plasma:fractal -type TrueColor BMP3:'" +
                           file.string() + "'"));
    const Bytes bottomUp = ReadFile(file);
    ASSERT_GT(bottomUp.size(), 54u);
    std::uint32_t offset, height;
    std::memcpy(&offset, &bottomUp[10], 4);
    std::memcpy(&height, &bottomUp[22], 4);
    const std::size_t rowBytes = (bottomUp.size() - offset) / height;
    Bytes topDown = bottomUp;
    for (std::size_t y = 0; y < height; ++y)
        std::memcpy(&topDown[offset + y * rowBytes],
                    &bottomUp[offset + (height - 1 - y) * rowBytes], rowBytes);
    const std::int32_t negative = -std::int32_t(height);
    std::memcpy(&topDown[22], &negative, 4);
    auto picture = ReadBmp(topDown);
    ASSERT_TRUE(picture) << picture.error();
    ExpectSamePixels(picture->image, MagickPixels(file.string()), "top-down");
}

}  // namespace
}  // namespace qc::test

namespace qc::test {
namespace {

// For pictures one pixel wide ImageMagick writes RLE8 runs longer than the row; reading its
// own file back it wraps them into the next rows and shows wrong pixels, and netpbm's bmptopnm
// refuses the file. We cut runs at the row end, which gives the picture the file was made
// from, so the reference here is the same picture written uncompressed.
TEST(BmpRle8, OverlongRunsOfImageMagicksNarrowFilesAreCutAtTheRowEnd) {
    if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    ScratchDir dir;
    const auto source = dir / "narrow.png", rle = dir / "rle.bmp", plain = dir / "plain.bmp";
    ASSERT_TRUE(RunQuietly("convert -size 1x5 -seed 1 plasma:fractal '" + source.string() +
                           "' && convert '" + source.string() +
                           "' -colors 200 -type Palette -compress RLE BMP3:'" + rle.string() +
                           "' && convert '" + source.string() +
                           "' -colors 200 -type Palette BMP3:'" + plain.string() + "'"));
    auto picture = ReadBmp(ReadFile(rle));
    ASSERT_TRUE(picture) << picture.error();
    ExpectSamePixels(picture->image, MagickPixels(plain.string()), "narrow RLE8");
}

}  // namespace
}  // namespace qc::test
