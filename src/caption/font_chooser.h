#pragma once

#include <QObject>
#include <cstdint>
#include <string>

class QWidget;

namespace qc {

// 通用对话框1 as a font chooser: keeps the results of the last confirmed choice.
class FontChooser : public QObject {
    Q_OBJECT
public:
    explicit FontChooser(QObject* parent = nullptr);

    // Shows the chooser modally; true when the user confirmed.
    bool open(QWidget* parent);

    std::uint32_t colour() const { return m_colour; }
    bool bold() const { return m_bold; }
    bool italic() const { return m_italic; }
    bool strikeout() const { return m_strikeout; }
    bool underline() const { return m_underline; }
    const std::string& fontName() const { return m_fontName; }  // GBK; empty = none
    int fontSize() const { return m_fontSize; }                 // points; 0 = not set

private:
    std::uint32_t m_colour = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_strikeout = false;
    bool m_underline = false;
    std::string m_fontName;
    int m_fontSize = 0;
};

}  // namespace qc
