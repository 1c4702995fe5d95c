#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <limits>

namespace tessaro {

// Adds to a sum that play can grow without end (the day, money, experience). A loaded game may
// start such a sum at any value its line allows, so the sum stops at its type's limit instead
// of overflowing.
template <std::integral Sum>
requires(sizeof(Sum) <= sizeof(std::int32_t)) constexpr void addSaturating(Sum& sum,
                                                                           std::int64_t amount) {
    constexpr std::int64_t lowest = std::numeric_limits<Sum>::min();
    constexpr std::int64_t highest = std::numeric_limits<Sum>::max();
    // Both terms fit 32 bits, so their sum cannot overflow 64.
    amount = std::clamp<std::int64_t>(amount, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
    sum = static_cast<Sum>(std::clamp<std::int64_t>(sum + amount, lowest, highest));
}

// The sum as a value, for a field computed from another.
template <std::integral Sum>
requires(sizeof(Sum) <= sizeof(std::int32_t)) constexpr Sum
    saturatingSum(Sum sum, std::int64_t amount) {
    addSaturating(sum, amount);
    return sum;
}

}  // namespace tessaro
