#pragma once

#include <QAbstractButton>

class QKeyEvent;

namespace tessaro {

// Whether the keyboard moved the focus, as opposed to a click or a window's activation.
bool isKeyboardFocus(Qt::FocusReason reason);
// Whether a key is one that takes the item with the focus: Return, Enter or Space.
bool isTakingKey(int key);

// An item the player takes, a button of the game's own look (an action label, a picture
// button). Qt's button gives the rules of a click: a press and a release over the same item,
// Space taking it as the key comes up, the focus. The game adds:
// - Return and Enter take it as the key goes down, as a dialog's button;
// - a key held down takes one item: its repeats take nothing, not even the item that the
//   focus moves on to when this one is taken;
// - the focus that the keyboard brought is known, so that the item draws it marked, while a
//   mouse player sees the game's own look;
// - the pointer moving over the item highlights it, and the window with it.
class ItemButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ItemButton(QWidget* parent);

    // Whether it has the focus that the keyboard brought, drawn marked.
    bool showsKeyboardFocus() const { return keyboardFocus_ && hasFocus(); }

  signals:
    // The pointer moved over it, or the keyboard brought the focus to it.
    void mouseMoved();

  protected:
    // The keyboard brought the focus, or the focus it brought went elsewhere.
    virtual void keyboardFocusIn() { emit mouseMoved(); }
    virtual void keyboardFocusOut() {}
    virtual void pointerMoved() { emit mouseMoved(); }

    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    bool keyboardFocus_ = false;
};

}  // namespace tessaro
