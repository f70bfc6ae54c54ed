#include "export/export_handlers.h"

#include <QPushButton>

#include "export/bmp_snapshot.h"
#include "export/clipboard_copy.h"
#include "export/desktop_save.h"
#include "export/snapshot.h"
#include "shell/controls.h"

namespace qc {
namespace {

// The caption tells success or failure; the tooltip says why a failure happened.
template <typename T>
void Report(QPushButton* button, const Result<T>& result, const char* success,
            const char* failure) {
    button->setText(QString::fromUtf8(result ? success : failure));
    button->setToolTip(result ? QString() : QString::fromStdString(result.error()));
}

}  // namespace

void OnCopyClicked(Controls& ui) {
    auto pixels = CaptureBoxPixels(ui.pictureBox);
    const Result<QImage> copied =
        pixels ? PutSnapshotOnClipboard(EncodePictureSnapshot(*pixels)) : pixels.takeError();
    Report(ui.copyButton, copied, "复制成功!!", "复制失败!!");
}

void OnSaveClicked(Controls& ui) {
    Report(ui.saveButton, SaveBoxToDesktop(ui.pictureBox), "保存成功!!", "保存失败!!");
}

}  // namespace qc
