#include "widgets/PictureButton.h"

#include <qdrawutil.h>
#include <QPainter>

namespace tessaro {

PictureButton::PictureButton(const QString& objectName, const QString& word, QWidget* parent)
    : ItemButton(parent) {
    setObjectName(objectName);
    setAccessibleName(word);
    setBackgroundRole(QPalette::Window);
    setFixedSize(102, 32);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(int index, const QPixmap& picture) {
    if (index == index_) {
        return;
    }
    index_ = index;
    pixmap_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    qDrawPlainRect(&painter, rect(), palette().color(QPalette::WindowText), 1);
    const QRect picture = rect().adjusted(1, 1, -1, -1);
    painter.drawPixmap(picture, pixmap_);
    if (showsKeyboardFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(picture.adjusted(1, 1, -2, -2));
    }
}

}  // namespace tessaro
