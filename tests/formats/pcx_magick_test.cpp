#include <gtest/gtest.h>

#include "bmp_test_tools.h"
#include "picture/formats/pcx_reader.h"

namespace qc::test {
namespace {

struct PcxCase {
    const char* name;
    // Makes out.pcx from source.png (and source.ppm) in the current folder.
    const char* make;
    // ImageMagick 6 writes no 1-bit or 4-plane PCX, so those come from netpbm's ppmtopcx and
    // are checked against netpbm's pcxtoppm. ImageMagick reads 1-bit PCX with the header's
    // palette and shows our files inverted; netpbm and we follow "0 black, 1 white".
    bool netpbm;
};

class PcxAgreesWithReference : public ::testing::TestWithParam<PcxCase> {
  protected:
    void SetUp() override {
        if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
        if (GetParam().netpbm && !RunQuietly("command -v ppmtopcx && command -v pcxtoppm"))
            GTEST_SKIP() << "netpbm is not installed";
    }
    ScratchDir m_dir;
};

TEST_P(PcxAgreesWithReference, PixelForPixel) {
    const PcxCase& c = GetParam();
    const auto file = m_dir / "out.pcx";
    ASSERT_TRUE(RunQuietly("cd '" + (m_dir / "").string() +
                           "' && convert -size 37x23 -seed 4 plasma:fractal source.png && "
                           "convert source.png source.ppm && " +
                           c.make));
    auto picture = ReadPcx(ReadFile(file));
    ASSERT_TRUE(picture) << picture.error();
    const auto reference =
        c.netpbm ? NetpbmPixels("pcxtoppm", file.string()) : MagickPixels(file.string());
    ExpectSamePixels(picture->image, reference, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Pcx, PcxAgreesWithReference,
    ::testing::Values(
        PcxCase{"EightBitPalette", "convert source.png -colors 200 -type Palette out.pcx", false},
        PcxCase{"TwentyFourBit", "convert source.png -type TrueColor out.pcx", false},
        PcxCase{"OneBit", "convert source.png -monochrome pbm:- | ppmtopcx > out.pcx", true},
        PcxCase{"SixteenColourPlanes",
                "convert source.png -colors 16 ppm:- | ppmtopcx -planes 4 > out.pcx", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qc::test
