#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Marks a text that the player reads. The rules keep the game's own Russian, and the screen shows
// it in the player's language; the translation tools find the texts to translate by this mark.
#define GAME_TEXT(text) text

namespace tessaro {

// What every empty slot of the main window and every project label shows.
inline constexpr const char* kNone = GAME_TEXT("Нет");

// The reason of a greyed item that a screen reader leaves unsaid with its window: one of a long
// list that tells nothing the window does not say otherwise.
inline constexpr const char* kUnsaid = "";

// The first `count` characters of a UTF-8 text (the whole text if it is shorter).
std::string firstCharacters(const std::string& utf8, std::size_t count);

// The character of a UTF-8 text that starts at byte `at`, and `at` moved past it; nothing where
// the text is not UTF-8 there (a stray or missing continuation, an overlong form, a surrogate,
// past U+10FFFF), and `at` then moved one byte on.
std::optional<char32_t> nextCharacter(std::string_view utf8, std::size_t& at);

// Whether a UTF-8 text holds a control or formatting character (a line break, a tab, an escape,
// a soft hyphen, a direction mark, ...): characters that no name the player types may hold.
bool holdsControlCharacter(std::string_view utf8);

// At most the first `count` characters of a text, with an ellipsis when some were left off:
// how a message quotes what the player gave it.
std::string shortQuote(const std::string& utf8, std::size_t count);

// A text composed from a template: each %1 .. %9 in it replaced by the value of that number.
std::string fillIn(std::string_view textTemplate, std::span<const std::string_view> values);
inline std::string fillIn(std::string_view textTemplate,
                          std::initializer_list<std::string_view> values) {
    return fillIn(textTemplate, std::span(values.begin(), values.size()));
}

// Writes a text or a number in decimal into a caption, touching it only when it differs:
// the day clock rewrites captions a hundred times a second, nearly always with what they
// already show.
void setCaption(std::string& caption, std::string_view text);
void setCaption(std::string& caption, std::int32_t number);

}  // namespace tessaro
