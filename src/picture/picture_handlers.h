#pragma once

class QString;

namespace qc {

struct Controls;

// 列表框1 item selected: show the chosen template at its box size.
void OnTemplateSelected(Controls& ui);
// 按钮4 / 按钮5: grow or shrink the picture box by a tenth from (5, 16).
void OnZoomIn(Controls& ui);
void OnZoomOut(Controls& ui);
// 拖放对象1 file received: one path, or several each followed by "\r\n".
void OnFileReceived(Controls& ui, const QString& droppedText);
// Rewrites 标签1 and 标签4 from the picture box's size.
void RefreshSizeReadouts(Controls& ui);

}  // namespace qc
