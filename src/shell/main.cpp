#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "shell/fatal_error.h"
#include "shell/font_substitution.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace {

bool HasDisplay() {
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

// For the start-up benchmark only: end the run once the window has painted.
void QuitAfterFirstPaint(QWidget& window) {
    struct Watcher : QObject {
        using QObject::QObject;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !fired) {
                fired = true;
                QTimer::singleShot(0, qApp, &QApplication::quit);
            }
            return false;
        }
        bool fired = false;
    };
    window.installEventFilter(new Watcher(&window));
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(
            stderr,
            "quipcanvas: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
        return 1;
    }
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    qc::SubstituteFonts();

    qc::ProgramState state;
    int code = 0;
    try {
        qc::MainWindow window(state);
        QIcon icon;
        for (int size : {16, 32, 48, 128})
            icon.addFile(QStringLiteral(":/icon/quipcanvas-%1.png").arg(size), QSize(size, size));
        window.setWindowIcon(icon);
        window.centreOnScreen();
        if (std::getenv("QC_QUIT_ON_FIRST_PAINT")) QuitAfterFirstPaint(window);
        window.show();
        window.activateWindow();
        code = app.exec();
    } catch (const std::bad_alloc&) {
        qc::ShowFatalError(qc::AllocationFailureMessage(qc::LastFailedAllocationSize()));
        code = -1;
    }
    // The exit hook: release the caption font record.
    state.captionFont.name.reset();
    return code;
}
