#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "compositions.h"
#include "contact_sheet.h"
#include "jpeg_writer.h"
#include "picture/template_catalog.h"
#include "program_icon.h"

// Draws the built-in template pictures and the program icon. Run by hand when the art changes;
// the build uses the committed files.
// Usage: template_art <templates-folder> <icon-folder> [contact-sheet.png]
namespace {

QImage drawTemplate(int index, const qc::TemplateEntry& entry) {
    QImage image(entry.pictureWidth, entry.pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = entry.pictureHeight / 200.0;
    painter.scale(scale, scale);
    art::Canvas canvas{painter, entry.pictureWidth / scale, 200.0};
    art::ComposeTemplate(index, canvas);
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but nothing here needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: template_art <templates-folder> <icon-folder> [sheet.png]\n");
        return 2;
    }
    const QDir templates(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(templates.path());
    QDir().mkpath(icons.path());

    QList<art::SheetItem> sheet;
    const auto catalog = qc::TemplateCatalog();
    for (int i = 0; i < static_cast<int>(catalog.size()); ++i) {
        const qc::TemplateEntry& entry = catalog[i];
        QImage picture = drawTemplate(i, entry);
        art::JpegCoding coding;
        coding.progressive = entry.progressive;
        coding.greyscale = entry.components == 1;
        QString error;
        const QByteArray bytes = art::EncodeJpeg(picture, coding, &error);
        const QString name = QString("%1.jpg").arg(i, 2, 10, QChar('0'));
        if (bytes.isEmpty() || !writeFile(templates.filePath(name), bytes)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(name), qPrintable(error));
            return 1;
        }
        if (coding.greyscale) picture = picture.convertToFormat(QImage::Format_Grayscale8);
        sheet.append({picture, QString("%1 %2").arg(i).arg(QString::fromUtf8(entry.itemText))});
    }

    for (int size : {16, 32, 48, 128}) {
        const QString name = QString("quipcanvas-%1.png").arg(size);
        if (!art::DrawProgramIcon(size).save(icons.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }

    if (argc > 3) {
        QImage contact = art::DrawContactSheet(sheet, 7, 250);
        QPainter p(&contact);
        const int y = contact.height() - 250;
        int x = 3 * 250 + 20;
        for (int size : {16, 32, 48, 128}) {
            p.drawImage(x + 10, y + 10, art::DrawProgramIcon(size));
            x += size + 10;
        }
        p.end();
        if (!contact.save(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "cannot write the contact sheet\n");
            return 1;
        }
    }
    return 0;
}
