#include "shell/list_box.h"

#include <QMouseEvent>

namespace qc {

void ListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit itemSelectedEvent();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before) emit itemSelectedEvent();
}

}  // namespace qc
