#pragma once

#include <array>

namespace tessaro {

inline constexpr int kCourseCount = 17;

// The education window's part of the game state: which courses are on offer. Not saved:
// showing the window takes them from the knowledge flags.
struct EducationCaptions {
    std::array<bool, kCourseCount> itemEnabled{};

    bool operator==(const EducationCaptions&) const = default;
};

}  // namespace tessaro
