#include "caption/color_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "caption/color_palette_popup.h"
#include "caption/palette_colours.h"

namespace qc {
namespace {

TEST(PaletteColours, HoldTheRowsInOrderWithRedInTheLowByte) {
    EXPECT_STREQ(kPaletteColours[0].name, "黑色");
    EXPECT_EQ(kPaletteColours[12].colour, 0x0000FFu);  // 红色
    EXPECT_EQ(kPaletteColours[17].colour, 0xE03058u);  // 藏蓝 88, 48, 224
    EXPECT_STREQ(kPaletteColours[31].name, "深灰");
    EXPECT_EQ(kPaletteColours[31].colour, 0x606060u);
}

TEST(PopupPosition, StaysOnTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    const QSize size(134, 124);
    struct Case {
        QRect anchor;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 100, 48, 22}, {100, 122}},  // below the bottom-left corner
        {{950, 100, 48, 22}, {866, 122}},  // shifted left
        {{100, 760, 48, 22}, {100, 676}},  // shifted up
        {{-30, 100, 48, 22}, {0, 122}},    // shifted right
    };
    for (const Case& c : cases) EXPECT_EQ(PopupPosition(c.anchor, size, screen), c.expected);
}

class ColorPickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(200, 100);
        picker->setGeometry(10, 10, 48, 22);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    ColorPalettePopup* open() {
        QTest::mouseClick(picker, Qt::LeftButton, {}, {20, 10});
        ColorPalettePopup* popup = picker->palettePopup();
        if (popup) {
            EXPECT_EQ(QApplication::activePopupWidget(), popup);
        }
        return popup;
    }
    void key(Qt::Key k) { QTest::keyClick(QApplication::activePopupWidget(), k); }

    QWidget window;
    ColorPicker* picker = new ColorPicker(&window);
    QSignalSpy changed{picker, &ColorPicker::colourChanged};
};

TEST_F(ColorPickerTest, KeysMoveTheHighlightAndEnterConfirms) {
    ASSERT_TRUE(open());
    key(Qt::Key_Right);  // from 黑色, the current colour
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(picker->colour(), kPaletteColours[8].colour);
    EXPECT_EQ(changed.count(), 1);
    QTRY_VERIFY(!picker->palettePopup());
}

TEST_F(ColorPickerTest, ConfirmingTheShownColourFiresAgain) {
    picker->setColour(kPaletteColours[5].colour);
    ASSERT_TRUE(open());
    EXPECT_EQ(picker->palettePopup()->highlighted(), 5);
    key(Qt::Key_Space);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker->colour(), kPaletteColours[5].colour);
}

TEST_F(ColorPickerTest, ClickingACellConfirmsItAndShowsItsName) {
    ColorPalettePopup* popup = open();
    ASSERT_TRUE(popup);
    const QPoint centre = popup->entryRect(12).center();
    QHelpEvent help(QEvent::ToolTip, centre, popup->mapToGlobal(centre));
    QApplication::sendEvent(popup, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("红色"));

    QTest::mouseClick(popup, Qt::LeftButton, {}, centre);
    EXPECT_EQ(picker->colour(), 0x0000FFu);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ColorPickerTest, EscAndReleaseOutsideCancel) {
    picker->setColour(0x00FF00);
    ASSERT_TRUE(open());
    key(Qt::Key_Right);
    key(Qt::Key_Escape);
    QTRY_VERIFY(!picker->palettePopup());

    ColorPalettePopup* popup = open();
    ASSERT_TRUE(popup);
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->entryRect(3).center());
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(-20, -20));
    QTRY_VERIFY(!picker->palettePopup());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(picker->colour(), 0x00FF00u);
}

TEST_F(ColorPickerTest, OtherColoursAsksTheDialogOnTheCurrentColour) {
    picker->setColour(0x0000FF);
    std::vector<std::uint32_t> openedOn;
    std::optional<std::uint32_t> answer;
    picker->setColourDialogHook([&](std::uint32_t initial, QWidget*) {
        openedOn.push_back(initial);
        return answer;
    });
    const auto pickOther = [&] {
        ColorPalettePopup* popup = open();
        ASSERT_TRUE(popup);
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->entryRect(ColorPalettePopup::kOtherEntry).center());
    };

    pickOther();  // the dialog is cancelled: the whole pick is
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(picker->colour(), 0x0000FFu);

    answer = 0x00ABCDEF;
    pickOther();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker->colour(), 0xABCDEFu);
    EXPECT_EQ(openedOn, (std::vector<std::uint32_t>{0x0000FF, 0x0000FF}));
}

}  // namespace
}  // namespace qc
