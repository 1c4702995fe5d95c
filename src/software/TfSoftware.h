#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// Installing and removing programs.
class TfSoftware : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfSoftware(Game& game);
};

}  // namespace tessaro
