#pragma once

#include <array>

namespace tessaro {

inline constexpr int kSoftwareItemCount = 17;

// The software window's part of the game state.
struct SoftwareCaptions {
    // Saved at lines 67..83; line 84 repeats the enabled flag of "Dr.Web 4.29".
    std::array<bool, kSoftwareItemCount> itemEnabled{};
    int gFreeSpace = 0;  // the free-space gauge in percent; not saved

    bool operator==(const SoftwareCaptions&) const = default;
};

}  // namespace tessaro
