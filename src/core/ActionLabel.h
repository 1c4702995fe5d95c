#pragma once

#include <QColor>
#include <QLabel>

namespace tessaro {

inline const QColor kActionGrey(128, 128, 128);
inline const QColor kActionBlack(0, 0, 0);
inline const QColor kActionWhite(255, 255, 255);

// A clickable item: bold, grey at rest, black while the pointer is over it. A disabled
// item is drawn greyed and neither highlights nor takes clicks.
class ActionLabel : public QLabel {
    Q_OBJECT
  public:
    ActionLabel(const QString& objectName, const QString& text, int pixelSize, QWidget* parent,
                QColor resting = kActionGrey, QColor hover = kActionBlack);

    QColor fontColor() const;
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

  private:
    void pointerOver();

    QColor resting_;
    QColor hover_;
    bool hovered_ = false;
};

}  // namespace tessaro
