#pragma once

#include <span>

namespace qc {

enum class ControlKind {
    Label,
    Button,
    CheckBox,
    EditBox,
    ListBox,
    SliderBar,
    PicBox,
    GroupBox,
    TransLabel,
    ColorPicker,
    CommonDlg,
    DropTarget,
};

// One entry of the main window's definition. Places are client pixels of the parent.
struct ControlDefinition {
    const char* name;  // unique; becomes the widget's objectName
    ControlKind kind;
    const char* parent;  // nullptr: the main window
    int left, top, width, height;
    bool tabStop;
    const char* text;  // start text (UTF-8), nullptr when the kind has none
};

// The 26 controls in stacking order: an earlier entry lies above every later one.
std::span<const ControlDefinition> WindowDefinition();

constexpr const char* kWindowCaption = "Quipcanvas";
constexpr int kClientWidth = 636;
constexpr int kClientHeight = 450;
// The outer size the window is centred by (client area plus the frame of the platform the
// layout was made for).
constexpr int kOuterWidth = 642;
constexpr int kOuterHeight = 479;

}  // namespace qc
