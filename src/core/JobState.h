#pragma once

#include <array>

namespace tessaro {

inline constexpr int kJobCount = 9;

// The job window's part of the game state: which offers take a click. Showing the window
// offers the jobs above the current one; taking a job offers every other job until the
// window is shown again, which the job number alone cannot tell. Not saved.
struct JobCaptions {
    std::array<bool, kJobCount> itemEnabled{};

    bool operator==(const JobCaptions&) const = default;
};

}  // namespace tessaro
