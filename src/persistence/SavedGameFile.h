#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

// A saved game is bigger than a few kilobytes only when something else was chosen.
inline constexpr long long kLargestSavedGame = 1024 * 1024;

// Writes the lines in the Windows-1251 code page, each ended by CR LF. The file is replaced
// only when the whole of it has been written, so a failed save leaves the old file as it was.
// Returns the error to show the player, or nothing.
std::optional<std::string> writeSavedGameFile(const std::string& path,
                                              const std::vector<std::string>& lines);

// Reads a file of the Windows-1251 code page as lines, split at CR LF, a lone CR or a lone LF.
// Returns the error to show the player, or nothing.
std::optional<std::string> readSavedGameFile(const std::string& path,
                                             std::vector<std::string>& lines);

}  // namespace tessaro
