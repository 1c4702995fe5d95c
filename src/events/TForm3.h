#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// Leisure that buys back the player's mood.
class TForm3 : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TForm3(Game& game);
};

}  // namespace tessaro
