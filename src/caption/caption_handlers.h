#pragma once

namespace qc {

struct Controls;

// Styling of 透明标签1.
void OnCaptionTextChanged(Controls& ui);    // 编辑框1 text changed
void OnBoldClicked(Controls& ui);           // 选择框1 clicked
void OnFontSizeSliderMoved(Controls& ui);   // 滑块条3 position changed
void OnCaptionColourChanged(Controls& ui);  // 颜色选择器1 colour changed
void OnFontButtonClicked(Controls& ui);     // 按钮2 clicked

// Caption box size editors.
void OnCaptionWidthSliderMoved(Controls& ui);   // 滑块条1 position changed
void OnCaptionHeightSliderMoved(Controls& ui);  // 滑块条2 position changed
void OnCaptionWidthEdited(Controls& ui);        // 编辑框2 text changed
void OnCaptionHeightEdited(Controls& ui);       // 编辑框3 text changed

// Caption dragging. x, y are relative to the caption (press) or to the main window's client
// area (move, release); keys: 1 Ctrl, 2 Shift, 4 Alt.
void OnCaptionPressed(Controls& ui, int x, int y, int keys);
void OnWindowMouseMoved(Controls& ui, int x, int y, int keys);
void OnWindowLeftReleased(Controls& ui, int x, int y, int keys);

}  // namespace qc
