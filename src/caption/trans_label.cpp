#include "caption/trans_label.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "shell/control_geometry.h"

namespace qc {
namespace {

QColor ColourOf(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// "\r\n", "\n" and "\r" each start a new line; the caption editor gives "\n".
QStringList Paragraphs(const QString& text) {
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QChar('\r'), QChar('\n'));
    normal.replace(QChar::ParagraphSeparator, QChar('\n'));
    normal.replace(QChar::LineSeparator, QChar('\n'));
    return normal.split(QChar('\n'));
}

}  // namespace

int ModifierKeys(Qt::KeyboardModifiers modifiers) {
    int keys = 0;
    if (modifiers & Qt::ControlModifier) keys |= 1;
    if (modifiers & Qt::ShiftModifier) keys |= 2;
    if (modifiers & Qt::AltModifier) keys |= 4;
    return keys;
}

TransLabel::TransLabel(QWidget* parent) : QWidget(parent) {
    // No background: Qt paints the parent and the siblings beneath before the label.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    // Pointer messages over a control are not the main window's (only the drag grab routes
    // them there).
    setAttribute(Qt::WA_NoMousePropagation);
}

TransLabel::~TransLabel() = default;

void TransLabel::changed() {
    m_layoutValid = false;
    update();
}

void TransLabel::setCaptionText(const QString& text) {
    m_text = text;
    changed();
}

void TransLabel::setFontDescription(std::optional<FontDescription> description) {
    m_font = std::move(description);
    changed();
}

void TransLabel::setTextColour(std::uint32_t colour) {
    m_colour = colour;
    update();
}

void TransLabel::setHorizontalAlignment(int alignment) {
    m_hAlign = std::clamp(alignment, 0, 2);
    changed();
}

void TransLabel::setVerticalAlignment(int alignment) {
    m_vAlign = std::clamp(alignment, 0, 2);
    update();
}

void TransLabel::setWordWrap(bool on) {
    m_wordWrap = on;
    changed();
}

// Moving a non-opaque child makes Qt repaint the parent beneath both the old and the new box.
void TransLabel::setCaptionLeft(int left) {
    move(ClampPlace(left), y());
}

void TransLabel::setCaptionTop(int top) {
    move(x(), ClampPlace(top));
}

void TransLabel::setCaptionWidth(int width) {
    resize(ClampExtent(width), height());
}

void TransLabel::setCaptionHeight(int height) {
    resize(width(), ClampExtent(height));
}

void TransLabel::ensureLayout() const {
    if (m_layoutValid) return;
    m_layoutValid = true;
    m_layouts.clear();
    m_blockHeight = 0;
    m_madeFont = MakeFont(m_font);
    if (m_text.isEmpty()) return;

    QTextOption option;
    option.setWrapMode(m_wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    const double boxWidth = width();
    const QStringList paragraphs =
        m_wordWrap ? Paragraphs(m_text) : QStringList{Paragraphs(m_text).join(QChar(' '))};

    double y = 0;
    for (const QString& paragraph : paragraphs) {
        auto layout = std::make_unique<QTextLayout>(paragraph, m_madeFont);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(boxWidth);
            // Alignment is placed by hand so a line wider than the box overhangs both sides
            // when centred, as the box's clip expects.
            const double free = boxWidth - line.naturalTextWidth();
            const double x = m_hAlign == 0 ? 0 : (m_hAlign == 1 ? free / 2 : free);
            line.setPosition(QPointF(x, y));
            y += line.height();
        }
        layout->endLayout();
        m_layouts.push_back(std::move(layout));
    }
    m_blockHeight = y;
}

void TransLabel::paintCaption(QPainter& painter) const {
    if (m_text.isEmpty()) return;
    ensureLayout();
    painter.save();
    painter.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
    painter.setPen(ColourOf(m_colour));
    painter.setFont(m_madeFont);
    double top = 0;
    if (!m_wordWrap && m_vAlign != 0) {
        const double free = height() - m_blockHeight;
        top = m_vAlign == 1 ? free / 2 : free;
    }
    if (m_font && m_font->escapement != 0) painter.rotate(-m_font->escapement / 10.0);
    for (const auto& layout : m_layouts) layout->draw(&painter, QPointF(0, top));
    painter.restore();
}

bool TransLabel::event(QEvent* event) {
    // A label without a description draws in the application font.
    if (event->type() == QEvent::ApplicationFontChange) changed();
    return QWidget::event(event);
}

void TransLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCaption(painter);
}

void TransLabel::resizeEvent(QResizeEvent* event) {
    if (event->oldSize().width() != width()) m_layoutValid = false;
    QWidget::resizeEvent(event);
}

void TransLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        emit leftButtonPressed(at.x(), at.y(), ModifierKeys(event->modifiers()));
    }
    event->accept();
}

// The second press of a double-click is not a press: it must not pick the caption up again.
void TransLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace qc
