#include "caption/trans_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace qc {
namespace {

const QColor kPicture(40, 160, 220);
constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

// Stands in for the picture box: one flat colour, so every other pixel is the caption's.
class FlatPicture : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kPicture); }
};

struct Scene {
    QWidget window;
    FlatPicture* picture = new FlatPicture(&window);
    TransLabel* caption = new TransLabel(&window);

    Scene() {
        window.resize(400, 300);
        picture->setGeometry(0, 0, 400, 300);
        caption->setGeometry(40, 30, 300, 200);
        caption->raise();
        FontDescription font;
        font.height = -40;
        font.weight = 700;
        font.faceName = "DejaVu Sans";
        caption->setFontDescription(font);
        caption->setTextColour(kRed);
    }

    // The bounding box of every pixel that is not the picture, in window coordinates.
    static QRect Ink(const QImage& image) {
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != kPicture) ink |= QRect(x, y, 1, 1);
            }
        }
        return ink;
    }
    QImage render() { return window.grab().toImage(); }
};

TEST(TransLabel, DrawsOnlyItsGlyphsInItsColourOverThePicture) {
    Scene scene;
    scene.caption->setCaptionText(QString::fromUtf8("Hi 你好 😀 & more words to wrap around"));
    const QImage image = scene.render();

    const QRect box = scene.caption->geometry();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (!box.contains(x, y)) {
                ASSERT_EQ(c, kPicture) << "outside the box at " << x << "," << y;
                continue;
            }
            if (c == QColor(255, 0, 0)) ++red;
        }
    }
    EXPECT_GT(red, 200);
    const QRect ink = Scene::Ink(image);
    EXPECT_TRUE(box.contains(ink)) << "clipped to the box";
    EXPECT_LT(ink.top(), box.top() + 20) << "a wrapped block starts at the top";

    scene.caption->setCaptionText(QString());
    EXPECT_TRUE(Scene::Ink(scene.render()).isNull()) << "empty text draws nothing";
}

TEST(TransLabel, GlyphPixelsMixOnlyTextColourAndPicture) {
    Scene scene;
    scene.caption->setCaptionText("WAVE");
    const QImage image = scene.render();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            // Between the picture (40,160,220) and red (255,0,0): green and blue fall together.
            const double t = (160.0 - c.green()) / 160.0;
            ASSERT_NEAR(c.red(), 40 + t * 215, 4) << x << "," << y;
            ASSERT_NEAR(c.blue(), 220 - t * 220, 4) << x << "," << y;
        }
    }
}

struct Placement {
    bool wrap;
    int hAlign;
    int vAlign;
    double expectX;  // 0 left, 0.5 centre, 1 right: where the ink sits in the box
    double expectY;
};

void PrintTo(const Placement& p, std::ostream* out) {
    *out << (p.wrap ? "wrap" : "one line") << " h" << p.hAlign << " v" << p.vAlign;
}

class TransLabelAlignment : public ::testing::TestWithParam<Placement> {};

TEST_P(TransLabelAlignment, PlacesTheTextInTheBox) {
    const Placement p = GetParam();
    Scene scene;
    scene.caption->setWordWrap(p.wrap);
    scene.caption->setHorizontalAlignment(p.hAlign);
    scene.caption->setVerticalAlignment(p.vAlign);
    scene.caption->setCaptionText("Ab");
    const QRect box = scene.caption->geometry();
    const QRect ink = Scene::Ink(scene.render());
    ASSERT_FALSE(ink.isNull());
    const double freeX = box.width() - ink.width();
    const double freeY = box.height() - ink.height();
    EXPECT_NEAR(ink.left() - box.left(), p.expectX * freeX, 12);
    EXPECT_NEAR(ink.top() - box.top(), p.expectY * freeY, 16);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TransLabelAlignment,
    ::testing::Values(Placement{true, 1, 1, 0.5, 0.0},  // wrapping ignores the vertical setting
                      Placement{true, 0, 2, 0.0, 0.0}, Placement{true, 2, 0, 1.0, 0.0},
                      Placement{false, 1, 1, 0.5, 0.5}, Placement{false, 0, 2, 0.0, 1.0},
                      Placement{false, 2, 0, 1.0, 0.0}, Placement{false, 9, -3, 1.0, 0.0}));

TEST(TransLabel, LineBreaksWrapOnlyWithWordWrapAndAmpersandIsPlain) {
    Scene scene;
    scene.caption->setCaptionText("W\r\nW");
    const QRect twoLines = Scene::Ink(scene.render());
    scene.caption->setWordWrap(false);
    const QRect oneLine = Scene::Ink(scene.render());
    EXPECT_GT(twoLines.height(), 1.6 * oneLine.height());
    EXPECT_LT(twoLines.width(), oneLine.width());

    scene.caption->setCaptionText("W");
    const int w = Scene::Ink(scene.render()).width();
    scene.caption->setCaptionText("&W");
    EXPECT_GT(Scene::Ink(scene.render()).width(), w + 10) << "'&' is drawn, not a mnemonic";
}

TEST(TransLabel, GeometryWritesAreClamped) {
    QWidget window;
    TransLabel caption(&window);
    caption.setGeometry(32, 216, 336, 168);
    caption.setCaptionLeft(-40000);
    caption.setCaptionTop(40000);
    EXPECT_EQ(caption.pos(), QPoint(-32627, 32627));
    EXPECT_EQ(caption.size(), QSize(336, 168));
    caption.setCaptionWidth(-1);
    caption.setCaptionHeight(99999);
    EXPECT_EQ(caption.size(), QSize(0, 32627));
    caption.setCaptionLeft(-5);
    EXPECT_EQ(caption.pos(), QPoint(-5, 32627));
}

TEST(TransLabel, LeftPressReportsPlaceAndKeysButDoubleClickDoesNot) {
    QWidget window;
    TransLabel caption(&window);
    caption.setGeometry(10, 10, 100, 50);
    QSignalSpy pressed(&caption, &TransLabel::leftButtonPressed);

    QTest::mousePress(&caption, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, {7, 9});
    QTest::mouseRelease(&caption, Qt::LeftButton, {}, {7, 9});
    QTest::mousePress(&caption, Qt::RightButton, Qt::ControlModifier, {3, 3});
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed[0], (QList<QVariant>{7, 9, 6}));

    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5),
                       caption.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                       Qt::ControlModifier);
    QApplication::sendEvent(&caption, &second);
    EXPECT_EQ(pressed.count(), 1);
}

TEST(TransLabel, MovingRepaintsThePictureBeneathTheOldPlace) {
    Scene scene;
    scene.caption->setCaptionText("MOVE");
    scene.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scene.window));
    const auto onScreen = [&] {
        return QGuiApplication::primaryScreen()
            ->grabWindow(scene.window.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_VERIFY(!Scene::Ink(onScreen()).isNull());
    const QRect before = Scene::Ink(onScreen());

    scene.caption->setCaptionLeft(scene.caption->x() - 30);
    scene.caption->setCaptionTop(scene.caption->y() + 40);
    QTRY_COMPARE(Scene::Ink(onScreen()), before.translated(-30, 40));
}

}  // namespace
}  // namespace qc
