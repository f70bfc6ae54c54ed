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
using test::PatternIndices;

constexpr std::uint32_t kUncovered = 0x00FFFFFF;

const std::vector<std::uint32_t> kFour = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030};

std::vector<std::uint32_t> Spread(int colours) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back(std::uint32_t(i * 0x010305 + (i % 7) * 0x200000) & 0xFFFFFF);
    return palette;
}

// The first frame as ReadGif should give it, worked out directly from the recipe.
std::vector<std::uint32_t> ExpectedFirstFrame(const GifRecipe& recipe) {
    std::vector<std::uint32_t> out(std::size_t(recipe.width) * recipe.height, kUncovered);
    const GifFrameSpec& f = recipe.frames.front();
    const auto& table = f.localPalette.empty() ? recipe.globalPalette : f.localPalette;
    for (int y = 0; y < f.height && f.top + y < recipe.height; ++y) {
        for (int x = 0; x < f.width && f.left + x < recipe.width; ++x) {
            const int index = f.indices[y * f.width + x];
            std::uint32_t c = 0xFF000000u | (index < int(table.size()) ? table[index] : 0);
            if (index == f.transparentIndex) c &= 0x00FFFFFF;
            out[(f.top + y) * recipe.width + f.left + x] = c;
        }
    }
    return out;
}

std::vector<std::uint32_t> Pixels(const Bitmap& bitmap) {
    return std::vector<std::uint32_t>(bitmap.pixels(), bitmap.pixels() + bitmap.pixelCount());
}

GifFrameSpec Frame(int left, int top, int width, int height, std::vector<std::uint8_t> indices) {
    GifFrameSpec f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices = std::move(indices);
    return f;
}

struct DecodeCase {
    const char* name;
    GifRecipe recipe;
};

std::vector<DecodeCase> DecodeCases() {
    std::vector<DecodeCase> cases;
    cases.push_back({"still", {3, 2, kFour, {Frame(0, 0, 3, 2, {0, 1, 2, 3, 3, 0})}}});
    {
        GifFrameSpec f = Frame(0, 0, 5, 11, PatternIndices(5, 11, 16, 1));
        f.interlaced = true;
        f.localPalette = Spread(16);
        cases.push_back({"interlaced with a local palette", {5, 11, kFour, {f}}});
    }
    for (int h : {1, 2, 3, 4, 5, 8, 9}) {
        GifFrameSpec f = Frame(0, 0, 3, h, PatternIndices(3, h, 4, h));
        f.interlaced = true;
        cases.push_back({"interlaced, short", {3, h, kFour, {f}}});
    }
    {
        GifFrameSpec f = Frame(0, 0, 4, 3, {0, 1, 1, 2, 1, 3, 0, 1, 2, 2, 1, 0});
        f.transparentIndex = 1;
        cases.push_back({"transparent index keeps its colour with alpha 0", {4, 3, kFour, {f}}});
    }
    cases.push_back(
        {"frame smaller than the screen", {6, 5, kFour, {Frame(2, 1, 3, 2, {3, 2, 1, 0, 1, 2})}}});
    cases.push_back({"frame reaching past the screen is clipped",
                     {5, 4, kFour, {Frame(3, 2, 300, 4, PatternIndices(300, 4, 4, 7))}}});
    {
        GifFrameSpec f = Frame(1, 1, 40, 30, PatternIndices(40, 30, 4, 8));
        f.interlaced = true;
        cases.push_back({"interlaced frame clipped", {6, 9, kFour, {f}}});
    }
    cases.push_back(
        {"frame entirely off the screen", {4, 4, kFour, {Frame(9, 9, 2, 2, {1, 2, 3, 0})}}});
    {
        GifFrameSpec f = Frame(0, 0, 4, 2, {0, 1, 1, 0, 1, 1, 1, 0});
        f.minCodeSize = 1;
        cases.push_back({"minimum code size 1", {4, 2, {0x000000, 0xFFFFFF}, {f}}});
    }
    {
        GifFrameSpec f = Frame(0, 0, 4, 2, {0, 1, 2, 3, 3, 2, 1, 0});
        f.minCodeSize = 8;
        cases.push_back({"minimum code size 8 for 4 colours", {4, 2, kFour, {f}}});
    }
    {
        GifFrameSpec f = Frame(0, 0, 160, 120, PatternIndices(160, 120, 256, 3));
        cases.push_back({"full table, cleared", {160, 120, Spread(256), {f}}});
        f.clearWhenFull = false;
        cases.push_back({"full table, deferred clear", {160, 120, Spread(256), {f}}});
        // One column off the screen takes the row-by-row decoder instead of the whole-frame one.
        cases.push_back({"full table, deferred clear, clipped", {159, 120, Spread(256), {f}}});
        f.clearWhenFull = true;
        cases.push_back({"full table, cleared, clipped", {160, 119, Spread(256), {f}}});
    }
    {
        GifRecipe recipe{3, 2, kFour, {Frame(0, 0, 3, 2, {3, 2, 1, 0, 0, 0})}};
        recipe.loopOnce = recipe.comment = true;
        cases.push_back({"application and comment blocks are skipped", recipe});
    }
    {
        GifFrameSpec f = Frame(0, 0, 3, 1, {0, 1, 3});
        f.localPalette = {0x111111, 0x222222};  // index 3 lies past the table
        cases.push_back({"index past the colour table", {3, 1, {}, {f}}});
    }
    return cases;
}

