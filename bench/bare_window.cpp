// The yardstick for start-up time: a bare Qt window with 26 standard controls that quits as
// soon as it has painted once. Its texts are Chinese in the same face, so both windows pay for
// loading the CJK font and the comparison shows only what Quipcanvas adds.
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
    QFont gui(QStringLiteral("Noto Sans CJK SC"));
    gui.setPixelSize(12);
    QApplication::setFont(gui);
    BareWindow window;
    window.setFixedSize(636, 450);
    for (int i = 0; i < 3; ++i) new QGroupBox(QStringLiteral("属性修改"), &window);
    for (int i = 0; i < 5; ++i) new QPushButton(QStringLiteral("复制图片"), &window);
    for (int i = 0; i < 6; ++i) new QLabel(QStringLiteral("图片宽度："), &window);
    for (int i = 0; i < 3; ++i) new QSlider(Qt::Horizontal, &window);
    for (int i = 0; i < 4; ++i) new QLineEdit(QStringLiteral("这里修改文字"), &window);
    new QCheckBox(QStringLiteral("粗体"), &window);
    auto* list = new QListWidget(&window);
    for (int i = 0; i < 38; ++i) list->addItem(QStringLiteral("蘑菇头%1").arg(i));
    for (int i = 0; i < 3; ++i) new QWidget(&window);
    window.show();
    return app.exec();
}
