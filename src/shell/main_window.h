#pragma once

#include <QWidget>

#include "shell/controls.h"

namespace qc {

struct ProgramState;

// The one window: built from the window definition, with every event wired to its handler.
// Its own mouse moves and left releases (and all of them while it holds the mouse grab) go to
// the caption drag handlers; Esc without Ctrl/Shift/Alt closes it from any control.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    Controls& controls() { return m_controls; }

    // Places the outer window centred on the primary screen.
    void centreOnScreen();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool receivesPointerAt(const QPoint& position) const;

    Controls m_controls;
};

}  // namespace qc
