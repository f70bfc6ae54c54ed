#include "caption/font_chooser.h"

#include <QFontDialog>

namespace qc {

std::optional<FontPick> ShowPlatformFontDialog(const FontPick& initial, QWidget* parent) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, MakeFont(initial.description), parent);
    if (!ok) return std::nullopt;
    // QFontDialog offers no text colour; the caption never uses it anyway.
    return FontPick{DescriptionOfFont(chosen, ScreenDotsPerInch()), initial.colour};
}

FontChooser::FontChooser(QObject* parent) : QObject(parent) {}

FontDescription FontChooser::initialDescription(int dotsPerInch) const {
    FontDescription d;
    d.weight = m_bold ? 700 : 0;
    d.italic = m_italic ? 1 : 0;
    d.strikeout = m_strikeout ? 1 : 0;
    d.underline = m_underline ? 1 : 0;
    d.faceName = m_fontName;
    if (m_fontSize != 0) d.height = PointsToHeight(m_fontSize, dotsPerInch);
    return d;
}

bool FontChooser::open(QWidget* parent) {
    if (!m_dialog) return false;
    const int dpi = ScreenDotsPerInch();
    const std::optional<FontPick> pick =
        m_dialog(FontPick{initialDescription(dpi), m_colour}, parent);
    if (!pick) return false;
    const FontDescription& d = pick->description;
    m_colour = pick->colour & 0x00FFFFFF;
    m_bold = d.weight >= 700;
    m_italic = d.italic != 0;
    m_strikeout = d.strikeout != 0;
    m_underline = d.underline != 0;
    m_fontName = CutGbk(d.faceName, kFaceNameMaxBytes);
    m_fontSize = HeightToPoints(d.height, dpi);
    return true;
}

}  // namespace qc
