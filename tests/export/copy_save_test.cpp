#include <gtest/gtest.h>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdlib>

#include "convert/date_time_text.h"
#include "convert/gbk.h"
#include "export/desktop_save.h"
#include "export/export_handlers.h"
#include "export/snapshot.h"
#include "export/test_window.h"
#include "picture/formats/picture_decoder.h"

namespace qc {
namespace {

using test::TestWindow;

TEST(Copy, ClipboardHoldsTheSnapshotPixelsInsteadOfWhatItHeld) {
    TestWindow w;
    w.selectTemplate(27);
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));

    OnCopyClicked(w.ui());

    EXPECT_EQ(w.ui().copyButton->text(), QStringLiteral("复制成功!!"));
    EXPECT_TRUE(w.ui().copyButton->toolTip().isEmpty());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    auto expected = RenderForMeasuring(SnapshotWindow(w.box()));
    ASSERT_TRUE(expected);
    ASSERT_EQ(copied.size(), QSize(400, 400));
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_EQ(copied.pixel(x, y) & 0xFFFFFF, expected->row(y)[x] & 0xFFFFFF)
                << x << "," << y;
}

TEST(Copy, BoxWithoutAreaFailsSayingWhyAndKeepsTheClipboard) {
    TestWindow w;
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    w.box()->setBoxHeight(0);

    OnCopyClicked(w.ui());

    EXPECT_EQ(w.ui().copyButton->text(), QStringLiteral("复制失败!!"));
    EXPECT_FALSE(w.ui().copyButton->toolTip().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

// Each save test gets its own home folder, which stands in for the desktop.
class Save : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + "/config").toUtf8());
    }
    QStringList savedFiles() const {
        return QDir(m_home.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QTemporaryDir m_home;
    TestWindow w;
};

TEST_F(Save, WritesARealJpegOfTheSnapshotNamedByTheTime) {
    w.selectTemplate(27);
    const std::string before = Utf8FromGbk(DateTimeToText(CurrentDateTime()));
    OnSaveClicked(w.ui());
    const std::string after = Utf8FromGbk(DateTimeToText(CurrentDateTime()));

    EXPECT_EQ(w.ui().saveButton->text(), QStringLiteral("保存成功!!"));
    const QStringList files = savedFiles();
    ASSERT_EQ(files.size(), 1);
    const QString name = files.front();
    EXPECT_TRUE(name == QString::fromStdString(before + ".jpg") ||
                name == QString::fromStdString(after + ".jpg"))
        << name.toStdString();

    QFile file(m_home.path() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    auto saved = DecodePicture(test::Bytes(bytes));
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_EQ(saved->kind, PictureKind::Jpeg);
    auto shown = CaptureBoxPixels(w.box());
    ASSERT_TRUE(shown);
    ASSERT_EQ(saved->width(), 400);
    ASSERT_EQ(saved->height(), 400);
    // Within what quality-95 JPEG loses: small on average, no pixel far off.
    long long total = 0;
    int worst = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const std::uint32_t a = saved->image.row(y)[x], b = shown->row(y)[x];
            for (int shift = 0; shift < 24; shift += 8) {
                const int d = std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
                total += d;
                worst = std::max(worst, d);
            }
        }
    }
    EXPECT_LT(double(total) / (400.0 * 400 * 3), 2.0);
    EXPECT_LT(worst, 96);
}

TEST_F(Save, NeverReplacesAFileOfTheSameName) {
    w.selectTemplate(3);
    auto first = SaveBoxAs(w.box(), m_home.path().toStdString(), "2021年3月5日14时7分9秒");
    auto second = SaveBoxAs(w.box(), m_home.path().toStdString(), "2021年3月5日14时7分9秒");
    ASSERT_TRUE(first) << first.error();
    ASSERT_TRUE(second) << second.error();
    EXPECT_EQ(savedFiles(), QStringList({QStringLiteral("2021年3月5日14时7分9秒 (2).jpg"),
                                         QStringLiteral("2021年3月5日14时7分9秒.jpg")}));

    // Two clicks of the button, however close together, give two files.
    OnSaveClicked(w.ui());
    OnSaveClicked(w.ui());
    EXPECT_EQ(savedFiles().size(), 4);
}

TEST_F(Save, FolderThatCannotHoldFilesFailsLeavingNothingBehind) {
    // A desktop that is a regular file: nothing can be created in it, even by root.
    const QString blocker = m_home.path() + "/desk";
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("HOME", blocker.toUtf8());

    OnSaveClicked(w.ui());

    EXPECT_EQ(w.ui().saveButton->text(), QStringLiteral("保存失败!!"));
    EXPECT_FALSE(w.ui().saveButton->toolTip().isEmpty());
    EXPECT_EQ(savedFiles(), QStringList({QStringLiteral("desk")}));
}

TEST_F(Save, BoxWithoutAreaFailsWithoutWritingAFile) {
    w.box()->setBoxWidth(0);
    OnSaveClicked(w.ui());
    EXPECT_EQ(w.ui().saveButton->text(), QStringLiteral("保存失败!!"));
    EXPECT_TRUE(savedFiles().isEmpty());
}

}  // namespace
}  // namespace qc
