#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <string>

#include "export/desktop_save.h"
#include "export/snapshot.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/controls.h"
#include "shell/font_substitution.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace {

// The program's window showing template 27 with its box at the given size.
struct BenchWindow {
    explicit BenchWindow(int boxSide) : window(state) {
        window.show();
        qc::Controls& ui = window.controls();
        {
            const QSignalBlocker quiet(ui.templateList);
            ui.templateList->setCurrentRow(27);
        }
        qc::OnTemplateSelected(ui);
        ui.pictureBox->setBoxWidth(boxSide);
        ui.pictureBox->setBoxHeight(boxSide);
        QCoreApplication::processEvents();
    }
    qc::ProgramState state;
    qc::MainWindow window;
};

// Goal: at most 45 ms for the whole PictureSnapshot of a box zoomed to 3000 × 3000.
void BM_SnapshotOfZoomedBox(benchmark::State& state) {
    BenchWindow w(3000);
    for (auto _ : state) {
        auto bytes = qc::SnapshotWindow(w.window.controls().pictureBox);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_SnapshotOfZoomedBox)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Goal: median under 15 ms for a 400 × 400 save: snapshot, JPEG, write, flush and rename.
void BM_SaveOf400Box(benchmark::State& state) {
    BenchWindow w(400);
    QTemporaryDir folder;
    int n = 0;
    for (auto _ : state) {
        auto path = qc::SaveBoxAs(w.window.controls().pictureBox, folder.path().toStdString(),
                                  "save " + std::to_string(++n));
        if (!path) state.SkipWithError(path.error().c_str());
    }
}
BENCHMARK(BM_SaveOf400Box)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qc::SubstituteFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
