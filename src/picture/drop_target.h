#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QMimeData;
class QWidget;

namespace qc {

// The paths of the local files the data offers, in the order the drag source lists them; empty
// unless the data is a list of local files only (text, HTML and remote URLs are refused).
QStringList OfferedFiles(const QMimeData* data);

// The effect a drop takes, from the effects the drag source allows and the keys held: no key
// copy, else move, else link; Shift move; Ctrl copy; Ctrl+Shift nothing; nothing either when
// the data offers no files.
Qt::DropAction ChooseDropAction(Qt::DropActions allowed, Qt::KeyboardModifiers keys,
                                bool offersFiles);

// One path as it is; several each followed by "\r\n".
QString DroppedFileText(const QStringList& paths);

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
