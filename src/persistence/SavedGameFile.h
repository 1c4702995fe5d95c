#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace tessaro {

// A saved game is bigger than a few kilobytes only when something else was chosen.
inline constexpr long long kLargestSavedGame = 1024 * 1024;

// The lines in the Windows-1251 code page, each ended by CR LF; or the reason why the game's
// text cannot be written so.
std::optional<std::string> encodeSavedGame(const std::vector<std::string>& lines,
                                           QByteArray& bytes);
// The lines of a file's bytes, split at CR LF, a lone CR or a lone LF; or the reason why they
// are not a text of the Windows-1251 code page.
std::optional<std::string> decodeSavedGame(const QByteArray& bytes,
                                           std::vector<std::string>& lines);

// Writes the lines in the Windows-1251 code page, each ended by CR LF. The file is replaced
// only when the whole of it has been written, so a failed save leaves the old file as it was.
// Returns the error to show the player, or nothing; `reason`, where given, takes the reason
// alone, for a caller that names the file in words of its own.
std::optional<std::string> writeSavedGameFile(const std::string& path,
                                              const std::vector<std::string>& lines,
                                              std::string* reason = nullptr);

// Reads a file of the Windows-1251 code page as lines, split at CR LF, a lone CR or a lone LF.
// Returns the error to show the player, or nothing.
std::optional<std::string> readSavedGameFile(const std::string& path,
                                             std::vector<std::string>& lines);

}  // namespace tessaro
