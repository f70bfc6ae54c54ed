#include "picture/drop_target.h"

#include <QWidget>

namespace qc {

DropTarget::DropTarget(QObject* parent) : QObject(parent) {}

bool DropTarget::bind(QWidget* target) {
    if (m_target || !target) return false;
    m_target = target;
    return true;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    return QObject::eventFilter(watched, event);
}

}  // namespace qc
