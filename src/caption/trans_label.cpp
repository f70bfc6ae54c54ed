#include "caption/trans_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace qc {

TransLabel::TransLabel(QWidget* parent) : QWidget(parent) {}
void TransLabel::setCaptionText(const QString& text) { m_text = text; update(); }
void TransLabel::setFontDescription(std::optional<FontDescription> d) { m_font = std::move(d); update(); }
void TransLabel::setTextColour(std::uint32_t c) { m_colour = c; update(); }
void TransLabel::setHorizontalAlignment(int a) { m_hAlign = a; update(); }
void TransLabel::setVerticalAlignment(int a) { m_vAlign = a; update(); }
void TransLabel::setWordWrap(bool on) { m_wordWrap = on; update(); }
void TransLabel::setCaptionLeft(int left) { move(left, y()); }
void TransLabel::setCaptionTop(int top) { move(x(), top); }
void TransLabel::setCaptionWidth(int w) { resize(w, height()); }
void TransLabel::setCaptionHeight(int h) { resize(width(), h); }
void TransLabel::paintCaption(QPainter& p) const {
    p.setFont(MakeFont(m_font));
    p.setPen(QColor(m_colour & 0xFF, (m_colour >> 8) & 0xFF, (m_colour >> 16) & 0xFF));
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
}
void TransLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintCaption(p);
}
void TransLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit leftButtonPressed(int(e->position().x()), int(e->position().y()), 0);
}

}  // namespace qc