TEST(GifReader, DecodesFirstFrames) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        const auto bytes = BuildGif(c.recipe);
        auto picture = ReadGif(bytes);
        ASSERT_TRUE(picture.ok()) << picture.error();
        EXPECT_EQ(picture->width(), c.recipe.width);
        EXPECT_EQ(picture->height(), c.recipe.height);
        const auto expected = ExpectedFirstFrame(c.recipe);
        EXPECT_EQ(Pixels(picture->image), expected);
        const bool anyAlpha = std::any_of(expected.begin(), expected.end(),
                                          [](std::uint32_t p) { return p >> 24 != 0xFF; });
        EXPECT_EQ(picture->image.hasAlpha(), anyAlpha);
        EXPECT_EQ(picture->animation, nullptr);
    }
}

TEST(GifReader, FrameWithoutAnyColourTableIsGrey) {
    GifRecipe recipe{4, 1, {}, {Frame(0, 0, 4, 1, {0, 1, 2, 3})}};
    auto picture = ReadGif(BuildGif(recipe));
    ASSERT_TRUE(picture.ok()) << picture.error();
    EXPECT_EQ(Pixels(picture->image),
              (std::vector<std::uint32_t>{0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}));
}

// Hand-made code streams: what the decoder keeps when the stream goes wrong.
struct CodeCase {
    const char* name;
    int minCodeSize;
    int width;
    std::vector<std::pair<int, int>> codes;
    std::vector<int> expected;  // -1: not decoded
};

TEST(GifReader, KeepsWhatWasDecodedFromBrokenCodeStreams) {
    const CodeCase cases[] = {
        {"code being defined (KwKwK)", 2, 3, {{4, 3}, {1, 3}, {6, 3}, {5, 3}}, {1, 1, 1}},
        {"code beyond the next free one",
         2,
         4,
         {{4, 3}, {1, 3}, {2, 3}, {4, 3}, {7, 3}},
         {1, 2, -1, -1}},
        {"data ends without an end code", 3, 4, {{8, 4}, {1, 4}}, {1, -1, -1, -1}},
        {"early end code", 2, 3, {{4, 3}, {1, 3}, {5, 3}, {2, 3}}, {1, -1, -1}},
        {"more codes than pixels", 2, 2, {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 3}}, {1, 2}},
        {"no leading clear code", 2, 3, {{1, 3}, {2, 3}, {3, 3}, {5, 3}}, {1, 2, 3}},
        {"minimum code size 0", 0, 2, {{4, 3}, {1, 3}, {2, 3}}, {-1, -1}},
        {"minimum code size 12", 12, 2, {{4, 3}, {1, 3}, {2, 3}}, {-1, -1}},
    };
    // Each stream once on a screen as wide as the frame and once one pixel narrower, which
    // goes through the row-by-row decoder.
    for (const CodeCase& c : cases) {
        for (int screenWidth : {c.width, c.width - 1}) {
            SCOPED_TRACE(std::string(c.name) + " on a screen " + std::to_string(screenWidth) +
                         " wide");
            GifFrameSpec f = Frame(0, 0, c.width, 1, {});
            f.minCodeSize = c.minCodeSize;
            f.lzwData = PackCodes(c.codes);
            auto picture = ReadGif(BuildGif({screenWidth, 1, kFour, {f}}));
            ASSERT_TRUE(picture.ok()) << picture.error();
            std::vector<std::uint32_t> expected;
            for (int x = 0; x < screenWidth; ++x) {
                const int i = c.expected[x];
                expected.push_back(i < 0 ? kUncovered : 0xFF000000u | kFour[i]);
            }
            EXPECT_EQ(Pixels(picture->image), expected);
            const bool undecoded =
                std::count(c.expected.begin(), c.expected.begin() + screenWidth, -1) > 0;
            EXPECT_EQ(picture->image.hasAlpha(), undecoded);
        }
    }
}

