#pragma once

#include <QAbstractButton>

namespace tessaro {

// Whether the keyboard moved the focus, as opposed to a click or a window's activation.
bool isKeyboardFocus(Qt::FocusReason reason);

// An item the player takes, a button of the game's own look (an action label, a picture
// button). Qt's button gives the rules of a click: a press and a release over the same item,
// Space taking it as the key comes up, the focus. The game adds:
// - Return and Enter take it as the key goes down, as a dialog's button;
// - a key held down takes one item: its repeats take nothing, not even the item that the
//   focus moves on to when this one is taken;
// - the focus that the keyboard brought is known, so that the item draws it marked, while a
//   mouse player sees the game's own look;
// - the pointer over an enabled item, or the keyboard's focus, highlights it, and the window
//   shows what it is. An item taken while under the pointer still gets its leave, so that the
//   window can put its resting lines back.
class ItemButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ItemButton(QWidget* parent);

    // Whether it has the focus that the keyboard brought, drawn marked.
    bool showsKeyboardFocus() const { return keyboardFocus_ && hasFocus(); }
    // The item the player took last, by any road (the pointer, a key, a screen reader's
    // Press), once: nullptr when asked again, or when the item has gone.
    static ItemButton* takenLast();

  signals:
    // The pointer moved over it, or the keyboard brought the focus to it.
    void mouseMoved();
    // The pointer left it, or the focus that the keyboard brought went elsewhere.
    void mouseLeft();

  protected:
    // Draws the item highlighted or at rest; `byKeyboard` when the keyboard's focus asks. An
    // item whose window draws its highlight (a picture button) leaves it alone.
    virtual void highlight(bool /*on*/, bool /*byKeyboard*/) {}

    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void pointerOver(bool byKeyboard);
    void pointerGone();

    bool keyboardFocus_ = false;
    bool hovered_ = false;
};

}  // namespace tessaro
