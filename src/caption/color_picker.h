#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

namespace qc {

class ColorPalettePopup;

// Shows a colour dialog starting on the initial colour; none when the user cancelled. Tests
// answer it without a modal dialog.
using ColourDialogHook =
    std::function<std::optional<std::uint32_t>(std::uint32_t initial, QWidget* parent)>;

// The QColorDialog behind "其它颜色...".
std::optional<std::uint32_t> ShowPlatformColourDialog(std::uint32_t initial, QWidget* parent);

// 颜色选择器1: a swatch button with a drop-down palette of 32 colours and "其它颜色...".
class ColorPicker : public QWidget {
    Q_OBJECT
  public:
    explicit ColorPicker(QWidget* parent = nullptr);

    // 0x00BBGGRR, red in the lowest byte.
    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colour);

    void setColourDialogHook(ColourDialogHook hook) { m_dialog = std::move(hook); }

    // Opens the palette below the picker, as a left-button release on it does.
    void openPalette();
    // The open palette, or null.
    ColorPalettePopup* palettePopup() const;

    QSize sizeHint() const override { return {48, 22}; }

  signals:
    // The user confirmed a colour, even the one already shown.
    void colourChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void entryPicked(int entry);
    void confirm(std::uint32_t colour);

    std::uint32_t m_colour = 0;
    ColourDialogHook m_dialog = ShowPlatformColourDialog;
    QPointer<ColorPalettePopup> m_popup;
};

}  // namespace qc
