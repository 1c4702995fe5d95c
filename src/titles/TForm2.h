#pragma once

#include "widgets/GameWindow.h"

namespace tessaro {

// The about window, from the main menu or from the congratulations window.
class TForm2 : public GameWindow {
    Q_OBJECT
  public:
    explicit TForm2(Game& game);

  public slots:
    void Label8Click();
    // The close box does what "Выход" does: a game must never stay stopped with nothing on
    // the screen to say so.
    void FormClose() override;

  protected:
    // Escape does what "Выход" does, as it leaves every activity window.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessaro
