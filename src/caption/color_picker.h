#pragma once

#include <QWidget>
#include <cstdint>

namespace qc {

// 颜色选择器1: a swatch button with a drop-down palette of 32 colours and "其它颜色...".
class ColorPicker : public QWidget {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    // 0x00BBGGRR, red in the lowest byte.
    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colour);

signals:
    // The user confirmed a colour, even the one already shown.
    void colourChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t m_colour = 0;
};

}  // namespace qc
