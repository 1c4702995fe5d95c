#pragma once

#include <QColor>
#include <QLabel>

class QKeyEvent;

namespace tessaro {

inline const QColor kActionGrey(128, 128, 128);
inline const QColor kActionBlack(0, 0, 0);
inline const QColor kActionWhite(255, 255, 255);

// Whether the keyboard moved the focus, as opposed to a click or a window's activation.
bool isKeyboardFocus(Qt::FocusReason reason);
// Whether a key is one that takes the item with the focus: Return, Enter or Space. Whether a
// press is a repeat of a key held down, which takes nothing: the desktop repeats a key as a
// release and a press at the same moment, and Qt marks them as repeats by looking ahead for
// the press, which a busy moment can keep from having come yet. Every item notes its key
// releases, so that a press at the moment of the key's last release is known for a repeat
// after all.
bool isTakingKey(int key);
bool isARepeat(const QKeyEvent* event);
void noteKeyRelease(const QKeyEvent* event);

// The contrast of two colours, from 1 (the same) to 21 (black on white), and the least that
// the game's own grey items have on their money-green boxes.
double contrast(const QColor& one, const QColor& other);
inline constexpr double kReadableContrast = 2.5;

// A clickable item: bold, grey at rest, black while the pointer is over it. A disabled
// item is drawn greyed and neither highlights nor takes clicks. The keyboard reaches it
// too: with the focus it highlights as under the pointer, within a dotted frame, and Enter
// or Space click it. A key held down clicks once: its repeats click nothing, not even the
// item that the focus moves on to when this one is taken.
class ActionLabel : public QLabel {
    Q_OBJECT
  public:
    ActionLabel(const QString& objectName, const QString& text, int pixelSize, QWidget* parent,
                QColor resting = kActionGrey, QColor hover = kActionBlack);

    QColor fontColor() const;
    // Whether it has the focus that the keyboard brought, drawn marked.
    bool showsKeyboardFocus() const { return keyboardFocus_ && hasFocus(); }
    void setFontColor(const QColor& color);

  signals:
    void clicked();
    void mouseMoved();
    void mouseLeft();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The colour that the label stands on.
    QColor ground() const;
    void drawFocusFrame(QPainter& painter, int flags) const;
    void pointerOver();
    void pointerGone();

    QColor resting_;
    QColor hover_;
    bool hovered_ = false;
    bool keyboardFocus_ = false;
};

}  // namespace tessaro