TEST(GifReader, RefusesBrokenHeaders) {
    auto header = [](int w, int h, std::uint8_t flags) {
        std::vector<std::uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
        b.insert(b.end(), {std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(h),
                           std::uint8_t(h >> 8), flags, 0, 0});
        return b;
    };
    auto withTail = [](std::vector<std::uint8_t> b, std::vector<std::uint8_t> tail) {
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    const auto good = BuildGif({3, 2, kFour, {Frame(0, 0, 3, 2, {0, 1, 2, 3, 3, 0})}});
    auto badSignature = good;
    badSignature[4] = '8';
    const std::vector<std::uint8_t> empty;
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"empty", empty},
        {"13 bytes", header(1, 1, 0)},
        {"wrong signature", badSignature},
        {"colour table does not fit", withTail(header(1, 1, 0x87), std::vector<std::uint8_t>(90))},
        {"zero width", withTail(header(0, 5, 0), {0x3B})},
        {"zero height", withTail(header(5, 0, 0), {0x3B})},
        {"screen far too large for the file", withTail(header(65535, 65535, 0), {0x3B})},
        {"no image, only the trailer", withTail(header(2, 2, 0), {0x3B})},
        {"no image, only a comment", withTail(header(2, 2, 0), {0x21, 0xFE, 1, 'x', 0, 0x3B})},
        {"image descriptor cut short", withTail(header(2, 2, 0), {0x2C, 0, 0, 0, 0, 2})},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ReadGif(bytes).ok());
    }
}

GifRecipe ThreeFrames() {
    GifRecipe recipe{4, 3, kFour, {}};
    GifFrameSpec a = Frame(0, 0, 4, 3, PatternIndices(4, 3, 4, 1));
    a.delay = 7;
    GifFrameSpec b = Frame(1, 1, 2, 2, {1, 2, 3, 0});
    b.disposal = 2;
    b.transparentIndex = 3;
    GifFrameSpec c = Frame(0, 0, 1, 1, {2});
    c.disposal = 3;
    c.localPalette = {0xABCDEF, 0x000001};
    recipe.frames = {a, b, c};
    return recipe;
}

TEST(GifReader, AnimationHoldsEveryFrame) {
    auto picture = ReadGif(BuildGif(ThreeFrames()));
    ASSERT_TRUE(picture.ok()) << picture.error();
    ASSERT_NE(picture->animation, nullptr);
    const auto& frames = picture->animation->frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].delay, 7);
    EXPECT_EQ(frames[0].delayMs(), 70);
    EXPECT_EQ(frames[1].delayMs(), 50);
    EXPECT_EQ(frames[1].disposal, 2);
    EXPECT_EQ(frames[1].transparentIndex, 3);
    EXPECT_EQ(frames[2].disposal, 3);
    EXPECT_EQ(frames[2].transparentIndex, -1);
    EXPECT_EQ(frames[2].left, 0);
    EXPECT_EQ(picture->animation->palette(frames[2])[0], 0xFFABCDEFu);
    EXPECT_EQ(Pixels(picture->image), ExpectedFirstFrame(ThreeFrames()));
}

TEST(GifReader, StillWhenOnlyOneFrameFollowsEvenWithTrailingBlocks) {
    auto bytes = BuildGif({2, 1, kFour, {Frame(0, 0, 2, 1, {1, 2})}, false, false, false});
    bytes.insert(bytes.end(), {0x21, 0xFE, 2, 'h', 'i', 0, 0x3B});
    auto picture = ReadGif(bytes);
    ASSERT_TRUE(picture.ok()) << picture.error();
    EXPECT_EQ(picture->animation, nullptr);
}

TEST(GifReader, StopsAtTheFrameLimit) {
    GifRecipe recipe{1, 1, kFour, std::vector<GifFrameSpec>(10005, Frame(0, 0, 1, 1, {1}))};
    auto picture = ReadGif(BuildGif(recipe));
    ASSERT_TRUE(picture.ok()) << picture.error();
    ASSERT_NE(picture->animation, nullptr);
    EXPECT_EQ(picture->animation->frames().size(), 10000u);
}

std::size_t FirstDescriptorEnd(const GifRecipe& recipe) {
    // Header, global table, graphic control block, descriptor, code size byte.
    std::size_t entries = 2;
    while (entries < recipe.globalPalette.size()) entries *= 2;
    return 13 + 3 * entries + 8 + 10 + 1;
}

TEST(GifReader, TruncatedFilesKeepTheirDecodedPixels) {
    const GifRecipe recipe = ThreeFrames();
    const auto bytes = BuildGif(recipe);
    const auto expected = ExpectedFirstFrame(recipe);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        auto picture = ReadGif(std::span(bytes).first(n));
        ASSERT_EQ(picture.ok(), n >= FirstDescriptorEnd(recipe));
        if (!picture) continue;
        const auto pixels = Pixels(picture->image);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            ASSERT_TRUE(pixels[i] == expected[i] || pixels[i] == kUncovered) << i;
    }
}

TEST(GifReader, SurvivesEveryBitFlip) {
    const auto bytes = BuildGif(ThreeFrames());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            auto flipped = bytes;
            flipped[i] ^= std::uint8_t(1 << bit);
            auto picture = ReadGif(flipped);
            if (!picture || !picture->animation) continue;
            auto canvas = GifCanvas::Create(picture->animation, 0x808080);
            ASSERT_TRUE(canvas.ok());
            for (std::size_t k = 0; k < 2 * picture->animation->frames().size(); ++k)
                canvas->advance();
        }
    }
}

}  // namespace
}  // namespace qc
