#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "caption/font_description.h"

class QWidget;

namespace qc {

// What the platform font dialog is given and hands back.
struct FontPick {
    FontDescription description;
    std::uint32_t colour = 0;  // 0x00BBGGRR
};

// Shows a font dialog on the initial pick; none when the user cancelled. Tests answer it
// without a modal dialog.
using FontDialogHook =
    std::function<std::optional<FontPick>(const FontPick& initial, QWidget* parent)>;

// The QFontDialog behind the chooser.
std::optional<FontPick> ShowPlatformFontDialog(const FontPick& initial, QWidget* parent);

// 通用对话框1 as a font chooser: keeps the results of the last confirmed choice.
class FontChooser : public QObject {
    Q_OBJECT
  public:
    explicit FontChooser(QObject* parent = nullptr);

    // Shows the chooser modally; true when the user confirmed. Opens on the last confirmed
    // choice, not on the caption's current font.
    bool open(QWidget* parent);

    void setDialogHook(FontDialogHook hook) { m_dialog = std::move(hook); }

    std::uint32_t colour() const { return m_colour; }
    bool bold() const { return m_bold; }
    bool italic() const { return m_italic; }
    bool strikeout() const { return m_strikeout; }
    bool underline() const { return m_underline; }
    const std::string& fontName() const { return m_fontName; }  // GBK; empty = none
    int fontSize() const { return m_fontSize; }                 // points; 0 = not set

    // The description the chooser opens on, built from the seven results.
    FontDescription initialDescription(int dotsPerInch) const;

  private:
    FontDialogHook m_dialog = ShowPlatformFontDialog;
    std::uint32_t m_colour = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_strikeout = false;
    bool m_underline = false;
    std::string m_fontName;
    int m_fontSize = 0;
};

}  // namespace qc
