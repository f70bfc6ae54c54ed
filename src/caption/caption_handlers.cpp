#include "caption/caption_handlers.h"

namespace qc {

void OnCaptionTextChanged(Controls&) {}
void OnBoldClicked(Controls&) {}
void OnFontSizeSliderMoved(Controls&) {}
void OnCaptionColourChanged(Controls&) {}
void OnFontButtonClicked(Controls&) {}
void OnCaptionWidthSliderMoved(Controls&) {}
void OnCaptionHeightSliderMoved(Controls&) {}
void OnCaptionWidthEdited(Controls&) {}
void OnCaptionHeightEdited(Controls&) {}
void OnCaptionPressed(Controls&, int, int, int) {}
void OnWindowMouseMoved(Controls&, int, int, int) {}
void OnWindowLeftReleased(Controls&, int, int, int) {}

}  // namespace qc
