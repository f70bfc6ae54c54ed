#include "caption/font_description.h"

#include <QApplication>
#include <QFont>
#include <cmath>

namespace qc {

int ScreenDotsPerInch() { return 96; }
std::int32_t PointsToHeight(double points, int dpi) {
    return -std::int32_t(std::lround(points * dpi / 72.0));
}
QFont MakeFont(const std::optional<FontDescription>& d) {
    QFont f = QApplication::font();
    if (!d) return f;
    if (!d->faceName.empty()) f.setFamily(QString::fromStdString(d->faceName));
    if (d->height != 0) f.setPixelSize(std::abs(d->height));
    f.setBold(d->weight >= 700);
    return f;
}

}  // namespace qc
