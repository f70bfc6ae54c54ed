#pragma once

namespace qc {

struct Controls;

void OnCopyClicked(Controls& ui);  // 按钮1 "复制图片"
void OnSaveClicked(Controls& ui);  // 按钮3 "保存到桌面"

}  // namespace qc
