#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace qc {

// A single-line edit box whose text-changed event fires for every user change and exactly once
// for every program write, even when the written text equals the old one.
class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent = nullptr);

    // Stores the text, then fires textChangedEvent once, nested inside this call.
    void writeText(const QString& text);

  signals:
    void textChangedEvent();
};

// The multi-line caption editor 编辑框1: Enter inserts a line break, lines wrap at the box's
// width, no scroll bars.
class CaptionEditor : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit CaptionEditor(QWidget* parent = nullptr);

    QString captionText() const { return toPlainText(); }
    void writeText(const QString& text);

  signals:
    void textChangedEvent();
};

}  // namespace qc
