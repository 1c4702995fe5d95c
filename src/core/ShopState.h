#pragma once

#include <array>

namespace tessaro {

inline constexpr int kPartModelCount = 45;

// The hardware shop's model labels, in catalogue order (slot by slot, each by level): which
// of them take a click. The five motherboards come first and are on sale from the start.
// Not saved: the shop recomputes them whenever it is shown or activated.
struct ComputerCaptions {
    std::array<bool, kPartModelCount> itemEnabled{true, true, true, true, true};

    bool operator==(const ComputerCaptions&) const = default;
};

}  // namespace tessaro
