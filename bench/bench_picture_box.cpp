// The picture box's hot paths: selecting a template and painting it, rescaling on a size change
// (against QImage::scaled from a 32-bit source), and a repaint at an unchanged size.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QBuffer>
#include <QListWidget>
#include <QPainter>

#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "picture/qimage_view.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// A 24-megapixel picture as a BMP file, for a box that must scale it down.
QByteArray LargeBmp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void BM_SelectTemplateAndPaint(benchmark::State& state) {
    App();
    qc::ProgramState program;
    qc::MainWindow window(program);
    qc::Controls& ui = window.controls();
    QImage target(window.size(), QImage::Format_RGB32);
    int row = 0;
    for (auto _ : state) {
        ui.templateList->setCurrentRow(row);
        qc::OnTemplateSelected(ui);
        ui.pictureBox->render(&target);
        row = (row + 1) % 38;
    }
}
BENCHMARK(BM_SelectTemplateAndPaint)->Unit(benchmark::kMillisecond);

void BM_RescaleOnSizeChange(benchmark::State& state) {
    App();
    qc::PictureBox box;
    box.assignPicture(LargeBmp(1600, 1200));
    QImage target(800, 800, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        box.setBoxWidth(400 + (step & 1));
        box.setBoxHeight(400);
        box.render(&target);
        ++step;
    }
}
BENCHMARK(BM_RescaleOnSizeChange)->Unit(benchmark::kMillisecond);

void BM_QImageScaledReference(benchmark::State& state) {
    QImage source(1600, 1200, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    int step = 0;
    for (auto _ : state) {
        QImage scaled =
            source.scaled(400 + (step & 1), 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
        ++step;
    }
}
BENCHMARK(BM_QImageScaledReference)->Unit(benchmark::kMillisecond);

void BM_RepaintAtUnchangedSize(benchmark::State& state) {
    App();
    qc::PictureBox box;
    box.assignPicture(LargeBmp(6000, 4000));
    box.setBoxWidth(400);
    box.setBoxHeight(400);
    QImage target(400, 400, QImage::Format_RGB32);
    box.render(&target);  // fills the scaled cache
    for (auto _ : state) box.render(&target);
}
BENCHMARK(BM_RepaintAtUnchangedSize)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
