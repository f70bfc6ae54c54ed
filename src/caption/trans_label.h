#pragma once

#include <QFont>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "caption/font_description.h"

class QPainter;
class QTextLayout;

namespace qc {

// 透明标签1: draws only its text; the picture beneath shows through everywhere else. Every
// change of text, font, colour, alignment or place repaints the window beneath the old and new
// boxes, since the label has no background of its own.
class TransLabel : public QWidget {
    Q_OBJECT
  public:
    explicit TransLabel(QWidget* parent = nullptr);
    ~TransLabel() override;

    QString captionText() const { return m_text; }
    void setCaptionText(const QString& text);

    const std::optional<FontDescription>& fontDescription() const { return m_font; }
    void setFontDescription(std::optional<FontDescription> description);

    // 0x00BBGGRR, red in the lowest byte.
    std::uint32_t textColour() const { return m_colour; }
    void setTextColour(std::uint32_t colour);

    // 0 left/top, 1 centre, 2 right/bottom; other values are clamped.
    int horizontalAlignment() const { return m_hAlign; }
    void setHorizontalAlignment(int alignment);
    int verticalAlignment() const { return m_vAlign; }
    void setVerticalAlignment(int alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // Geometry writes, clamped: left/top to −32627..32627, width/height to 0..32627.
    void setCaptionLeft(int left);
    void setCaptionTop(int top);
    void setCaptionWidth(int width);
    void setCaptionHeight(int height);

    // Draws the caption into a painter whose origin is the caption's top-left corner. The widget
    // and the export both draw through here.
    void paintCaption(QPainter& painter) const;

  signals:
    // Left button pressed inside the box (not the second press of a double-click);
    // keys: 1 Ctrl, 2 Shift, 4 Alt.
    void leftButtonPressed(int x, int y, int keys);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void changed();
    void ensureLayout() const;

    QString m_text;
    std::optional<FontDescription> m_font;
    std::uint32_t m_colour = 0;
    int m_hAlign = 1;
    int m_vAlign = 1;
    bool m_wordWrap = true;

    // Laid out once per change of text, font, width or alignment, so that a move only repaints.
    mutable bool m_layoutValid = false;
    mutable QFont m_madeFont;
    mutable std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    mutable double m_blockHeight = 0;
};

// The modifier keys of a mouse event as handlers take them: 1 Ctrl, 2 Shift, 4 Alt.
int ModifierKeys(Qt::KeyboardModifiers modifiers);

}  // namespace qc
