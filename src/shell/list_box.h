#pragma once

#include <QListWidget>

namespace qc {

// A list box whose item-selected event fires for the user's selections only: a press on an
// item (also on the one already selected) or a key that moves the selection. Program writes of
// the selection fire nothing.
class ListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr) : QListWidget(parent) {}

  signals:
    void itemSelectedEvent();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qc
