// A tiny window that starts a drag of one file, as a file manager does, when the mouse button
// goes down on it. Arguments: FILE X Y (where to place the window).
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
  public:
    explicit DragSource(QString path) : m_path(std::move(path)) {
        setWindowTitle(QStringLiteral("drag source"));
        setFixedSize(100, 100);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(m_path)});
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    }

  private:
    QString m_path;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.move(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    source.show();
    return app.exec();
}
