#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// Writing programs for sale; days go on passing while it is open.
class TfDeveloper : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfDeveloper(Game& game);
};

}  // namespace tessaro
