#pragma once

#include "core/GameWindow.h"

namespace tessaro {

// The window of a virus attack.
class TForm4 : public GameWindow {
    Q_OBJECT
  public:
    explicit TForm4(Game& game);
};

}  // namespace tessaro
