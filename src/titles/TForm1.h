#pragma once

#include "widgets/GameWindow.h"

namespace tessaro {

class ActionLabel;

// The congratulations window of a won game.
class TForm1 : public GameWindow {
    Q_OBJECT
  public:
    explicit TForm1(Game& game);

  public slots:
    void bAboutClick();
    void bQuitClick();
    void FormClose() override;
};

}  // namespace tessaro
