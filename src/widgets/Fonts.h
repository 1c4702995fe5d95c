#pragma once

#include <QFont>

namespace tessaro {

// Registers the Tahoma that Debian ships with Wine, where it is installed or brought along.
void registerGameFonts();

// Tahoma at a pixel size, or a sans-serif face where Tahoma is missing.
QFont gameFont(int pixelSize, bool bold = false);

}  // namespace tessaro
