#pragma once

#include <QApplication>

#include "shell/font_substitution.h"

// One QApplication for a whole widget test program, on the offscreen platform.
inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "quipcanvas-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        qc::SubstituteFonts();
        return a;
    }();
    return *app;
}
