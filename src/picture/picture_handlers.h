#pragma once

namespace qc {

struct Controls;

// 列表框1 item selected: show the chosen template at its box size.
void OnTemplateSelected(Controls& ui);
// 按钮4 / 按钮5: grow or shrink the picture box by a tenth from (5, 16).
void OnZoomIn(Controls& ui);
void OnZoomOut(Controls& ui);
// Rewrites 标签1 and 标签4 from the picture box's size.
void RefreshSizeReadouts(Controls& ui);

}  // namespace qc
