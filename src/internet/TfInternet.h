#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// The simulated internet: dial-up, downloads, break-ins and the market.
class TfInternet : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfInternet(Game& game);
};

}  // namespace tessaro
