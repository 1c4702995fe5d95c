#pragma once

#include <cstdint>

namespace tessaro {

// A colour that a rule gives a label, such as the connect link's red and green.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

}  // namespace tessaro
