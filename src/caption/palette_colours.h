#pragma once

#include <array>
#include <cstdint>

namespace qc {

struct PaletteColour {
    const char* name;      // UTF-8, shown as the cell's tooltip
    std::uint32_t colour;  // 0x00BBGGRR
};

// A colour as controls store it: red in the lowest byte, then green, then blue.
constexpr std::uint32_t ColourValue(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// The colour picker's palette, in the order it is shown.
inline constexpr std::array<PaletteColour, 32> kPaletteColours{{
    {"黑色", ColourValue(0, 0, 0)},       {"藏青", ColourValue(0, 0, 128)},
    {"墨绿", ColourValue(0, 128, 0)},     {"深青", ColourValue(0, 128, 128)},
    {"红褐", ColourValue(128, 0, 0)},     {"紫红", ColourValue(128, 0, 128)},
    {"褐绿", ColourValue(128, 128, 0)},   {"浅灰", ColourValue(192, 192, 192)},
    {"灰色", ColourValue(128, 128, 128)}, {"蓝色", ColourValue(0, 0, 255)},
    {"绿色", ColourValue(0, 255, 0)},     {"艳青", ColourValue(0, 255, 255)},
    {"红色", ColourValue(255, 0, 0)},     {"品红", ColourValue(255, 0, 255)},
    {"黄色", ColourValue(255, 255, 0)},   {"白色", ColourValue(255, 255, 255)},
    {"蓝灰", ColourValue(128, 128, 255)}, {"藏蓝", ColourValue(88, 48, 224)},
    {"嫩绿", ColourValue(128, 224, 0)},   {"青绿", ColourValue(0, 224, 128)},
    {"黄褐", ColourValue(192, 96, 0)},    {"粉红", ColourValue(255, 168, 255)},
    {"嫩黄", ColourValue(216, 216, 0)},   {"银白", ColourValue(236, 236, 236)},
    {"紫色", ColourValue(144, 0, 255)},   {"天蓝", ColourValue(0, 136, 255)},
    {"灰绿", ColourValue(128, 160, 128)}, {"青蓝", ColourValue(0, 96, 192)},
    {"橙黄", ColourValue(255, 128, 0)},   {"桃红", ColourValue(255, 80, 128)},
    {"芙红", ColourValue(255, 128, 192)}, {"深灰", ColourValue(96, 96, 96)},
}};

}  // namespace qc
