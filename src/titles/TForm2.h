#pragma once

#include "core/GameWindow.h"

namespace tessaro {

// The about window, from the main menu or from the congratulations window.
class TForm2 : public GameWindow {
    Q_OBJECT
  public:
    explicit TForm2(Game& game);

  public slots:
    void Label8Click();

  protected:
    // Escape does what "Выход" does, as it leaves every activity window.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessaro
