#pragma once

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qc {

class CaptionEditor;
class ColorPicker;
class DropTarget;
class EditBox;
class FontChooser;
class GroupBox;
class LegendLabel;
class MainWindow;
class PictureBox;
class SliderBar;
class TransLabel;
struct ProgramState;

// The 26 controls of the main window, by role; each widget's objectName is its Chinese name.
// Handlers read and write these directly: there is no model layer between them.
struct Controls {
    MainWindow* window = nullptr;
    ProgramState* state = nullptr;

    QCheckBox* boldCheck = nullptr;            // 选择框1
    LegendLabel* fontSizeLegend = nullptr;     // 标签5
    SliderBar* fontSizeSlider = nullptr;       // 滑块条3
    QLabel* widthReadout = nullptr;            // 标签1
    QLabel* heightReadout = nullptr;           // 标签4
    QPushButton* zoomInButton = nullptr;       // 按钮4
    QPushButton* zoomOutButton = nullptr;      // 按钮5
    TransLabel* caption = nullptr;             // 透明标签1
    EditBox* captionHeightEdit = nullptr;      // 编辑框3
    EditBox* captionWidthEdit = nullptr;       // 编辑框2
    QPushButton* saveButton = nullptr;         // 按钮3
    SliderBar* captionHeightSlider = nullptr;  // 滑块条2
    SliderBar* captionWidthSlider = nullptr;   // 滑块条1
    ColorPicker* colorPicker = nullptr;        // 颜色选择器1
    DropTarget* dropTarget = nullptr;          // 拖放对象1
    QLabel* captionHeightLabel = nullptr;      // 标签3
    QLabel* captionWidthLabel = nullptr;       // 标签2
    QPushButton* fontButton = nullptr;         // 按钮2
    FontChooser* fontChooser = nullptr;        // 通用对话框1
    CaptionEditor* captionEdit = nullptr;      // 编辑框1
    QListWidget* templateList = nullptr;       // 列表框1
    QPushButton* copyButton = nullptr;         // 按钮1
    PictureBox* pictureBox = nullptr;          // 图片框1
    GroupBox* textGroup = nullptr;             // 分组框1
    GroupBox* propertyGroup = nullptr;         // 分组框2
    GroupBox* pictureGroup = nullptr;          // 分组框3
};

}  // namespace qc
