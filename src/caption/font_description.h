#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QFont;

namespace qc {

// A logical font record as controls hold it. Only height, width, the two angles, weight,
// the three flags and the face are used when a font is made from it.
struct FontDescription {
    std::int32_t height = 0;       // pixels; negative = character height; 0 = default
    std::int32_t width = 0;        // 0 = the platform's choice
    std::int32_t escapement = 0;   // tenths of a degree
    std::int32_t orientation = 0;  // tenths of a degree
    std::int32_t weight = 0;       // 700 bold; 0 default (normal)
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeout = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // GBK, at most 31 bytes

    bool operator==(const FontDescription&) const = default;
};

// The screen's vertical dots per inch, as fonts are sized by.
int ScreenDotsPerInch();

// −round(points × DPI / 72), halves away from zero.
std::int32_t PointsToHeight(double points, int dotsPerInch);

// The font a control draws with; none, or a description that cannot be made, gives the default
// GUI font.
QFont MakeFont(const std::optional<FontDescription>& description);

}  // namespace qc
