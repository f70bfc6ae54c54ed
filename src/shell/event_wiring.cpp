#include "shell/event_wiring.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "caption/caption_handlers.h"
#include "caption/color_picker.h"
#include "caption/trans_label.h"
#include "convert/number_text.h"
#include "export/export_handlers.h"
#include "picture/drop_target.h"
#include "picture/file_drop.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/controls.h"
#include "shell/edit_box.h"
#include "shell/list_box.h"
#include "shell/main_window.h"
#include "shell/slider_bar.h"

namespace qc {

void WireEvents(Controls& ui) {
    Controls* c = &ui;
    auto on = [c](void (*handler)(Controls&)) { return [c, handler] { handler(*c); }; };

    // The main window's mouse moved and left released events come from MainWindow itself.
    QObject::connect(ui.caption, &TransLabel::leftButtonPressed, ui.caption,
                     [c](int x, int y, int keys) { OnCaptionPressed(*c, x, y, keys); });
    // Only the user selects: the program never writes the list's selection.
    QObject::connect(static_cast<ListBox*>(ui.templateList), &ListBox::itemSelectedEvent,
                     ui.templateList, on(OnTemplateSelected));
    QObject::connect(ui.zoomInButton, &QPushButton::clicked, ui.zoomInButton, on(OnZoomIn));
    QObject::connect(ui.zoomOutButton, &QPushButton::clicked, ui.zoomOutButton, on(OnZoomOut));
    QObject::connect(ui.dropTarget, &DropTarget::fileReceived, ui.dropTarget,
                     [c](const QString& text) { OnFileReceived(*c, text); });
    QObject::connect(ui.captionEdit, &CaptionEditor::textChangedEvent, ui.captionEdit,
                     on(OnCaptionTextChanged));
    QObject::connect(ui.boldCheck, &QCheckBox::clicked, ui.boldCheck, on(OnBoldClicked));
    QObject::connect(ui.fontSizeSlider, &SliderBar::positionChangedEvent, ui.fontSizeSlider,
                     on(OnFontSizeSliderMoved));
    QObject::connect(ui.colorPicker, &ColorPicker::colourChanged, ui.colorPicker,
                     on(OnCaptionColourChanged));
    QObject::connect(ui.fontButton, &QPushButton::clicked, ui.fontButton, on(OnFontButtonClicked));
    QObject::connect(ui.captionWidthSlider, &SliderBar::positionChangedEvent, ui.captionWidthSlider,
                     on(OnCaptionWidthSliderMoved));
    QObject::connect(ui.captionHeightSlider, &SliderBar::positionChangedEvent,
                     ui.captionHeightSlider, on(OnCaptionHeightSliderMoved));
    QObject::connect(ui.captionWidthEdit, &EditBox::textChangedEvent, ui.captionWidthEdit,
                     on(OnCaptionWidthEdited));
    QObject::connect(ui.captionHeightEdit, &EditBox::textChangedEvent, ui.captionHeightEdit,
                     on(OnCaptionHeightEdited));
    QObject::connect(ui.copyButton, &QPushButton::clicked, ui.copyButton, on(OnCopyClicked));
    QObject::connect(ui.saveButton, &QPushButton::clicked, ui.saveButton, on(OnSaveClicked));
}

void InitialiseWindow(Controls& ui) {
    ui.dropTarget->bind(ui.pictureBox);
    ui.captionWidthEdit->writeText(QString::fromStdString(IntegerToText(192)));
    ui.captionHeightEdit->writeText(QString::fromStdString(IntegerToText(40)));
    // The box always stretches its picture; there is no other display mode to set.
    ui.boldCheck->setChecked(true);
}

}  // namespace qc
