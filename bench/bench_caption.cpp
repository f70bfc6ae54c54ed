#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QWindow>

#include "caption/trans_label.h"
#include "picture/picture_box.h"
#include "shell/controls.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace qc {
namespace {

// Widgets need one QApplication; Google Benchmark owns main(), so it is made on first use.
QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_caption";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

class PaintCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

Bitmap LargeGradient(int width, int height) {
    Bitmap bitmap = Bitmap::Create(width, height).value();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.row(y)[x] = Rgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF);
    return bitmap;
}

// One step of a caption drag: left, then top, then the repaint of the window beneath the old
// and new boxes, the picture box and the caption, done at once rather than on the next loop.
void BM_CaptionMoveOverPicture(benchmark::State& state) {
    App();
    ProgramState program;
    MainWindow window(program);
    Controls& ui = window.controls();
    ui.pictureBox->setBoxWidth(400);
    ui.pictureBox->setBoxHeight(400);
    DecodedPicture picture;
    picture.kind = PictureKind::Bmp;
    picture.image = LargeGradient(3000, 3000);
    ui.pictureBox->assignDecoded(QByteArray(), std::move(picture));
    window.show();
    while (!window.windowHandle()->isExposed()) QApplication::processEvents();
    PaintCounter pictureRepaints;
    ui.pictureBox->installEventFilter(&pictureRepaints);

    TransLabel& caption = *ui.caption;
    caption.setGeometry(32, 216, 336, 168);
    caption.repaint();
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ & 1) ? 3 : -3;
        caption.setCaptionLeft(caption.x() + dx);
        caption.setCaptionTop(caption.y() - dx);
        caption.repaint();
    }
    // Shows that each step really repainted the picture beneath.
    state.counters["pictureRepaintsPerMove"] =
        benchmark::Counter(double(pictureRepaints.count), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CaptionMoveOverPicture)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The text changes too: a fresh layout on top of the move.
void BM_CaptionRelayout(benchmark::State& state) {
    App();
    QWidget window;
    window.resize(400, 400);
    TransLabel caption(&window);
    caption.setGeometry(32, 216, 336, 168);
    caption.setCaptionText(QString::fromUtf8("这里显示文字,可拖动"));
    QImage target(400, 400, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        caption.setCaptionText((step++ & 1) ? QString::fromUtf8("这里显示文字,可拖动")
                                            : QString::fromUtf8("这里显示文字,可拖动!"));
        QPainter painter(&target);
        caption.paintCaption(painter);
    }
}
BENCHMARK(BM_CaptionRelayout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qc

BENCHMARK_MAIN();
