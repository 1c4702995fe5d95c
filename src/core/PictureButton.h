#pragma once

#include <QFrame>
#include <QPixmap>

namespace tessaro {

// One of the main window's picture buttons: a 100 x 30 picture in a thin frame. It draws
// its picture unchanged when disabled, because a locked button has a picture of its own.
class PictureButton : public QFrame {
    Q_OBJECT
  public:
    PictureButton(const QString& objectName, QWidget* parent);

    void setPicture(int index, const QPixmap& picture);
    int picture() const { return index_; }

  signals:
    void clicked();
    void mouseMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap pixmap_;
    int index_ = -1;
};

}  // namespace tessaro
