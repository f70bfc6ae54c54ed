#include "shell/control_builder.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "caption/color_picker.h"
#include "caption/font_chooser.h"
#include "caption/font_description.h"
#include "caption/trans_label.h"
#include "convert/gbk.h"
#include "picture/drop_target.h"
#include "picture/picture_box.h"
#include "picture/template_catalog.h"
#include "shell/controls.h"
#include "shell/edit_box.h"
#include "shell/group_box.h"
#include "shell/list_box.h"
#include "shell/slider_bar.h"
#include "shell/window_definition.h"

namespace qc {
namespace {

QString StartText(const ControlDefinition& d) {
    // Line breaks are written "\r\n" in the definition; Qt wants "\n".
    return QString::fromUtf8(d.text ? d.text : "")
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

FontDescription GbkFace(FontDescription d, const char* utf8Face) {
    d.faceName = GbkFromUtf8(utf8Face);
    return d;
}

QWidget* MakeLabel(const ControlDefinition& d, QWidget* parent) {
    if (QString::fromUtf8(d.name) == QStringLiteral("标签5"))
        return new LegendLabel(StartText(d), parent);
    auto* label = new QLabel(StartText(d), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QPushButton* MakeButton(const ControlDefinition& d, QWidget* parent) {
    auto* button = new QPushButton(StartText(d), parent);
    button->setAutoDefault(false);
    const QString name = QString::fromUtf8(d.name);
    if (name == QStringLiteral("按钮4") || name == QStringLiteral("按钮5")) {
        FontDescription font;
        font.height = -16;
        font.weight = 400;
        button->setFont(MakeFont(GbkFace(font, "宋体")));
    }
    return button;
}

SliderBar* MakeSlider(const ControlDefinition& d, QWidget* parent) {
    const bool vertical = QString::fromUtf8(d.name) == QStringLiteral("滑块条3");
    auto* slider = new SliderBar(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickInterval(1);
    if (vertical) {
        // Minimum at the top: the up arrow moves the thumb up and the value down.
        slider->setRange(5, 100);
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        slider->setTickPosition(QSlider::TicksRight);
        slider->setPosition(100);
    } else {
        slider->setRange(1, 500);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setPosition(1);
    }
    return slider;
}

QWidget* MakeEditBox(const ControlDefinition& d, QWidget* parent) {
    if (QString::fromUtf8(d.name) == QStringLiteral("编辑框1")) {
        auto* editor = new CaptionEditor(parent);
        const QSignalBlocker blocker(editor);
        editor->setPlainText(StartText(d));
        return editor;
    }
    auto* edit = new EditBox(parent);
    const QSignalBlocker blocker(edit);
    edit->setText(StartText(d));
    return edit;
}

QListWidget* MakeTemplateList(QWidget* parent) {
    auto* list = new ListBox(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    const int rowHeight = list->fontMetrics().height() + 5;
    for (const TemplateEntry& entry : TemplateCatalog()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(entry.itemText), list);
        item->setSizeHint(QSize(0, rowHeight));
    }
    return list;
}

GroupBox* MakeGroupBox(const ControlDefinition& d, QWidget* parent) {
    auto* group = new GroupBox(StartText(d), parent);
    if (QString::fromUtf8(d.name) == QStringLiteral("分组框3")) {
        QPalette palette = group->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        group->setPalette(palette);
    }
    return group;
}

TransLabel* MakeCaption(const ControlDefinition& d, QWidget* parent) {
    auto* caption = new TransLabel(parent);
    caption->setCaptionText(StartText(d));
    caption->setTextColour(0);
    caption->setHorizontalAlignment(1);
    caption->setWordWrap(true);
    caption->setVerticalAlignment(1);
    FontDescription font;
    font.height = -16;
    font.weight = 700;
    font.charSet = 134;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 0x22;
    caption->setFontDescription(GbkFace(font, "微软雅黑"));
    return caption;
}

QObject* MakeControl(const ControlDefinition& d, QWidget* parent) {
    switch (d.kind) {
        case ControlKind::Label:
            return MakeLabel(d, parent);
        case ControlKind::Button:
            return MakeButton(d, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(StartText(d), parent);
        case ControlKind::EditBox:
            return MakeEditBox(d, parent);
        case ControlKind::ListBox:
            return MakeTemplateList(parent);
        case ControlKind::SliderBar:
            return MakeSlider(d, parent);
        case ControlKind::PicBox:
            return new PictureBox(parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(d, parent);
        case ControlKind::TransLabel:
            return MakeCaption(d, parent);
        case ControlKind::ColorPicker:
            return new ColorPicker(parent);
        case ControlKind::CommonDlg:
            return new FontChooser(parent);
        case ControlKind::DropTarget:
            return new DropTarget(parent);
    }
    return nullptr;
}

template <typename T>
T* Find(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromUtf8(name));
}

}  // namespace

void BuildControls(QWidget* window, Controls& c) {
    const auto definition = WindowDefinition();
    QHash<QString, QWidget*> parents;
    std::vector<QWidget*> stack;
    // Parents (the group boxes) come after their members in stacking order, so build them first.
    for (int pass = 0; pass < 2; ++pass) {
        for (const ControlDefinition& d : definition) {
            const bool isGroup = d.kind == ControlKind::GroupBox;
            if ((pass == 0) != isGroup) continue;
            QWidget* parent = d.parent ? parents.value(QString::fromUtf8(d.parent)) : window;
            QObject* control = MakeControl(d, parent);
            control->setObjectName(QString::fromUtf8(d.name));
            if (auto* widget = qobject_cast<QWidget*>(control)) {
                widget->setGeometry(d.left, d.top, d.width, d.height);
                widget->setFocusPolicy(d.tabStop ? Qt::StrongFocus : Qt::NoFocus);
                if (isGroup) parents.insert(widget->objectName(), widget);
            }
        }
    }
    // The first entry lies on top: raise from the last entry to the first.
    for (auto it = definition.rbegin(); it != definition.rend(); ++it) {
        if (auto* widget = window->findChild<QWidget*>(QString::fromUtf8(it->name)))
            widget->raise();
    }

    c.boldCheck = Find<QCheckBox>(window, "选择框1");
    c.fontSizeLegend = Find<LegendLabel>(window, "标签5");
    c.fontSizeSlider = Find<SliderBar>(window, "滑块条3");
    c.widthReadout = Find<QLabel>(window, "标签1");
    c.heightReadout = Find<QLabel>(window, "标签4");
    c.zoomInButton = Find<QPushButton>(window, "按钮4");
    c.zoomOutButton = Find<QPushButton>(window, "按钮5");
    c.caption = Find<TransLabel>(window, "透明标签1");
    c.captionHeightEdit = Find<EditBox>(window, "编辑框3");
    c.captionWidthEdit = Find<EditBox>(window, "编辑框2");
    c.saveButton = Find<QPushButton>(window, "按钮3");
    c.captionHeightSlider = Find<SliderBar>(window, "滑块条2");
    c.captionWidthSlider = Find<SliderBar>(window, "滑块条1");
    c.colorPicker = Find<ColorPicker>(window, "颜色选择器1");
    c.dropTarget = window->findChild<DropTarget*>(QStringLiteral("拖放对象1"));
    c.captionHeightLabel = Find<QLabel>(window, "标签3");
    c.captionWidthLabel = Find<QLabel>(window, "标签2");
    c.fontButton = Find<QPushButton>(window, "按钮2");
    c.fontChooser = window->findChild<FontChooser*>(QStringLiteral("通用对话框1"));
    c.captionEdit = Find<CaptionEditor>(window, "编辑框1");
    c.templateList = Find<QListWidget>(window, "列表框1");
    c.copyButton = Find<QPushButton>(window, "按钮1");
    c.pictureBox = Find<PictureBox>(window, "图片框1");
    c.textGroup = Find<GroupBox>(window, "分组框1");
    c.propertyGroup = Find<GroupBox>(window, "分组框2");
    c.pictureGroup = Find<GroupBox>(window, "分组框3");
}

}  // namespace qc
