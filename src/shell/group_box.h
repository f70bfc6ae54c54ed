#pragma once

#include <QWidget>

namespace qc {

// A titled frame that fills its whole area with its background colour. It takes no pointer
// input: presses, moves and releases over it reach the main window beneath.
class GroupBox : public QWidget {
    Q_OBJECT
  public:
    GroupBox(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_title;
};

// A label whose lines stand exactly one font size apart, so the eight lines of the font-size
// legend fit its 96-pixel box as they were laid out.
class LegendLabel : public QWidget {
    Q_OBJECT
  public:
    LegendLabel(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
};

}  // namespace qc
