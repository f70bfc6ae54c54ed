#include <gtest/gtest.h>

#include "bmp_test_tools.h"
#include "picture/formats/icon_reader.h"

namespace qc::test {
namespace {

struct IconCase {
    const char* name;
    const char* sizing;  // how ImageMagick sizes the icon's images
    bool alpha;
    int chosen;  // index of the image our entry rule picks
};

class IconAgreesWithImageMagick : public ::testing::TestWithParam<IconCase> {
  protected:
    void SetUp() override {
        if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    ScratchDir m_dir;
};

TEST_P(IconAgreesWithImageMagick, ChosenImageMatchesPixelForPixel) {
    const IconCase& c = GetParam();
    const auto file = m_dir / "out.ico";
    // ImageMagick writes 32-bit images (colour-count byte 0) with AND masks, and PNG for 256.
    std::string command = "convert -size 64x64 -seed 9 plasma:fractal -depth 8";
    if (c.alpha) command += " -alpha set -channel A -fx 'j/h>0.3?i/w:0' +channel";
    command += " " + std::string(c.sizing) + " '" + file.string() + "'";
    ASSERT_TRUE(RunQuietly(command));
    auto picture = ReadIcon(ReadFile(file));
    ASSERT_TRUE(picture) << picture.error();
    const std::string frame = file.string() + "[" + std::to_string(c.chosen) + "]";
    ExpectSamePixels(picture->image, MagickPixels(frame), c.name);
}

INSTANTIATE_TEST_SUITE_P(Icon, IconAgreesWithImageMagick,
                         ::testing::Values(IconCase{"SingleOpaque", "-resize 24x24", false, 0},
                                           IconCase{"SeveralSizesTakesTheLast",
                                                    "-define icon:auto-resize=16,32,48", true, 2},
                                           IconCase{"OddSizeWithAlpha", "-resize 13x13", true, 0},
                                           IconCase{"PngEntryAtTheEnd",
                                                    "-define icon:auto-resize=16,256", true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qc::test
