#include "shell/edit_box.h"

#include <QSignalBlocker>

namespace qc {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    // textEdited is the user's changes only; program writes go through writeText.
    connect(this, &QLineEdit::textEdited, this, &EditBox::textChangedEvent);
}

void EditBox::writeText(const QString& text) {
    {
        const QSignalBlocker blocker(this);
        setText(text);
    }
    emit textChangedEvent();
}

CaptionEditor::CaptionEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CaptionEditor::textChangedEvent);
}

void CaptionEditor::writeText(const QString& text) {
    {
        const QSignalBlocker blocker(this);
        setPlainText(text);
    }
    emit textChangedEvent();
}

}  // namespace qc
