#include "picture/picture_handlers.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>

#include "convert/number_text.h"
#include "picture/picture_box.h"
#include "picture/template_catalog.h"
#include "picture/zoom_rule.h"
#include "shell/controls.h"

namespace qc {

void RefreshSizeReadouts(Controls& ui) {
    const std::string width = IntegerToText(ui.pictureBox->width());
    const std::string height = IntegerToText(ui.pictureBox->height());
    ui.widthReadout->setText(QStringLiteral("图片宽度：") + QString::fromStdString(width));
    ui.heightReadout->setText(QStringLiteral("图片高度：") + QString::fromStdString(height));
}

void OnTemplateSelected(Controls& ui) {
    const int index = ui.templateList->currentRow();
    const auto catalog = TemplateCatalog();
    if (index >= 0 && std::size_t(index) < catalog.size()) {
        const TemplateEntry& entry = catalog[std::size_t(index)];
        QFile file(QString::fromUtf8(entry.resource));
        ui.pictureBox->assignPicture(file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                    : QByteArray());
        ui.pictureBox->setBoxWidth(entry.boxWidth);
        ui.pictureBox->setBoxHeight(entry.boxHeight);
        RefreshSizeReadouts(ui);
    }
    // Whatever was selected, the copy and save buttons lose their success texts.
    ui.copyButton->setText(QStringLiteral("复制图片"));
    ui.saveButton->setText(QStringLiteral("保存到桌面"));
    ui.copyButton->setToolTip(QString());
    ui.saveButton->setToolTip(QString());
}

static void Zoom(Controls& ui, ZoomDirection direction) {
    PictureBox* box = ui.pictureBox;
    box->setBoxLeft(5);
    box->setBoxTop(16);
    box->setBoxHeight(ZoomedExtent(box->height(), direction));
    box->setBoxWidth(ZoomedExtent(box->width(), direction));
    RefreshSizeReadouts(ui);
}

void OnZoomIn(Controls& ui) {
    Zoom(ui, ZoomDirection::In);
}
void OnZoomOut(Controls& ui) {
    Zoom(ui, ZoomDirection::Out);
}

}  // namespace qc
