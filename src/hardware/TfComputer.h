#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// The hardware shop.
class TfComputer : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfComputer(Game& game);
};

}  // namespace tessaro
