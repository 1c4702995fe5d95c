#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace tessaro {

// The language of everything the player reads. The rules and the saved games keep the game's own
// Russian; a translation is applied where a text reaches the screen.
enum class ScreenLanguage { Russian, English };

// Chooses the language of the whole program, Qt's own texts (the file dialogs' buttons, the
// reasons of file errors) with it. The windows take their texts when they are made, so the
// language is chosen before the first of them.
void useLanguage(ScreenLanguage language);
ScreenLanguage screenLanguage();

// The first of the desktop's languages, in its order of preference, that the game speaks
// (QLocale::system().uiLanguages()); the game's own Russian where it speaks none of them.
ScreenLanguage desktopLanguage(const QStringList& uiLanguages);
// The language that a command line names by its code ("ru", "en"), if the game speaks it.
std::optional<ScreenLanguage> languageNamed(const QString& code);

// A text that the rules produced, in the screen's language. A text of the game is translated
// whole; a text composed from one of the rules' templates is translated as its template, and
// the values are filled in again, each translated in turn where it is a text of the game (a
// number or a product's name stays as it is).
QString gameText(std::string_view russian);

}  // namespace tessaro
