#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace qc {

// 拖放对象1: makes one widget a drop target for lists of local files.
class DropTarget : public QObject {
    Q_OBJECT
public:
    explicit DropTarget(QObject* parent = nullptr);

    // Binds once; a second binding fails and changes nothing.
    bool bind(QWidget* target);
    QWidget* boundWidget() const { return m_target; }

signals:
    // One path, or several each followed by "\r\n".
    void fileReceived(const QString& droppedText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_target;
};

}  // namespace qc
