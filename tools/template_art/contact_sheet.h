#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace art {

struct SheetItem {
    QImage picture;
    QString label;
};

// All pictures in a grid with their labels, for looking the set over at a glance.
QImage DrawContactSheet(const QList<SheetItem>& items, int columns, int cell);

}  // namespace art
