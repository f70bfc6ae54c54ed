#pragma once

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace qc {

// The layout names Windows faces; map them to the CJK faces a Linux desktop has, and give the
// controls the same default font everywhere the window is built (program, CLI, tests).
inline void SubstituteFonts() {
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("Droid Sans Fallback")};
    const QStringList serif = {QStringLiteral("Noto Serif CJK SC"),
                               QStringLiteral("AR PL UMing CN"),
                               QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), sans);
    QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), serif);
    QFont gui(QStringLiteral("Noto Sans CJK SC"));
    gui.setPixelSize(12);
    QApplication::setFont(gui);
}

}  // namespace qc
