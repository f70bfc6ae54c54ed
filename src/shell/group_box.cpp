#include "shell/group_box.h"

#include <QPainter>
#include <QStyle>

namespace qc {
namespace {

// The CJK faces we substitute carry tall line boxes; placing the baseline by the font size
// instead keeps the title inside the strip the layout leaves above the controls.
int TitleBaseline(const QFont& font) {
    const int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    return size - size / 12;
}

}  // namespace

GroupBox::GroupBox(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    setAutoFillBackground(true);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int baseline = TitleBaseline(font());
    const int frameTop = baseline / 2 + 1;
    const QRect frame = rect().adjusted(0, frameTop, -1, -1);
    // An etched frame: a dark line with a light one inside it.
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(frame.adjusted(1, 1, 0, 0));
    if (m_title.isEmpty()) return;
    const int textWidth = metrics.horizontalAdvance(m_title);
    p.fillRect(QRect(6, 0, textWidth + 4, baseline + 3), palette().color(QPalette::Window));
    p.setPen(Qt::black);
    p.drawText(QPoint(8, baseline), m_title);
}

LegendLabel::LegendLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
    setAutoFillBackground(true);
}

void LegendLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    const int step = font().pixelSize() > 0 ? font().pixelSize() : QFontMetrics(font()).height();
    const int baseline = TitleBaseline(font());
    const QStringList lines = m_text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) p.drawText(QPoint(0, baseline + i * step), lines[i]);
}

}  // namespace qc
