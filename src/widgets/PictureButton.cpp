#include "widgets/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/ActionLabel.h"

namespace tessaro {

PictureButton::PictureButton(const QString& objectName, const QString& word, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setAccessibleName(word);
    setFocusPolicy(Qt::StrongFocus);
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
    if (keyboardFocus_ && hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
    }
}

void PictureButton::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    keyboardFocus_ = isKeyboardFocus(event->reason());
    if (keyboardFocus_) {
        emit mouseMoved();
        update();
    }
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    if (keyboardFocus_) {
        keyboardFocus_ = false;
        emit focusLeft();
        update();
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (isTakingKey(event->key())) {
        event->accept();
        // A key held down opens its window once.
        if (!isARepeat(event)) {
            emit clicked();
        }
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) {
    noteKeyRelease(event);
    QFrame::keyReleaseEvent(event);
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
