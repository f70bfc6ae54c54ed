#include "caption/color_picker.h"

#include <qdrawutil.h>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "caption/color_palette_popup.h"
#include "caption/palette_colours.h"

namespace qc {
namespace {

constexpr int kArrowWidth = 12;

QColor ColourOf(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

std::optional<std::uint32_t> ShowPlatformColourDialog(std::uint32_t initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(ColourOf(initial), parent);
    if (!chosen.isValid()) return std::nullopt;
    return ColourValue(chosen.red(), chosen.green(), chosen.blue());
}

ColorPicker::ColorPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ColorPicker::setColour(std::uint32_t colour) {
    m_colour = colour;
    update();
}

void ColorPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    qDrawWinPanel(&painter, rect(), pal, true, &pal.brush(QPalette::Base));

    const QRect inner = rect().adjusted(2, 2, -2, -2);
    const QRect arrow(inner.right() - kArrowWidth + 1, inner.top(), kArrowWidth, inner.height());
    painter.fillRect(inner.adjusted(2, 2, -kArrowWidth - 2, -2), ColourOf(m_colour));

    QStyleOption option;
    option.initFrom(this);
    option.rect = arrow;
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner.adjusted(0, 0, -kArrowWidth, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColorPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        openPalette();
    }
    event->accept();
}

ColorPalettePopup* ColorPicker::palettePopup() const {
    return m_popup;
}

void ColorPicker::openPalette() {
    if (m_popup) return;
    auto* popup = new ColorPalettePopup(m_colour, this);
    m_popup = popup;
    const QRect anchor(mapToGlobal(QPoint(0, 0)), size());
    const QScreen* screen = this->screen();
    const QRect bounds = screen ? screen->availableGeometry() : anchor;
    popup->move(PopupPosition(anchor, popup->size(), bounds));
    // The pop-up deletes itself once closed; forget it as soon as the pick is over.
    connect(popup, &ColorPalettePopup::cancelled, this, [this] { m_popup.clear(); });
    connect(popup, &ColorPalettePopup::picked, this, [this](int entry) {
        m_popup.clear();
        entryPicked(entry);
    });
    popup->show();
    popup->setFocus(Qt::PopupFocusReason);
}

void ColorPicker::entryPicked(int entry) {
    if (entry >= 0 && entry < int(kPaletteColours.size())) {
        confirm(kPaletteColours[entry].colour);
        return;
    }
    if (entry != ColorPalettePopup::kOtherEntry || !m_dialog) return;
    // Cancelling the dialog cancels the whole pick.
    if (const std::optional<std::uint32_t> chosen = m_dialog(m_colour, window())) {
        confirm(*chosen & 0x00FFFFFF);
    }
}

void ColorPicker::confirm(std::uint32_t colour) {
    setColour(colour);
    emit colourChanged();
}

}  // namespace qc
