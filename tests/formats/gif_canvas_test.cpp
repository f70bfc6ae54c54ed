#include <gtest/gtest.h>

#include <string>

#include "gif_builder.h"
#include "picture/formats/gif_animation.h"
#include "picture/formats/gif_reader.h"

namespace qc {
namespace {

using test::BuildGif;
using test::GifFrameSpec;
using test::GifRecipe;
using test::PackCodes;

constexpr std::uint32_t kBackground = 0x808080;

// Canvas rows written as letters: '.' background, R G B D the palette below.
std::string Render(const Bitmap& canvas) {
    std::string out;
    for (int y = 0; y < canvas.height(); ++y) {
        if (y) out += '/';
        for (int x = 0; x < canvas.width(); ++x) {
            switch (canvas.row(y)[x]) {
                case 0xFF000000u | kBackground:
                    out += '.';
                    break;
                case 0xFFFF0000u:
                    out += 'R';
                    break;
                case 0xFF00FF00u:
                    out += 'G';
                    break;
                case 0xFF0000FFu:
                    out += 'B';
                    break;
                case 0xFF102030u:
                    out += 'D';
                    break;
                default:
                    out += '?';
            }
        }
    }
    return out;
}

GifFrameSpec Frame(int left, int top, int width, int height, std::vector<std::uint8_t> indices,
                   int disposal, int delay) {
    GifFrameSpec f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices = std::move(indices);
    f.disposal = disposal;
    f.delay = delay;
    return f;
}

// Frame 0 paints the left half red, frame 1 a 2 × 2 block with a transparent pixel, frame 2
// one blue pixel; frames 1 and 2 use the disposal under test.
std::shared_ptr<const GifAnimation> ThreeFrames(int disposal) {
    GifRecipe recipe{4, 3, {0xFF0000, 0x00FF00, 0x0000FF, 0x102030}, {}};
    recipe.frames.push_back(Frame(0, 0, 2, 3, {0, 0, 0, 0, 0, 0}, 1, 7));
    recipe.frames.push_back(Frame(1, 1, 2, 2, {1, 2, 3, 1}, disposal, 0));
    recipe.frames.back().transparentIndex = 3;
    recipe.frames.push_back(Frame(0, 0, 1, 1, {2}, disposal, 3));
    recipe.loopOnce = true;
    auto picture = ReadGif(BuildGif(recipe));
    EXPECT_TRUE(picture.ok());
    return picture->animation;
}

struct DisposalCase {
    int disposal;
    std::vector<std::string> canvases;  // after each advance
};

class GifCanvasDisposal : public testing::TestWithParam<DisposalCase> {};

TEST_P(GifCanvasDisposal, DrawsEachFrameAndLoopsForEver) {
    auto canvas = GifCanvas::Create(ThreeFrames(GetParam().disposal), kBackground);
    ASSERT_TRUE(canvas.ok()) << canvas.error();
    EXPECT_EQ(canvas->frameIndex(), -1);
    EXPECT_EQ(Render(canvas->canvas()), "..../..../....");
    const int delays[] = {70, 50, 30};
    const auto& expected = GetParam().canvases;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(canvas->advance(), delays[i % 3]);
        EXPECT_EQ(canvas->frameIndex(), int(i % 3));
        EXPECT_EQ(canvas->wrapped(), i >= 3);
        EXPECT_EQ(Render(canvas->canvas()), expected[i]);
    }
}

const std::vector<std::string> kKept = {
    "RR../RR../RR..", "RR../RGB./RRG.", "BR../RGB./RRG.", "RR../RRB./RRG.",
    "RR../RGB./RRG.", "BR../RGB./RRG.", "RR../RRB./RRG.",
};
const std::vector<std::string> kRestored = {
    "RR../RR../RR..", "RR../RGB./RRG.", "BR../RR../RR..", "RR../RR../RR..",
    "RR../RGB./RRG.", "BR../RR../RR..", "RR../RR../RR..",
};

INSTANTIATE_TEST_SUITE_P(Disposals, GifCanvasDisposal,
                         testing::Values(DisposalCase{0, kKept}, DisposalCase{1, kKept},
                                         DisposalCase{4, kKept}, DisposalCase{2, kRestored},
                                         DisposalCase{3, kRestored}));

TEST(GifCanvas, BrokenFrameLeavesUndecodedPixelsAsTheyWere) {
    GifRecipe recipe{3, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x102030}, {}};
    recipe.frames.push_back(Frame(0, 0, 3, 1, {0, 0, 0}, 0, 0));
    recipe.frames.push_back(Frame(0, 0, 3, 1, {}, 0, 0));
    // Clear, then "green", then a code the table cannot hold yet.
    recipe.frames.back().lzwData = PackCodes({{4, 3}, {1, 3}, {7, 3}});
    auto picture = ReadGif(BuildGif(recipe));
    ASSERT_TRUE(picture.ok());
    auto canvas = GifCanvas::Create(picture->animation, kBackground);
    ASSERT_TRUE(canvas.ok());
    canvas->advance();
    canvas->advance();
    EXPECT_EQ(Render(canvas->canvas()), "GRR");
}

TEST(GifCanvas, RefusesAMissingAnimation) {
    EXPECT_FALSE(GifCanvas::Create(nullptr, 0).ok());
}

}  // namespace
}  // namespace qc
