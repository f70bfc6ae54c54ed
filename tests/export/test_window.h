#pragma once

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTest>
#include <cstdint>
#include <span>
#include <vector>

#include "picture/formats/bitmap.h"
#include "picture/formats/decoded_picture.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/controls.h"
#include "shell/font_substitution.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace qc::test {

// One QApplication per test program, on the offscreen platform, with the program's fonts so
// that the window looks as `quipcanvas-cli render` draws it.
inline QApplication& WidgetTestApp() {
    static int argc = 1;
    static char name[] = "quipcanvas-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        SubstituteFonts();
        return a;
    }();
    return *app;
}

// The main window as the program shows it.
struct TestWindow {
    TestWindow() : window(WithApp(state)) {
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }
    Controls& ui() { return window.controls(); }
    PictureBox* box() { return window.controls().pictureBox; }

    static ProgramState& WithApp(ProgramState& s) {
        WidgetTestApp();
        return s;
    }

    // As if the user picked list row `row`.
    void selectTemplate(int row) {
        {
            const QSignalBlocker quiet(ui().templateList);
            ui().templateList->setCurrentRow(row);
        }
        OnTemplateSelected(ui());
    }

    // Shows `picture` in the box at the picture's own size.
    void showPicture(const Bitmap& picture) {
        DecodedPicture decoded;
        decoded.kind = PictureKind::Bmp;
        decoded.image = picture;
        box()->assignDecoded(QByteArray("test"), std::move(decoded));
        box()->setBoxWidth(picture.width());
        box()->setBoxHeight(picture.height());
    }

    ProgramState state;
    MainWindow window;
};

// Opaque pixels whose colour tells where they are: red from x, green from y, blue fixed.
inline Bitmap Gradient(int width, int height, std::uint32_t blue = 0x40) {
    Bitmap b = Bitmap::Create(width, height).value();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.row(y)[x] =
                Rgb(std::uint32_t(x * 255 / width), std::uint32_t(y * 255 / height), blue);
    return b;
}

inline Bitmap Solid(int width, int height, std::uint32_t argb) {
    return Bitmap::Filled(width, height, argb).value();
}

inline std::span<const std::uint8_t> Bytes(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

}  // namespace qc::test
