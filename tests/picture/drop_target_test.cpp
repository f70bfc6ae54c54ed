#include "picture/drop_target.h"

#include <gtest/gtest.h>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "export/test_window.h"

namespace qc {
namespace {

constexpr Qt::DropActions kAll = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

struct EffectCase {
    Qt::DropActions allowed;
    Qt::KeyboardModifiers keys;
    bool files;
    Qt::DropAction expected;
};

class DropEffect : public testing::TestWithParam<EffectCase> {};

TEST_P(DropEffect, FollowsTheKeysAndWhatTheSourceAllows) {
    const EffectCase c = GetParam();
    EXPECT_EQ(ChooseDropAction(c.allowed, c.keys, c.files), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DropEffect,
    testing::Values(
        EffectCase{kAll, Qt::NoModifier, true, Qt::CopyAction},
        EffectCase{Qt::MoveAction | Qt::LinkAction, Qt::NoModifier, true, Qt::MoveAction},
        EffectCase{Qt::LinkAction, Qt::NoModifier, true, Qt::LinkAction},
        EffectCase{Qt::IgnoreAction, Qt::NoModifier, true, Qt::IgnoreAction},
        EffectCase{kAll, Qt::ShiftModifier, true, Qt::MoveAction},
        EffectCase{Qt::CopyAction, Qt::ShiftModifier, true, Qt::IgnoreAction},
        EffectCase{kAll, Qt::ControlModifier, true, Qt::CopyAction},
        EffectCase{Qt::MoveAction, Qt::ControlModifier, true, Qt::IgnoreAction},
        EffectCase{kAll, Qt::ControlModifier | Qt::ShiftModifier, true, Qt::IgnoreAction},
        EffectCase{kAll, Qt::AltModifier, true, Qt::CopyAction},
        EffectCase{kAll, Qt::NoModifier, false, Qt::IgnoreAction}));

TEST(OfferedFiles, OnlyListsOfLocalFilesCount) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.jpg"), QUrl::fromLocalFile("/tmp/照片 b.png")});
    EXPECT_EQ(OfferedFiles(&files), QStringList({"/tmp/a.jpg", "/tmp/照片 b.png"}));

    QMimeData text;
    text.setText("/tmp/a.jpg");
    QMimeData html;
    html.setHtml("<img src=\"file:///tmp/a.jpg\">");
    QMimeData remote;
    remote.setUrls({QUrl::fromLocalFile("/tmp/a.jpg"), QUrl("https://example.org/b.jpg")});
    for (const QMimeData* refused : {&text, &html, &remote})
        EXPECT_TRUE(OfferedFiles(refused).isEmpty());
}

TEST(DroppedFileText, OnePathAsItIsSeveralEachEndedByCrLf) {
    EXPECT_EQ(DroppedFileText({"/a b.jpg"}), QStringLiteral("/a b.jpg"));
    EXPECT_EQ(DroppedFileText({"/a", "/b"}), QStringLiteral("/a\r\n/b\r\n"));
}

// Sends a drag enter, a move and a drop of `data` to the widget, as a drag source would.
struct DropResult {
    bool enterAccepted, moveAccepted;
    Qt::DropAction moveAction;
    QStringList received;
};

DropResult DragOnto(QWidget* widget, DropTarget& target, const QMimeData& data,
                    Qt::KeyboardModifiers keys) {
    DropResult r{};
    QObject::connect(&target, &DropTarget::fileReceived, widget,
                     [&r](const QString& text) { r.received.append(text); });
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, kAll, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(widget, &enter);
    r.enterAccepted = enter.isAccepted();
    QDragMoveEvent move(at, kAll, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(widget, &move);
    r.moveAccepted = move.isAccepted();
    r.moveAction = move.dropAction();
    QDropEvent drop(QPointF(at), kAll, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(widget, &drop);
    QObject::disconnect(&target, nullptr, widget, nullptr);
    return r;
}

TEST(DropTarget, BindsOnceAndReportsEachDropOfFiles) {
    test::WidgetTestApp();
    QWidget box, other;
    DropTarget target;
    EXPECT_TRUE(target.bind(&box));
    EXPECT_FALSE(target.bind(&other));
    EXPECT_EQ(target.boundWidget(), &box);
    EXPECT_TRUE(box.acceptDrops());
    EXPECT_FALSE(other.acceptDrops());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/one.jpg")});
    const DropResult plain = DragOnto(&box, target, files, Qt::NoModifier);
    EXPECT_TRUE(plain.enterAccepted);
    EXPECT_TRUE(plain.moveAccepted);
    EXPECT_EQ(plain.moveAction, Qt::CopyAction);
    EXPECT_EQ(plain.received, QStringList({"/tmp/one.jpg"}));

    const DropResult both = DragOnto(&box, target, files, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(both.enterAccepted);
    EXPECT_TRUE(both.received.isEmpty());

    QMimeData text;
    text.setText("/tmp/one.jpg");
    const DropResult refused = DragOnto(&box, target, text, Qt::NoModifier);
    EXPECT_FALSE(refused.enterAccepted);
    EXPECT_TRUE(refused.received.isEmpty());
}

}  // namespace
}  // namespace qc
