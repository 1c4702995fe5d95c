#include "widgets/ItemButton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <utility>

namespace tessaro {

bool isKeyboardFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

namespace {

// Whether a key is one that takes the item with the focus.
bool isTakingKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// The taking key last released, and when. The desktop repeats a key held down as a release
// and a press at the same moment, and Qt marks them as repeats by looking ahead for the press,
// which a busy moment can keep from having come yet: a press at the very moment of that key's
// last release is a repeat all the same.
struct {
    int key = 0;
    quint64 at = 0;
} lastRelease;

// Whether the pointer has rested since a window last showed. A window that opens under a
// resting pointer (opened by a key) is not pointed at until the pointer moves.
class PointerWatch : public QObject {
  public:
    using QObject::QObject;
    bool resting = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && event->spontaneous()) {
            resting = false;
        } else if (event->type() == QEvent::Show && !event->spontaneous() &&
                   watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            resting = true;
        }
        return false;
    }
};

const PointerWatch& pointerWatch() {
    static PointerWatch* const watch = [] {
        auto* made = new PointerWatch(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(made);
        return made;
    }();
    return *watch;
}

QPointer<ItemButton>& lastTaken() {
    static QPointer<ItemButton> item;
    return item;
}

bool isARepeat(const QKeyEvent* event) {
    // A key that a screen reader hands back to the program comes without its moment.
    return event->isAutoRepeat() || (event->timestamp() != 0 && lastRelease.key == event->key() &&
                                     lastRelease.at == event->timestamp());
}

}  // namespace

ItemButton* ItemButton::takenLast() {
    return std::exchange(lastTaken(), nullptr);
}

ItemButton::ItemButton(QWidget* parent) : QAbstractButton(parent) {
    // Before the window's own handler, which this item's click runs after.
    connect(this, &QAbstractButton::clicked, this, [this] { lastTaken() = this; });
    pointerWatch();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void ItemButton::pointerOver(bool byKeyboard) {
    if (!isEnabled()) {
        return;
    }
    hovered_ = true;
    highlight(true, byKeyboard);
    emit mouseMoved();
}

void ItemButton::pointerGone() {
    if (hovered_) {
        hovered_ = false;
        highlight(false, false);
        emit mouseLeft();
    }
}

void ItemButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    // Under a pointer that rests since the window opened, the window shows the item with the
    // keyboard's focus, which a screen reader reads, until the pointer moves.
    if (!pointerWatch().resting) {
        pointerOver(false);
    }
}

void ItemButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // The window beneath does not see the pointer over an item: it would put its resting
    // look back.
    event->accept();
    pointerOver(false);
}

void ItemButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    pointerGone();
}

void ItemButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    // Greyed, it rests; its leave still comes.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        highlight(false, false);
    }
}

void ItemButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    keyboardFocus_ = isKeyboardFocus(event->reason());
    if (keyboardFocus_) {
        pointerOver(true);
        update();
    }
}

void ItemButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    if (keyboardFocus_) {
        keyboardFocus_ = false;
        pointerGone();
        update();
    }
}

void ItemButton::keyPressEvent(QKeyEvent* event) {
    if (!isTakingKey(event->key())) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (isARepeat(event)) {
        return;
    }
    if (event->key() == Qt::Key_Space) {
        QAbstractButton::keyPressEvent(event);
    } else {
        click();
    }
}

void ItemButton::keyReleaseEvent(QKeyEvent* event) {
    if (isTakingKey(event->key())) {
        lastRelease = {event->key(), event->timestamp()};
    }
    QAbstractButton::keyReleaseEvent(event);
}

}  // namespace tessaro
