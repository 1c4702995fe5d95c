#pragma once

#include <QWidget>

namespace tessaro {

// The caption of a game's window where the desktop draws none: on Wayland, where Qt would
// draw its own with minimise and maximise buttons beside the close box. It shows the program
// icon and the window's title; a drag on it moves the window, and its close box closes the
// window as the desktop's close box does. Every window gets it through addTo: the game's own
// and Qt's dialogs (a message, a file dialog).
class WindowCaption : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 22;
    // Whether the game's windows carry a caption of their own on this platform.
    static bool drawnByTheGame();
    // Gives a window the game's caption across its top, where the game draws them; before the
    // window shows. The window's layout keeps below it.
    static void addTo(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    explicit WindowCaption(QWidget* window);
    QRect closeBox() const;
    // Whether its window is the one in play: enabled, with no window of the game over it.
    bool windowInPlay() const;
};

}  // namespace tessaro
