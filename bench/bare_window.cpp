// The yardstick for start-up time: a bare Qt window with 26 standard controls that quits as
// soon as it has painted once.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), palette().window());
        if (!m_quitting) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }

  private:
    bool m_quitting = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setFixedSize(636, 450);
    for (int i = 0; i < 3; ++i) new QGroupBox(QStringLiteral("group"), &window);
    for (int i = 0; i < 5; ++i) new QPushButton(QStringLiteral("button"), &window);
    for (int i = 0; i < 6; ++i) new QLabel(QStringLiteral("label"), &window);
    for (int i = 0; i < 3; ++i) new QSlider(Qt::Horizontal, &window);
    for (int i = 0; i < 4; ++i) new QLineEdit(QStringLiteral("text"), &window);
    new QCheckBox(QStringLiteral("check"), &window);
    auto* list = new QListWidget(&window);
    for (int i = 0; i < 38; ++i) list->addItem(QStringLiteral("item %1").arg(i));
    for (int i = 0; i < 3; ++i) new QWidget(&window);
    window.show();
    return app.exec();
}
