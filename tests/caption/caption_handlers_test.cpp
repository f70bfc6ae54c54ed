#include "caption/caption_handlers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "caption/color_picker.h"
#include "caption/font_chooser.h"
#include "caption/trans_label.h"
#include "export/snapshot.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/edit_box.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/slider_bar.h"

namespace qc {
namespace {

class CaptionHandlers : public ::testing::Test {
  protected:
    ProgramState state;
    MainWindow window{state};
    Controls& ui = window.controls();
    TransLabel& caption = *ui.caption;
};

TEST_F(CaptionHandlers, CaptionFollowsTheEditorInUnicode) {
    const QString text = QString::fromUtf8("第一行 & 😀\n第二行");
    ui.captionEdit->writeText(text);
    EXPECT_EQ(caption.captionText(), text);
    ui.captionEdit->writeText(QString());
    EXPECT_EQ(caption.captionText(), QString());
}

TEST_F(CaptionHandlers, BoldCheckChangesOnlyTheWeight) {
    const FontDescription before = *caption.fontDescription();
    ASSERT_TRUE(ui.boldCheck->isChecked());
    ui.boldCheck->click();
    FontDescription expected = before;
    expected.weight = 0;
    EXPECT_EQ(caption.fontDescription(), expected);
    ui.boldCheck->click();
    expected.weight = 700;
    EXPECT_EQ(caption.fontDescription(), expected);
}

TEST_F(CaptionHandlers, SizeSliderSetsHundredMinusItsPosition) {
    const FontDescription before = *caption.fontDescription();
    for (const int position : {5, 100, 40}) {
        ui.fontSizeSlider->setPosition(position);
        OnFontSizeSliderMoved(ui);
        FontDescription expected = before;
        expected.height = PointsToHeight(100 - position, ScreenDotsPerInch());
        EXPECT_EQ(caption.fontDescription(), expected) << position;
    }
}

TEST_F(CaptionHandlers, PickedColourBecomesTheTextColour) {
    ui.colorPicker->setColour(0x3080FF);
    emit ui.colorPicker->colourChanged();
    EXPECT_EQ(caption.textColour(), 0x3080FFu);
}

TEST_F(CaptionHandlers, FontButtonAppliesTheChooserResultsAsAWholeFont) {
    FontPick pick;
    pick.description.faceName = "DejaVu Serif";
    pick.description.height = PointsToHeight(12, ScreenDotsPerInch());
    pick.description.weight = 700;
    pick.description.underline = 1;
    pick.description.strikeout = 1;
    pick.colour = 0xFF;  // the chooser's colour never reaches the caption
    ui.fontChooser->setDialogHook([&](const FontPick&, QWidget*) { return pick; });
    state.captionFont.angle = 0;

    ui.fontButton->click();
    const CaptionFont& f = state.captionFont;
    EXPECT_EQ(f.size, 12);
    EXPECT_EQ(f.bold, 1);
    EXPECT_EQ(f.underline, 1);
    EXPECT_EQ(f.strikeout, 1);
    EXPECT_EQ(f.italic, 0);
    EXPECT_EQ(f.name, std::optional<std::string>("DejaVu Serif"));
    EXPECT_EQ(caption.fontDescription(), DescriptionFromCaptionFont(f, ScreenDotsPerInch()));
    EXPECT_EQ(caption.textColour(), 0u);
}

TEST_F(CaptionHandlers, FirstCancelResetsToSongTiAtDefaultHeight) {
    ui.fontChooser->setDialogHook([](const FontPick&, QWidget*) { return std::nullopt; });
    state.captionFont.angle = 900;  // untouched by the button
    ui.fontButton->click();

    EXPECT_EQ(state.captionFont.name, std::nullopt);
    EXPECT_EQ(state.captionFont.size, 0);
    EXPECT_EQ(state.captionFont.angle, 900);
    const FontDescription& d = *caption.fontDescription();
    EXPECT_EQ(d.faceName, kSongTiFace);
    EXPECT_EQ(d.height, 0);
    EXPECT_EQ(d.weight, 0);
    EXPECT_EQ(d.escapement, 900);
    EXPECT_TRUE(ui.boldCheck->isChecked());
}

TEST_F(CaptionHandlers, MovingASizeSliderResizesTheCaptionAndWritesTheNumber) {
    ui.captionWidthSlider->setPosition(250);
    OnCaptionWidthSliderMoved(ui);
    EXPECT_EQ(caption.width(), 250);
    EXPECT_EQ(ui.captionWidthEdit->text(), "250");
    EXPECT_EQ(ui.captionWidthSlider->position(), 250);

    ui.captionHeightSlider->setPosition(1);
    OnCaptionHeightSliderMoved(ui);
    EXPECT_EQ(caption.size(), QSize(250, 1));
    EXPECT_EQ(ui.captionHeightEdit->text(), "1");
}

struct Typed {
    const char* text;
    int position;  // stored
    int thumb;
};

void PrintTo(const Typed& t, std::ostream* out) {
    *out << '"' << t.text << '"';
}

class CaptionSizeTyping : public CaptionHandlers, public ::testing::WithParamInterface<Typed> {};

TEST_P(CaptionSizeTyping, MovesOnlyTheThumb) {
    const Typed t = GetParam();
    const QSize before = caption.size();
    for (auto [edit, slider] : {std::pair{ui.captionWidthEdit, ui.captionWidthSlider},
                                std::pair{ui.captionHeightEdit, ui.captionHeightSlider}}) {
        edit->writeText(QString::fromUtf8(t.text));
        EXPECT_EQ(slider->position(), t.position) << t.text;
        EXPECT_EQ(slider->value(), t.thumb) << t.text;
        EXPECT_EQ(edit->text(), QString::fromUtf8(t.text));
    }
    EXPECT_EQ(caption.size(), before);
}

INSTANTIATE_TEST_SUITE_P(Texts, CaptionSizeTyping,
                         ::testing::Values(Typed{"1000", 1000, 500}, Typed{"12.9", 12, 12},
                                           Typed{"4294967496", 200, 200}, Typed{"-5", 0, 1},
                                           Typed{"abc", 0, 1}, Typed{"", 0, 1},
                                           Typed{"99999", 32767, 500}));

TEST_F(CaptionHandlers, DragFollowsThePointerFromThePressOffset) {
    caption.setGeometry(32, 216, 336, 168);
    OnCaptionPressed(ui, 10, 8, 2);
    EXPECT_TRUE(state.dragState.dragging);
    EXPECT_EQ(QWidget::mouseGrabber(), &window);

    // One fast jump, then beyond the window's top-left corner, then far beyond the clamp.
    const struct {
        int x, y;
        QPoint expected;
    } moves[] = {{400, 30, {390, 22}}, {-100, -50, {-110, -58}}, {50000, 9, {32627, 1}}};
    for (const auto& m : moves) {
        OnWindowMouseMoved(ui, m.x, m.y, 0);
        EXPECT_EQ(caption.pos(), m.expected);
    }
    EXPECT_EQ(caption.size(), QSize(336, 168));

    OnWindowLeftReleased(ui, -300, -300, 0);
    EXPECT_FALSE(state.dragState.dragging);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    OnWindowMouseMoved(ui, 5, 5, 0);
    EXPECT_EQ(caption.pos(), QPoint(32627, 1));
}

// Pointer messages as the window system delivers them to the main window, so Qt's own routing
// (the child under the pointer, the mouse grab, double-click detection) decides who gets them.
class WindowPointer {
  public:
    explicit WindowPointer(QWidget* window) : m_window(window) {}
    void press(QPoint at) { send(at, Qt::LeftButton, QEvent::MouseButtonPress); }
    void move(QPoint at) { send(at, m_buttons, QEvent::MouseMove); }
    void release(QPoint at) { send(at, Qt::NoButton, QEvent::MouseButtonRelease); }

