#pragma once

#include <QSlider>

namespace qc {

// A track bar that keeps a stored position apart from its thumb, as the size editors rely on:
// writing stores the value clamped to 0..32767 and moves the thumb to it clamped to the range.
// positionChangedEvent fires for every movement the user makes (drag step, channel click, key,
// wheel) and once more when a dragged thumb is released, even without a change; never for
// program writes.
class SliderBar : public QSlider {
    Q_OBJECT
  public:
    explicit SliderBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    int position() const { return m_position; }
    void setPosition(int position);

  signals:
    void positionChangedEvent();

  private:
    void onUserAction(int action);

    int m_position = 0;
};

}  // namespace qc
