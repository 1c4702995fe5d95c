#pragma once

#include <cstddef>

namespace tessaro {

// Whether every row of a table that an enum indexes stands at the place of its `id`: one row
// per value, in the enum's order. For a static_assert beside the table.
template <typename Rows>
constexpr bool rowsFollowTheirIds(const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].id) != i) {
            return false;
        }
    }
    return true;
}

}  // namespace tessaro
