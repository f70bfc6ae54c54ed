#include <gtest/gtest.h>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "picture/picture_box.h"
#include "shell/edit_box.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/slider_bar.h"
#include "test_app.h"

namespace qc {
namespace {

TEST(EditBoxDelivery, ProgramWriteFiresOnceEvenWhenUnchanged) {
    TestApp();
    EditBox box;
    QSignalSpy spy(&box, &EditBox::textChangedEvent);
    QString seenDuringEvent;
    QObject::connect(&box, &EditBox::textChangedEvent, [&] { seenDuringEvent = box.text(); });
    box.writeText(QStringLiteral("192"));
    box.writeText(QStringLiteral("192"));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(seenDuringEvent, QStringLiteral("192"));  // stored before the event fires
    QTest::keyClicks(&box, QStringLiteral("7"));
    EXPECT_EQ(spy.count(), 3);
}

TEST(SliderDelivery, ProgramWritesStoreApartFromTheThumbAndFireNothing) {
    TestApp();
    SliderBar slider(Qt::Horizontal);
    slider.setRange(1, 500);
    QSignalSpy spy(&slider, &SliderBar::positionChangedEvent);
    struct Case {
        int written, stored, thumb;
    };
    for (const Case c :
         {Case{1000, 1000, 500}, Case{-5, 0, 1}, Case{40000, 32767, 500}, Case{12, 12, 12}}) {
        slider.setPosition(c.written);
        EXPECT_EQ(slider.position(), c.stored);
        EXPECT_EQ(slider.value(), c.thumb);
    }
    EXPECT_EQ(spy.count(), 0);
}

TEST(SliderDelivery, UserMovementsFireEvenAtTheEnd) {
    TestApp();
    SliderBar slider(Qt::Horizontal);
    slider.setRange(1, 500);
    slider.setPageStep(5);
    slider.setPosition(500);
    QSignalSpy spy(&slider, &SliderBar::positionChangedEvent);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(slider.position(), 499);
    QTest::keyClick(&slider, Qt::Key_End);
    QTest::keyClick(&slider, Qt::Key_End);  // already at the end: fires all the same
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(slider.position(), 500);
    QTest::keyClick(&slider, Qt::Key_PageDown);
    EXPECT_EQ(slider.position(), 495);
}

class WindowDelivery : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApp();
        window = std::make_unique<MainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ProgramState state;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowDelivery, ProgramWritesOfCheckBoxAndListFireNothing) {
    Controls& c = window->controls();
    c.copyButton->setText(QStringLiteral("复制成功!!"));
    c.templateList->setCurrentRow(3);
    c.boldCheck->setChecked(false);
    EXPECT_EQ(c.copyButton->text(), QStringLiteral("复制成功!!"));
    EXPECT_EQ(c.pictureBox->size(), QSize(379, 384));
}

TEST_F(WindowDelivery, KeyboardSelectionRunsTheTemplateHandler) {
    Controls& c = window->controls();
    c.templateList->setFocus();
    c.copyButton->setText(QStringLiteral("复制成功!!"));
    QTest::keyClick(c.templateList, Qt::Key_Down);
    EXPECT_EQ(c.copyButton->text(), QStringLiteral("复制图片"));
}

TEST_F(WindowDelivery, EscClosesFromAnyControlButShiftEscDoesNot) {
    Controls& c = window->controls();
    c.captionEdit->setFocus();
    QTest::keyClick(c.captionEdit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(c.captionEdit, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(c.captionEdit, Qt::Key_Return);
    EXPECT_TRUE(c.captionEdit->captionText().contains(QLatin1Char('\n')));
    QTest::keyClick(c.captionEdit, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace qc

namespace qc {
namespace {

TEST_F(WindowDelivery, WindowMouseEventsFireOverBareAreaAndGroupBoxesOnly) {
    struct Case {
        QPoint at;
        bool endsDrag;
    };
    // Over a read-out label nothing fires; over the window's bare strip and over a group box's
    // free area the release reaches the window and ends the drag.
    for (const Case c : {Case{{50, 415}, false}, Case{{390, 200}, true}, Case{{400, 100}, true}}) {
        state.dragState.dragging = true;
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, c.at);
        EXPECT_EQ(state.dragState.dragging, !c.endsDrag) << c.at.x() << "," << c.at.y();
    }
}

}  // namespace
}  // namespace qc
