#include "caption/caption_handlers.h"

#include <QCheckBox>

#include "caption/color_picker.h"
#include "caption/font_chooser.h"
#include "caption/font_description.h"
#include "caption/trans_label.h"
#include "convert/gbk.h"
#include "convert/number_text.h"
#include "shell/controls.h"
#include "shell/edit_box.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/slider_bar.h"

namespace qc {
namespace {

// A double cut toward zero, keeping the low 32 bits as integer properties take them.
std::int32_t ToProperty(double value) {
    return LowBits32(TruncateToInteger(value));
}

std::int32_t TypedInteger(const EditBox& edit) {
    return ToProperty(TextToNumber(GbkFromUtf8(edit.text().toStdString())));
}

QString NumberText(std::int32_t value) {
    return QString::fromStdString(IntegerToText(value));
}

}  // namespace

void OnCaptionTextChanged(Controls& ui) {
    ui.caption->setCaptionText(ui.captionEdit->captionText());
}

void OnBoldClicked(Controls& ui) {
    const int bold = ui.boldCheck->isChecked() ? 1 : 0;
    ui.caption->setFontDescription(WithBold(ui.caption->fontDescription(), bold));
}

void OnFontSizeSliderMoved(Controls& ui) {
    const std::int32_t points = ToProperty(100.0 - ui.fontSizeSlider->position());
    ui.caption->setFontDescription(
        WithSize(ui.caption->fontDescription(), points, ScreenDotsPerInch()));
}

void OnCaptionColourChanged(Controls& ui) {
    ui.caption->setTextColour(ui.colorPicker->colour());
}

void OnFontButtonClicked(Controls& ui) {
    // Confirmed or not, the chooser's current results become the caption's whole font.
    ui.fontChooser->open(ui.window);
    CaptionFont& font = ui.state->captionFont;
    const FontChooser& chooser = *ui.fontChooser;
    font.size = chooser.fontSize();
    font.bold = chooser.bold() ? 1 : 0;
    font.italic = chooser.italic() ? 1 : 0;
    font.underline = chooser.underline() ? 1 : 0;
    font.strikeout = chooser.strikeout() ? 1 : 0;
    font.name.reset();
    if (!chooser.fontName().empty()) font.name = chooser.fontName();
    ui.caption->setFontDescription(DescriptionFromCaptionFont(font, ScreenDotsPerInch()));
}

void OnCaptionWidthSliderMoved(Controls& ui) {
    const int p = ui.captionWidthSlider->position();
    ui.caption->setCaptionWidth(p);
    ui.captionWidthEdit->writeText(NumberText(p));
}

void OnCaptionHeightSliderMoved(Controls& ui) {
    const int p = ui.captionHeightSlider->position();
    ui.caption->setCaptionHeight(p);
    ui.captionHeightEdit->writeText(NumberText(p));
}

void OnCaptionWidthEdited(Controls& ui) {
    ui.captionWidthSlider->setPosition(TypedInteger(*ui.captionWidthEdit));
}

void OnCaptionHeightEdited(Controls& ui) {
    ui.captionHeightSlider->setPosition(TypedInteger(*ui.captionHeightEdit));
}

void OnCaptionPressed(Controls& ui, int x, int y, int) {
    DragState& drag = ui.state->dragState;
    drag.pressX = x;
    drag.pressY = y;
    ui.window->grabMouse();
    drag.dragging = true;
}

void OnWindowMouseMoved(Controls& ui, int x, int y, int) {
    const DragState& drag = ui.state->dragState;
    if (!drag.dragging) return;
    // From the pointer and the press offset alone, so fast moves never make the caption drift.
    ui.caption->setCaptionLeft(ToProperty(double(x) - drag.pressX));
    ui.caption->setCaptionTop(ToProperty(double(y) - drag.pressY));
}

void OnWindowLeftReleased(Controls& ui, int, int, int) {
    ui.window->releaseMouse();
    ui.state->dragState.dragging = false;
}

}  // namespace qc
