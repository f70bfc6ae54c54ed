#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "caption/font_description.h"

class QPainter;

namespace qc {

// 透明标签1: draws only its text; the picture beneath shows through everywhere else.
class TransLabel : public QWidget {
    Q_OBJECT
public:
    explicit TransLabel(QWidget* parent = nullptr);

    QString captionText() const { return m_text; }
    void setCaptionText(const QString& text);

    const std::optional<FontDescription>& fontDescription() const { return m_font; }
    void setFontDescription(std::optional<FontDescription> description);

    // 0x00BBGGRR, red in the lowest byte.
    std::uint32_t textColour() const { return m_colour; }
    void setTextColour(std::uint32_t colour);

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
    // Left button pressed inside the box (not the second press of a double-click).
    void leftButtonPressed(int x, int y, int keys);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_text;
    std::optional<FontDescription> m_font;
    std::uint32_t m_colour = 0;
    int m_hAlign = 1;
    int m_vAlign = 1;
    bool m_wordWrap = true;
};

}  // namespace qc
