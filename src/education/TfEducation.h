#pragma once

#include "core/ActivityWindow.h"

namespace tessaro {

// Courses that teach the player what jobs and projects ask for.
class TfEducation : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfEducation(Game& game);
};

}  // namespace tessaro
