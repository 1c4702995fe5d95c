#include "core/ActionLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "core/Fonts.h"

namespace tessaro {

bool isKeyboardFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

ActionLabel::ActionLabel(const QString& objectName, const QString& text, int pixelSize,
                         QWidget* parent, QColor resting, QColor hover)
    : QLabel(parent), resting_(resting), hover_(hover) {
    // Text, never markup, as every label of the game (makeLabel).
    setTextFormat(Qt::PlainText);
    setText(text);
    setObjectName(objectName);
    setFont(gameFont(pixelSize, true));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The colour is the label's own, whatever background its parent paints.
    setForegroundRole(QPalette::WindowText);
    setFontColor(resting_);
}

QColor ActionLabel::fontColor() const {
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void ActionLabel::setFontColor(const QColor& color) {
    // Only the enabled groups: a disabled item keeps the style's greyed text.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, color);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, color);
    setPalette(colours);
}

void ActionLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    pointerOver();
}

void ActionLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    event->accept();
    pointerOver();
}

void ActionLabel::pointerOver() {
    if (!isEnabled()) {
        return;
    }
    hovered_ = true;
    setFontColor(hover_);
    emit mouseMoved();
}

void ActionLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    pointerGone();
}

void ActionLabel::pointerGone() {
    // An item that was bought or taken while under the pointer still gets its leave, so
    // the window can put its info lines back.
    if (hovered_) {
        hovered_ = false;
        setFontColor(resting_);
        emit mouseLeft();
    }
}

void ActionLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    // Only a focus that the keyboard brought shows: the mouse player sees the game's own look.
    keyboardFocus_ = isKeyboardFocus(event->reason());
    if (keyboardFocus_) {
        pointerOver();
        update();
    }
}

void ActionLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    if (keyboardFocus_) {
        keyboardFocus_ = false;
        pointerGone();
        update();
    }
}

void ActionLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isEnabled() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ActionLabel::paintEvent(QPaintEvent* /*event*/) {
    // Drawn as a plain label draws its text, not through QLabel: a label that takes the focus
    // lays its text out as a document, whose line is only as tall as the font's line height
    // and clips what reaches above it. Tahoma's capitals and accents reach higher than that at
    // small sizes and would lose their top rows.
    QPainter painter(this);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) |
                      (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
    if (keyboardFocus_ && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ActionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (isEnabled() && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ActionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        setFontColor(resting_);
    }
}

}  // namespace tessaro
