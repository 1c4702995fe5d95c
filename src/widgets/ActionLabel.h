#pragma once

#include <QColor>

#include "widgets/ItemButton.h"

namespace tessaro {

inline const QColor kActionGrey(128, 128, 128);
inline const QColor kActionBlack(0, 0, 0);
inline const QColor kActionWhite(255, 255, 255);

// The contrast of two colours, from 1 (the same) to 21 (black on white), and the least that
// the game's own grey items have on their money-green boxes.
double contrast(const QColor& one, const QColor& other);
inline constexpr double kReadableContrast = 2.5;

// An item of text: bold, grey at rest, black while the pointer is over it. A disabled item is
// drawn greyed and does not highlight. With the focus that the keyboard brought it highlights
// as under the pointer, within a dotted frame. Its text stands on one line, as a label's.
class ActionLabel : public ItemButton {
    Q_OBJECT
  public:
    ActionLabel(const QString& objectName, const QString& text, int pixelSize, QWidget* parent,
                QColor resting = kActionGrey, QColor hover = kActionBlack);

    // The text, never a shortcut: an ampersand in a name is an ampersand.
    void setText(const QString& text);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    QColor fontColor() const;
    void setFontColor(const QColor& color);

    QSize sizeHint() const override;

  protected:
    void highlight(bool on, bool byKeyboard) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int textFlags() const;
    // The colour that the label stands on.
    QColor ground() const;
    void drawFocusFrame(QPainter& painter, int flags) const;

    QColor resting_;
    QColor hover_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

}  // namespace tessaro
