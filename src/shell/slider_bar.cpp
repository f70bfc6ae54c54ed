#include "shell/slider_bar.h"

#include <QSignalBlocker>
#include <algorithm>

namespace qc {

SliderBar::SliderBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
    connect(this, &QAbstractSlider::actionTriggered, this, &SliderBar::onUserAction);
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        m_position = sliderPosition();
        emit positionChangedEvent();
    });
}

void SliderBar::setPosition(int position) {
    m_position = std::clamp(position, 0, 32767);
    const QSignalBlocker blocker(this);
    setValue(std::clamp(position, minimum(), maximum()));
}

void SliderBar::onUserAction(int action) {
    if (action == QAbstractSlider::SliderNoAction) return;
    // The thumb has already moved when the action is reported; the value follows after.
    m_position = sliderPosition();
    emit positionChangedEvent();
}

}  // namespace qc
