#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// Job offers.
class TfJob : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfJob(Game& game);
};

}  // namespace tessaro
