#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

// The font the font button applies to the caption as a whole.
struct CaptionFont {
    std::int32_t angle = 0;  // tenths of a degree
    std::int32_t bold = 0;
    std::int32_t italic = 0;
    std::int32_t strikeout = 0;
    std::int32_t underline = 0;
    std::int32_t size = 9;                                 // points
    std::optional<std::string> name = "\xCB\xCE\xCC\xE5";  // GBK "宋体"
};

// The state of a caption drag.
struct DragState {
    bool dragging = false;
    std::int32_t pressX = 0;
    std::int32_t pressY = 0;
};

// The two program-wide records; everything else lives in the controls.
struct ProgramState {
    CaptionFont captionFont;
    DragState dragState;
};

}  // namespace qc
