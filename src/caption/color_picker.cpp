#include "caption/color_picker.h"

#include <QPainter>

namespace qc {

ColorPicker::ColorPicker(QWidget* parent) : QWidget(parent) {}
void ColorPicker::setColour(std::uint32_t c) { m_colour = c; update(); }
void ColorPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect().adjusted(3, 3, -14, -3),
               QColor(m_colour & 0xFF, (m_colour >> 8) & 0xFF, (m_colour >> 16) & 0xFF));
}

}  // namespace qc
