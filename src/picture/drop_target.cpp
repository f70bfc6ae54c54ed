#include "picture/drop_target.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace qc {

QStringList OfferedFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        paths.append(url.toLocalFile());
    }
    return paths;
}

Qt::DropAction ChooseDropAction(Qt::DropActions allowed, Qt::KeyboardModifiers keys,
                                bool offersFiles) {
    if (!offersFiles) return Qt::IgnoreAction;
    const bool ctrl = keys & Qt::ControlModifier;
    const bool shift = keys & Qt::ShiftModifier;
    if (ctrl && shift) return Qt::IgnoreAction;
    if (shift) return allowed & Qt::MoveAction ? Qt::MoveAction : Qt::IgnoreAction;
    if (ctrl) return allowed & Qt::CopyAction ? Qt::CopyAction : Qt::IgnoreAction;
    for (Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
        if (allowed & action) return action;
    return Qt::IgnoreAction;
}

QString DroppedFileText(const QStringList& paths) {
    if (paths.size() == 1) return paths.front();
    QString text;
    for (const QString& path : paths) text += path + QStringLiteral("\r\n");
    return text;
}

DropTarget::DropTarget(QObject* parent) : QObject(parent) {}

bool DropTarget::bind(QWidget* target) {
    if (m_target || !target) return false;
    m_target = target;
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    return true;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != m_target ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(watched, event);

    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = OfferedFiles(drop->mimeData());
    const Qt::DropAction action =
        ChooseDropAction(drop->possibleActions(), drop->modifiers(), !paths.isEmpty());
    if (action == Qt::IgnoreAction) {
        drop->ignore();
        return true;
    }
    if (type != QEvent::Drop) {
        drop->setDropAction(action);
        drop->accept();
        return true;
    }
    emit fileReceived(DroppedFileText(paths));
    // The drop is answered as not taken whatever the handler did: we only read the files, and a
    // source that saw a move succeed would delete the user's originals.
    drop->setDropAction(action);
    drop->ignore();
    return true;
}

}  // namespace qc
