#pragma once

#include <QApplication>
#include <QFont>

// One QApplication for a whole widget test program, on the offscreen platform.
inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "quipcanvas-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        QFont gui(QStringLiteral("Noto Sans CJK SC"));
        gui.setPixelSize(12);
        QApplication::setFont(gui);
        return a;
    }();
    return *app;
}
