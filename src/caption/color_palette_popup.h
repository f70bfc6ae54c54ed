#pragma once

#include <QWidget>
#include <cstdint>

namespace qc {

// The colour picker's drop-down: 32 cells, 7 to a row, and a "其它颜色..." entry below them.
// Confirming emits picked once; Esc, a click outside or the application losing activation
// emits cancelled once.
class ColorPalettePopup : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColumns = 7;
    static constexpr int kCellSize = 18;
    static constexpr int kOtherEntry = 32;  // the entry after the 32 cells
    static constexpr int kNone = -1;

    ColorPalettePopup(std::uint32_t current, QWidget* parent);

    int highlighted() const { return m_highlighted; }
    QRect entryRect(int entry) const;
    int entryAt(const QPoint& at) const;  // kNone outside every entry

  signals:
    void picked(int entry);  // 0..31 a cell, kOtherEntry the colour dialog
    void cancelled();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void setHighlighted(int entry);
    void moveHighlight(int key);
    void confirm(int entry);
    void cancel();

    int m_current = kNone;  // the cell holding the picker's colour
    int m_highlighted = kNone;
    bool m_pressedInside = false;
    bool m_finished = false;
};

// Where the pop-up goes: below the anchor's bottom-left corner, shifted to stay on the screen.
QPoint PopupPosition(const QRect& anchor, const QSize& size, const QRect& screen);

}  // namespace qc