  private:
    void send(QPoint at, Qt::MouseButtons buttons, QEvent::Type type) {
        m_buttons = buttons;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QWindow* handle = m_window->windowHandle();
        qt_handleMouseEvent(handle, at, handle->mapToGlobal(at), buttons, button, type, {},
                            ++QTest::lastMouseTimestamp);
        QApplication::processEvents();
    }
    QWidget* m_window;
    Qt::MouseButtons m_buttons;
};

class CaptionDragOnScreen : public CaptionHandlers {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::lastMouseTimestamp += 10000;  // no double-click with an earlier test's clicks
    }
    QPoint onCaption(QPoint at) const { return caption.mapTo(&window, at); }
    WindowPointer pointer{&window};
};

TEST_F(CaptionDragOnScreen, FollowsThePointerAnywhereAndEndsOnAReleaseOutside) {
    const QPoint start = caption.pos();
    pointer.press(onCaption({12, 6}));
    ASSERT_TRUE(state.dragState.dragging);
    EXPECT_EQ(state.dragState.pressX, 12);
    EXPECT_EQ(state.dragState.pressY, 6);

    // A fast jump over other controls, then beyond the window's top-left corner.
    pointer.move(start + QPoint(212, 6 - 150));
    EXPECT_EQ(caption.pos(), start + QPoint(200, -150));
    pointer.move({-30, -20});
    EXPECT_EQ(caption.pos(), QPoint(-42, -26));

    // The pointer reaches the release point first, so the caption goes there before it drops.
    const QPoint outside(-40, window.height() + 60);
    pointer.release(outside);
    EXPECT_FALSE(state.dragState.dragging);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(caption.pos(), outside - QPoint(12, 6));
    pointer.move({100, 100});
    EXPECT_EQ(caption.pos(), outside - QPoint(12, 6));
}

TEST_F(CaptionDragOnScreen, TheSecondPressOfADoubleClickDoesNotPickTheCaptionUp) {
    const QPoint start = caption.pos();
    const QPoint at = onCaption({20, 20});
    pointer.press(at);
    pointer.release(at);
    pointer.press(at);  // within the double-click time: arrives as a double-click
    EXPECT_FALSE(state.dragState.dragging);
    pointer.move(at + QPoint(50, 40));
    EXPECT_EQ(caption.pos(), start);
    pointer.release(at + QPoint(50, 40));
}

TEST_F(CaptionDragOnScreen, PictureAreaShowsThePictureExceptWhereGlyphsAreDrawn) {
    ui.templateList->setCurrentRow(26);
    OnTemplateSelected(ui);
    ASSERT_TRUE(ui.pictureBox->hasPicture());
    const QPoint boxAt = ui.pictureBox->mapTo(&window, QPoint(0, 0));
    caption.setGeometry(QRect(boxAt + QPoint(20, 120), QSize(300, 150)));
    const QRect captionInBox(QPoint(20, 120), QSize(300, 150));

    ui.captionEdit->writeText(QString());
    const Result<Bitmap> bare = CaptureBoxPixels(ui.pictureBox);
    ui.captionEdit->writeText(QString::fromUtf8("熊猫头 WAVE"));
    ui.colorPicker->setColour(0x0000FF);
    emit ui.colorPicker->colourChanged();
    const Result<Bitmap> captioned = CaptureBoxPixels(ui.pictureBox);
    ASSERT_TRUE(bare.ok() && captioned.ok());

    int changed = 0;
    int red = 0;
    for (int y = 0; y < bare->height(); ++y) {
        for (int x = 0; x < bare->width(); ++x) {
            const QColor under = QColor::fromRgb(bare->row(y)[x]);
            const QColor seen = QColor::fromRgb(captioned->row(y)[x]);
            if (under == seen) continue;
            ++changed;
            ASSERT_TRUE(captionInBox.contains(x, y)) << x << "," << y;
            if (seen == QColor(255, 0, 0)) ++red;
            // Glyph edges blend red over the picture (gamma-corrected, so only the range is
            // checked); no other colour appears.
            const int channels[3][3] = {{under.red(), seen.red(), 255},
                                        {under.green(), seen.green(), 0},
                                        {under.blue(), seen.blue(), 0}};
            for (const auto& [below, shown, text] : channels) {
                ASSERT_GE(shown, std::min(below, text) - 4) << x << "," << y;
                ASSERT_LE(shown, std::max(below, text) + 4) << x << "," << y;
            }
        }
    }
    EXPECT_GT(changed, 300);
    EXPECT_GT(red, 100);
}

}  // namespace
}  // namespace qc
