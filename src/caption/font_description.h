#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QFont;

namespace qc {

struct CaptionFont;

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

// The face name field holds 31 bytes before its terminator.
inline constexpr std::size_t kFaceNameMaxBytes = 31;

// GBK "宋体", the face the font button falls back to.
inline constexpr std::string_view kSongTiFace = "\xCB\xCE\xCC\xE5";

// The screen's vertical dots per inch, as fonts are sized by.
int ScreenDotsPerInch();

// −round(points × DPI / 72), halves away from zero; saturates at the 32-bit range.
std::int32_t PointsToHeight(double points, int dotsPerInch);

// round(|height| × 72 / DPI), the point size a height stands for.
std::int32_t HeightToPoints(std::int32_t height, int dotsPerInch);

// The GBK text cut to at most maxBytes without splitting a double-byte character, and at its
// first zero byte.
std::string CutGbk(std::string_view gbk, std::size_t maxBytes);

// The font a control draws with; none, or a description that cannot be made, gives the default
// GUI font. The escapement is not part of a QFont: painters rotate by it.
QFont MakeFont(const std::optional<FontDescription>& description);

// The description of a font as the font chooser hands it back.
FontDescription DescriptionOfFont(const QFont& font, int dotsPerInch);

// The description of the default GUI font, used when one field changes on a label without one.
FontDescription DefaultGuiFontDescription(int dotsPerInch);

// The whole font that the font button applies.
FontDescription DescriptionFromCaptionFont(const CaptionFont& font, int dotsPerInch);

// One field changed on the current description (the default GUI font's when none).
FontDescription WithBold(const std::optional<FontDescription>& current, int bold);
FontDescription WithSize(const std::optional<FontDescription>& current, int points,
                         int dotsPerInch);

}  // namespace qc
