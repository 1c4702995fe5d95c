#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/GameState.h"

class QLabel;
class QVBoxLayout;

namespace tessaro {

// Fills a widget's background with a colour of the game's own (the white of the small
// windows, the money green of the panels).
void paintBackground(QWidget* widget, const QColor& colour);

// A window of the game: a fixed client area, a single border with only the close box,
// centred on the screen. It forwards events to the rules, then says that the game changed;
// the shell brings every window and timer in line and asks the windows to render.
class GameWindow : public QWidget {
    Q_OBJECT
  public:
    GameWindow(Game& game, WindowId id, const QString& caption, QSize clientSize);

    WindowId id() const { return id_; }
    // The area that holds the window's controls, of the game's client size.
    QWidget* client() const { return client_; }

    // Brings the controls in line with the game state.
    virtual void render();
    void centreOnScreen();

  signals:
    void changed();

  public slots:
    // The close box, or a label that closes the window.
    virtual void FormClose();

  protected:
    // Shows `source` in `label`, converting only when the text has changed.
    void bind(QLabel* label, const std::string& source);
    void closeEvent(QCloseEvent* event) override;
    QVBoxLayout* frameLayout() const { return layout_; }

    Game& game_;

  private:
    struct Binding {
        QLabel* label;
        const std::string* source;
        std::string shown;
    };

    WindowId id_;
    QVBoxLayout* layout_;
    QWidget* client_;
    std::vector<Binding> bindings_;
};

}  // namespace tessaro
