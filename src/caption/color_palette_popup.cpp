#include "caption/color_palette_popup.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include "caption/palette_colours.h"

namespace qc {
namespace {

constexpr int kMargin = 4;
constexpr int kRows =
    (int(kPaletteColours.size()) + ColorPalettePopup::kColumns - 1) / ColorPalettePopup::kColumns;
constexpr int kOtherHeight = 22;
constexpr int kEntries = int(kPaletteColours.size()) + 1;

QColor ColourOf(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int CellHolding(std::uint32_t colour) {
    for (int i = 0; i < int(kPaletteColours.size()); ++i) {
        if (kPaletteColours[i].colour == (colour & 0x00FFFFFF)) return i;
    }
    return ColorPalettePopup::kNone;
}

}  // namespace

QPoint PopupPosition(const QRect& anchor, const QSize& size, const QRect& screen) {
    int x = anchor.left();
    int y = anchor.bottom() + 1;
    if (x + size.width() > screen.right() + 1) x = screen.right() + 1 - size.width();
    if (x < screen.left()) x = screen.left();
    if (y + size.height() > screen.bottom() + 1) y = screen.bottom() + 1 - size.height();
    if (y < screen.top()) y = screen.top();
    return {x, y};
}

ColorPalettePopup::ColorPalettePopup(std::uint32_t current, QWidget* parent)
    : QWidget(parent, Qt::Popup), m_current(CellHolding(current)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(2 * kMargin + kColumns * kCellSize,
                 3 * kMargin + kRows * kCellSize + kOtherHeight);
    m_highlighted = m_current;
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) cancel();
            });
}

QRect ColorPalettePopup::entryRect(int entry) const {
    if (entry == kOtherEntry) {
        return {kMargin, 2 * kMargin + kRows * kCellSize, kColumns * kCellSize, kOtherHeight};
    }
    if (entry < 0 || entry >= int(kPaletteColours.size())) return {};
    return {kMargin + (entry % kColumns) * kCellSize, kMargin + (entry / kColumns) * kCellSize,
            kCellSize, kCellSize};
}

int ColorPalettePopup::entryAt(const QPoint& at) const {
    for (int entry = 0; entry < kEntries; ++entry) {
        if (entryRect(entry).contains(at)) return entry;
    }
    return kNone;
}

bool ColorPalettePopup::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int entry = entryAt(help->pos());
        if (entry >= 0 && entry < int(kPaletteColours.size())) {
            QToolTip::showText(help->globalPos(), QString::fromUtf8(kPaletteColours[entry].name),
                               this, entryRect(entry));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void ColorPalettePopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    qDrawWinPanel(&painter, rect(), pal, false, &pal.brush(QPalette::Button));
    for (int entry = 0; entry < kEntries; ++entry) {
        const QRect r = entryRect(entry);
        if (entry == kOtherEntry) {
            painter.setPen(pal.color(QPalette::ButtonText));
            painter.drawText(r, Qt::AlignCenter, QString::fromUtf8("其它颜色..."));
        } else {
            const QRect swatch = r.adjusted(3, 3, -3, -3);
            painter.fillRect(swatch, ColourOf(kPaletteColours[entry].colour));
            painter.setPen(pal.color(QPalette::Dark));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        // The current colour is pressed in; the entry under the pointer or the keys stands out.
        if (entry == m_current) {
            qDrawShadePanel(&painter, r, pal, true, 1);
        } else if (entry == m_highlighted) {
            qDrawShadePanel(&painter, r, pal, false, 1);
        }
    }
}

void ColorPalettePopup::setHighlighted(int entry) {
    if (entry == m_highlighted) return;
    m_highlighted = entry;
    update();
}

void ColorPalettePopup::moveHighlight(int key) {
    const int last = int(kPaletteColours.size()) - 1;
    const int from = m_highlighted == kNone ? 0 : m_highlighted;
    int to = from;
    switch (key) {
        case Qt::Key_Left:
            to = (from + kEntries - 1) % kEntries;
            break;
        case Qt::Key_Right:
            to = (from + 1) % kEntries;
            break;
        case Qt::Key_Down:
            to = from == kOtherEntry ? 0 : (from + kColumns > last ? kOtherEntry : from + kColumns);
            break;
        case Qt::Key_Up:
            to = from == kOtherEntry ? (last / kColumns) * kColumns
                                     : (from < kColumns ? kOtherEntry : from - kColumns);
            break;
        default:
            break;
    }
    // The first key only shows where the highlight starts.
    setHighlighted(m_highlighted == kNone ? from : to);
}

void ColorPalettePopup::mouseMoveEvent(QMouseEvent* event) {
    setHighlighted(entryAt(event->position().toPoint()));
}

void ColorPalettePopup::mousePressEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint())) {
        cancel();
        return;
    }
    m_pressedInside = event->button() == Qt::LeftButton;
}

void ColorPalettePopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) {
        cancel();
        return;
    }
    const bool pressedHere = m_pressedInside;
    m_pressedInside = false;
    const int entry = entryAt(at);
    if (pressedHere && entry != kNone) confirm(entry);
}

void ColorPalettePopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            cancel();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (m_highlighted != kNone) confirm(m_highlighted);
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            moveHighlight(event->key());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ColorPalettePopup::hideEvent(QHideEvent* event) {
    // Qt closes a pop-up by itself on a click outside it; that is a cancel too.
    QWidget::hideEvent(event);
    if (m_finished) return;
    m_finished = true;
    emit cancelled();
}

void ColorPalettePopup::confirm(int entry) {
    if (m_finished) return;
    m_finished = true;
    close();
    emit picked(entry);
}

void ColorPalettePopup::cancel() {
    if (m_finished) return;
    m_finished = true;
    close();
    emit cancelled();
}

}  // namespace qc
