#pragma once

#include <QString>
#include <functional>

#include "support/TestProgram.h"

namespace tessaro::testing {

// A window in one of its states, by a name of that state ("software-installable").
using WindowVisit = std::function<void(GameWindow* window, const QString& state)>;

// Walks the windows of a started game through their states as a player meets them, each with
// an item under the pointer: the main window, the software, education, job, shop, development,
// internet (offline, dialling, downloading, a mission running), rest and virus windows.
// `t` should draw a free line at every dial (seedDrawing(4, 1)).
void walkTheWindows(TestProgram& t, const WindowVisit& visit);

}  // namespace tessaro::testing
