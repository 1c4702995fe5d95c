#pragma once

#include <QFrame>
#include <QPixmap>

namespace tessaro {

// One of the main window's picture buttons: a 100 x 30 picture in a thin frame. It draws
// its picture unchanged when disabled, because a locked button has a picture of its own.
// The keyboard reaches it as the pointer does: the focus highlights it, Enter or Space
// click it.
class PictureButton : public QFrame {
    Q_OBJECT
  public:
    // `word` is the word drawn on the button, which a screen reader reads.
    PictureButton(const QString& objectName, const QString& word, QWidget* parent);

    void setPicture(int index, const QPixmap& picture);
    int picture() const { return index_; }

  signals:
    void clicked();
    void mouseMoved();
    // The keyboard's focus went elsewhere: the highlight goes as when the pointer leaves.
    void focusLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QPixmap pixmap_;
    int index_ = -1;
    bool keyboardFocus_ = false;
};

}  // namespace tessaro
