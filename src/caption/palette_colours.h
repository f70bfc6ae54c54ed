#pragma once

#include <array>
#include <cstdint>

namespace qc {

struct PaletteColour {
    const char* name;      // UTF-8, shown as the cell's tooltip
    std::uint32_t colour;  // 0x00BBGGRR
};

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// The colour picker's palette, in the order it is shown.
inline constexpr std::array<PaletteColour, 32> kPaletteColours{{
    {"黑色", Rgb(0, 0, 0)},       {"藏青", Rgb(0, 0, 128)},     {"墨绿", Rgb(0, 128, 0)},
    {"深青", Rgb(0, 128, 128)},   {"红褐", Rgb(128, 0, 0)},     {"紫红", Rgb(128, 0, 128)},
    {"褐绿", Rgb(128, 128, 0)},   {"浅灰", Rgb(192, 192, 192)}, {"灰色", Rgb(128, 128, 128)},
    {"蓝色", Rgb(0, 0, 255)},     {"绿色", Rgb(0, 255, 0)},     {"艳青", Rgb(0, 255, 255)},
    {"红色", Rgb(255, 0, 0)},     {"品红", Rgb(255, 0, 255)},   {"黄色", Rgb(255, 255, 0)},
    {"白色", Rgb(255, 255, 255)}, {"蓝灰", Rgb(128, 128, 255)}, {"藏蓝", Rgb(88, 48, 224)},
    {"嫩绿", Rgb(128, 224, 0)},   {"青绿", Rgb(0, 224, 128)},   {"黄褐", Rgb(192, 96, 0)},
    {"粉红", Rgb(255, 168, 255)}, {"嫩黄", Rgb(216, 216, 0)},   {"银白", Rgb(236, 236, 236)},
    {"紫色", Rgb(144, 0, 255)},   {"天蓝", Rgb(0, 136, 255)},   {"灰绿", Rgb(128, 160, 128)},
    {"青蓝", Rgb(0, 96, 192)},    {"橙黄", Rgb(255, 128, 0)},   {"桃红", Rgb(255, 80, 128)},
    {"芙红", Rgb(255, 128, 192)}, {"深灰", Rgb(96, 96, 96)},
}};

}  // namespace qc
