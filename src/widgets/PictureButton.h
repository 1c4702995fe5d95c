#pragma once

#include <QPixmap>

#include "widgets/ItemButton.h"

namespace tessaro {

// One of the main window's picture buttons: a 100 x 30 picture in a thin frame. It draws
// its picture unchanged when disabled, because a locked button has a picture of its own.
// The focus that the keyboard brought highlights it, as the pointer does.
class PictureButton : public ItemButton {
    Q_OBJECT
  public:
    // `word` is the word drawn on the button, which a screen reader reads.
    PictureButton(const QString& objectName, const QString& word, QWidget* parent);

    void setPicture(int index, const QPixmap& picture);
    int picture() const { return index_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
    int index_ = -1;
};

}  // namespace tessaro
