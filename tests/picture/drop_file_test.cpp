#include <gtest/gtest.h>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include "export/jpeg_writer.h"
#include "export/png_writer.h"
#include "export/test_window.h"
#include "formats/gif_builder.h"
#include "picture/file_drop.h"

namespace qc {
namespace {

using test::TestWindow;
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// An icon of PNG images; the reader picks the last one when none is 32 pixels wide.
Bytes IconOf(const std::vector<QSize>& sizes) {
    std::vector<Bytes> images;
    for (QSize s : sizes)
        images.push_back(EncodePng(ViewOf(test::Gradient(s.width(), s.height())), true).value());
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, unsigned(sizes.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        b.push_back(std::uint8_t(sizes[i].width()));
        b.push_back(std::uint8_t(sizes[i].height()));
        b.insert(b.end(), {0, 0});
        Put16(b, 1);
        Put16(b, 32);
        Put32(b, std::uint32_t(images[i].size()));
        Put32(b, offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const Bytes& image : images) b.insert(b.end(), image.begin(), image.end());
    return b;
}

Bytes AnimatedGif(int width, int height) {
    test::GifRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.globalPalette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int i = 0; i < 2; ++i) {
        test::GifFrameSpec frame;
        frame.width = width;
        frame.height = height;
        frame.indices = test::PatternIndices(width, height, 4, unsigned(i + 1));
        frame.delay = 5;
        recipe.frames.push_back(frame);
    }
    return test::BuildGif(recipe);
}

class FileDrop : public testing::Test {
  protected:
    void SetUp() override {
        w.selectTemplate(27);
        w.ui().copyButton->setText(QStringLiteral("复制成功!!"));
        w.ui().saveButton->setText(QStringLiteral("保存成功!!"));
    }
    QString write(const QString& name, const Bytes& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }
    void expectBox(int width, int height) {
        EXPECT_EQ(w.box()->size(), QSize(width, height));
        EXPECT_EQ(w.ui().widthReadout->text(), QStringLiteral("图片宽度：%1").arg(width));
        EXPECT_EQ(w.ui().heightReadout->text(), QStringLiteral("图片高度：%1").arg(height));
        // A drop never touches the position or the export buttons' captions.
        EXPECT_EQ(w.box()->pos(), QPoint(5, 16));
        EXPECT_EQ(w.ui().copyButton->text(), QStringLiteral("复制成功!!"));
        EXPECT_EQ(w.ui().saveButton->text(), QStringLiteral("保存成功!!"));
    }
    QTemporaryDir m_dir;
    TestWindow w;
};

TEST_F(FileDrop, JpegDroppedOnTheBoxIsShownAtItsOwnSize) {
    const QString path =
        write(QStringLiteral("照片 1.jpg"), EncodeJpeg(ViewOf(test::Gradient(640, 480))).value());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(10, 10), allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.box(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.box(), &drop);

    expectBox(640, 480);
    EXPECT_TRUE(w.box()->hasPicture());
    EXPECT_EQ(w.box()->decodedPicture().kind, PictureKind::Jpeg);
    EXPECT_EQ(GetPictureFileWidth(path), 640);
    EXPECT_EQ(GetPictureFileHeight(path), 480);
}

TEST_F(FileDrop, AnimatedGifPlaysAtItsScreenSize) {
    OnFileReceived(w.ui(), write(QStringLiteral("moving.gif"), AnimatedGif(30, 20)));
    expectBox(30, 20);
    QTRY_VERIFY(w.box()->isAnimating());
}

TEST_F(FileDrop, IconTakesTheSizeOfTheImageChosenFromIt) {
    OnFileReceived(w.ui(), write(QStringLiteral("app.ico"), IconOf({{16, 16}, {40, 24}})));
    expectBox(40, 24);
    EXPECT_EQ(w.box()->decodedPicture().kind, PictureKind::Icon);
}

TEST_F(FileDrop, FirstPictureAmongSeveralFilesIsTaken) {
    const QString text = write(QStringLiteral("note.txt"), {'h', 'i', '\n'});
    const QString picture =
        write(QStringLiteral("b.jpg"), EncodeJpeg(ViewOf(test::Gradient(64, 48))).value());
    OnFileReceived(w.ui(), text + "\r\n" + picture + "\r\n");
    expectBox(64, 48);
}

TEST_F(FileDrop, NoPictureAmongTheFilesLeavesTheBoxAsItWas) {
    const QByteArray before = w.box()->pictureBytes();
    const QString text = write(QStringLiteral("note.txt"), {'h', 'i', '\n'});
    const QString empty = write(QStringLiteral("empty.jpg"), {});
    const QString missing = m_dir.filePath(QStringLiteral("gone.png"));
    const QString cases[] = {text,        empty, missing, QString(), text + "\r\n" + empty + "\r\n",
                             m_dir.path()};
    for (const QString& dropped : cases) {
        OnFileReceived(w.ui(), dropped);
        expectBox(400, 400);
        EXPECT_TRUE(w.box()->hasPicture()) << dropped.toStdString();
        EXPECT_EQ(w.box()->pictureBytes(), before) << dropped.toStdString();
    }
    EXPECT_EQ(GetPictureFileWidth(text), 0);
    EXPECT_EQ(GetPictureFileHeight(missing), 0);
}

}  // namespace
}  // namespace qc
