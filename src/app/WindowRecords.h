#pragma once

#include <QWidget>
#include <algorithm>
#include <iterator>

namespace tessaro {

// The record that a list keeps of a window (a record with a `window` member), as const as the
// list; nullptr where the list keeps none.
template <typename Records>
auto* recordOf(Records& records, const QWidget* window) {
    const auto found =
        std::find_if(std::begin(records), std::end(records),
                     [window](const auto& record) { return record.window == window; });
    return found == std::end(records) ? nullptr : &*found;
}

}  // namespace tessaro
