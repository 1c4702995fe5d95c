#include "core/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaro {

PictureButton::PictureButton(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(102, 32);
    setMouseTracking(true);
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

void PictureButton::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(contentsRect(), pixmap_);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace tessaro
