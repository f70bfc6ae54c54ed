#include "shell/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "caption/caption_handlers.h"
#include "shell/control_builder.h"
#include "shell/event_wiring.h"
#include "shell/group_box.h"
#include "shell/window_definition.h"

namespace qc {
namespace {

int KeysOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ControlModifier ? 1 : 0) | (modifiers & Qt::ShiftModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFixedSize(kClientWidth, kClientHeight);
    setMouseTracking(true);
    m_controls.window = this;
    m_controls.state = &state;
    BuildControls(this, m_controls);
    WireEvents(m_controls);
    // Esc closes the window whichever control has the focus, so look at keys before any control.
    qApp->installEventFilter(this);
    InitialiseWindow(m_controls);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize s = screen->geometry().size();
    move((s.width() - kOuterWidth) / 2, (s.height() - kOuterHeight) / 2);
}

bool MainWindow::receivesPointerAt(const QPoint& position) const {
    // Controls keep the pointer to themselves, except group boxes, which let it through;
    // while the window holds the grab it receives everything.
    if (QWidget::mouseGrabber() == this) return true;
    QWidget* child = childAt(position);
    return !child || qobject_cast<GroupBox*>(child);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!receivesPointerAt(p)) return;
    OnWindowMouseMoved(m_controls, p.x(), p.y(), KeysOf(event->modifiers()));
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !receivesPointerAt(p)) return;
    OnWindowLeftReleased(m_controls, p.x(), p.y(), KeysOf(event->modifiers()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto held =
            key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (key->key() == Qt::Key_Escape && held == Qt::NoModifier && widget &&
            widget->window() == this) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qc
