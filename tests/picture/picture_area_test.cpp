#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "test_app.h"

namespace qc {
namespace {

class PictureArea : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApp();
        window = std::make_unique<MainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    Controls& ui() { return window->controls(); }
    void select(int row) {
        QListWidget* list = ui().templateList;
        list->scrollToItem(list->item(row));
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString readouts() { return ui().widthReadout->text() + "|" + ui().heightReadout->text(); }

    ProgramState state;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PictureArea, SelectingARowSizesTheBoxAndTheReadoutsFollow) {
    struct Row {
        int index, width, height;
    };
    for (const Row r : {Row{11, 347, 231}, Row{15, 265, 265}, Row{16, 265, 265}, Row{25, 171, 163},
                        Row{26, 258, 253}, Row{27, 400, 400}}) {
        SCOPED_TRACE(r.index);
        select(r.index);
        EXPECT_EQ(ui().pictureBox->geometry(), QRect(5, 16, r.width, r.height));
        EXPECT_TRUE(ui().pictureBox->hasPicture());
        EXPECT_EQ(readouts(),
                  QStringLiteral("图片宽度：%1|图片高度：%2").arg(r.width).arg(r.height));
    }
}

TEST_F(PictureArea, SelectionRestoresButtonCaptionsAndReselectingRunsAgain) {
    select(11);
    ui().copyButton->setText(QStringLiteral("复制成功!!"));
    ui().saveButton->setText(QStringLiteral("保存成功!!"));
    OnZoomIn(ui());
    EXPECT_EQ(ui().copyButton->text(), QStringLiteral("复制成功!!"));  // zoom keeps them
    select(11);                                                        // the row already selected
    EXPECT_EQ(ui().pictureBox->size(), QSize(347, 231));
    EXPECT_EQ(ui().copyButton->text(), QStringLiteral("复制图片"));
    EXPECT_EQ(ui().saveButton->text(), QStringLiteral("保存到桌面"));
}

TEST_F(PictureArea, ZoomResetsThePlaceAndStepsHeightThenWidth) {
    ui().pictureBox->setBoxLeft(40);
    QTest::mouseClick(ui().zoomInButton, Qt::LeftButton);
    EXPECT_EQ(ui().pictureBox->geometry(), QRect(5, 16, 416, 422));
    EXPECT_EQ(readouts(), QStringLiteral("图片宽度：416|图片高度：422"));
    QTest::mouseClick(ui().zoomOutButton, Qt::LeftButton);
    EXPECT_EQ(ui().pictureBox->size(), QSize(374, 379));
}

TEST_F(PictureArea, BoxGeometryWritesAreClamped) {
    PictureBox* box = ui().pictureBox;
    box->setBoxWidth(40000);
    box->setBoxHeight(-3);
    box->setBoxLeft(-40000);
    box->setBoxTop(40000);
    EXPECT_EQ(box->geometry(), QRect(-32627, 32627, 32627, 0));
}

TEST_F(PictureArea, StretchedPictureFillsTheBoxAndGreyTemplatesStayGrey) {
    select(6);  // a greyscale template
    const QImage shot = ui().pictureBox->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(160, 131));
    int coloured = 0;
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7) {
            const QRgb p = shot.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++coloured;
        }
    EXPECT_EQ(coloured, 0);
}

TEST_F(PictureArea, RepeatedZoomsScaleFromTheOriginal) {
    select(27);
    for (int i = 0; i < 6; ++i) OnZoomOut(ui());
    for (int i = 0; i < 6; ++i) OnZoomIn(ui());
    const QImage afterZooms = ui().pictureBox->grab().toImage();
    const QSize size = ui().pictureBox->size();
    select(27);
    ui().pictureBox->setBoxWidth(size.width());
    ui().pictureBox->setBoxHeight(size.height());
    EXPECT_EQ(ui().pictureBox->grab().toImage(), afterZooms);
}

}  // namespace
}  // namespace qc
