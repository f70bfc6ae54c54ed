#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace qc::test {

// Writes GIF files for tests: a small LZW encoder and the block structure around it.

struct GifFrameSpec {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // width × height, row-major (interlacing is done here)
    std::vector<std::uint32_t> localPalette;  // 0xRRGGBB; empty for none
    bool interlaced = false;
    int disposal = 0;
    int delay = 0;
    int transparentIndex = -1;
    int minCodeSize = -1;               // -1: from the palette size, at least 2
    bool clearWhenFull = true;          // false: keep going with a full table
    std::vector<std::uint8_t> lzwData;  // when set, written instead of encoding `indices`
};

struct GifRecipe {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> globalPalette;  // 0xRRGGBB; empty for none
    std::vector<GifFrameSpec> frames;
    bool loopOnce = false;  // a NETSCAPE2.0 block asking for one pass
    bool comment = false;   // a comment block before the first frame
    bool trailer = true;
};

std::vector<std::uint8_t> EncodeLzw(std::span<const std::uint8_t> indices, int minCodeSize,
                                    bool clearWhenFull);
// Packs (code, bit width) pairs the way GIF does: least significant bit first.
std::vector<std::uint8_t> PackCodes(const std::vector<std::pair<int, int>>& codes);
std::vector<std::uint8_t> BuildGif(const GifRecipe& recipe);

// A frame of the given size whose pixels are a deterministic pseudo-random pattern below
// `colours`, with runs so the encoder finds repeats.
std::vector<std::uint8_t> PatternIndices(int width, int height, int colours, unsigned seed);

}  // namespace qc::test
