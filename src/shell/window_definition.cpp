#include "shell/window_definition.h"

namespace qc {

namespace {

using K = ControlKind;

constexpr ControlDefinition kDefinition[] = {
    {"选择框1", K::CheckBox, "分组框1", 134, 93, 48, 24, true, "粗体"},
    {"标签5", K::Label, "分组框1", 192, 18, 16, 96, false,
     "↑\r\n\r\n字\r\n体\r\n大\r\n小\r\n\r\n↓"},
    {"滑块条3", K::SliderBar, "分组框1", 209, 8, 24, 115, true, nullptr},
    {"标签1", K::Label, nullptr, 10, 403, 99, 24, false, "图片宽度："},
    {"标签4", K::Label, nullptr, 10, 427, 100, 24, false, "图片高度："},
    {"按钮4", K::Button, nullptr, 122, 408, 127, 40, true, "放大+"},
    {"按钮5", K::Button, nullptr, 256, 408, 127, 40, true, "缩小-"},
    {"透明标签1", K::TransLabel, nullptr, 32, 216, 336, 168, false, "这里显示文字,可拖动"},
    {"编辑框3", K::EditBox, nullptr, 457, 362, 32, 32, true, "40"},
    {"编辑框2", K::EditBox, nullptr, 457, 324, 32, 32, true, "192"},
    {"按钮3", K::Button, nullptr, 515, 396, 106, 43, true, "保存到桌面"},
    {"滑块条2", K::SliderBar, nullptr, 482, 362, 143, 24, true, nullptr},
    {"滑块条1", K::SliderBar, nullptr, 482, 328, 143, 24, true, nullptr},
    {"颜色选择器1", K::ColorPicker, nullptr, 476, 92, 47, 28, true, nullptr},
    {"拖放对象1", K::DropTarget, nullptr, 73, 470, 24, 24, false, nullptr},
    {"标签3", K::Label, nullptr, 408, 361, 48, 32, false, "文字高度"},
    {"标签2", K::Label, nullptr, 408, 324, 48, 32, false, "文字宽度"},
    {"按钮2", K::Button, nullptr, 407, 92, 65, 29, true, "字体修改"},
    {"通用对话框1", K::CommonDlg, nullptr, 16, 469, 24, 24, false, nullptr},
    {"编辑框1", K::EditBox, nullptr, 406, 21, 170, 67, true, "这里修改文字,可拖动"},
    {"列表框1", K::ListBox, nullptr, 404, 144, 220, 168, true, nullptr},
    {"按钮1", K::Button, nullptr, 404, 396, 106, 43, true, "复制图片"},
    {"图片框1", K::PicBox, nullptr, 5, 16, 379, 384, false, nullptr},
    {"分组框1", K::GroupBox, nullptr, 394, 3, 241, 125, false, "修改文字在此"},
    {"分组框2", K::GroupBox, nullptr, 395, 128, 240, 319, false, "属性修改"},
    {"分组框3", K::GroupBox, nullptr, 0, 3, 392, 400, false,
     "可直接拖入照片到此处，可缩放；文字显示需在图片范围内。"},
};

}  // namespace

std::span<const ControlDefinition> WindowDefinition() {
    return kDefinition;
}

}  // namespace qc
