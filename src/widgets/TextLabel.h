#pragma once

#include <QLabel>

namespace tessaro {

// Draws a label's text as a plain label does. On a dense screen bold text is drawn a device
// pixel bolder: Qt draws the bold from the regular outlines, a fixed part of the letter's
// height bolder, which whole pixels round up to bold at scale 1 but which reads as regular at
// scale 1.5 and 2.
void drawGameText(QPainter& painter, const QWidget& widget, const QRect& rect, int flags,
                  const QString& text);

// A label of the game with text: plain text, never markup, and bold that reads as bold at
// every scale (drawGameText). makeLabel makes them.
class TextLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TextLabel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessaro
