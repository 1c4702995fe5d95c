#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/ScreenLanguage.h"

namespace tessaro {

// The command line. The game's own options (`--language`, `--continue`, a saved game) are read
// with QCommandLineParser; Qt's own options (`-platform xcb`, `-display :0`, `-reverse`), which
// only the application takes off the command line, are read by one reader here, each with its
// value wherever it stands, so that the game can be asked before there is an application.

// Reads the game's command line, Qt's options taken off; returns what is wrong with it, in the
// language of the moment.
std::optional<QString> readCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// The language that the command line names, where the game speaks it, or else the desktop's.
ScreenLanguage chosenLanguage(const QStringList& arguments);

// Whether the command line asks for the help or the version, which a terminal without a
// display must be able to answer.
bool asksHelpOrVersion(int argc, char* argv[]);

// The command line without Qt's own options and their values: what the game reads of it.
QStringList gameArguments(int argc, char* argv[]);

// What a new program of the game is started with, by "Новая" or by the session manager: the
// options this one was given (the language, Qt's own with their values), without the game it
// started from (`--continue`, a saved game).
QStringList restartArguments(int argc, char* argv[]);

// The value of Qt's own option `name` on the command line, or else that of the environment's
// variable.
std::string qtSetting(int argc, char* argv[], std::string_view name, const char* variable);

// Whether the game's command line is good, read before there is an application, so that a
// bad one is answered without a display, as the help is.
bool commandLineIsGood(int argc, char* argv[]);

// The help, the version, or what is wrong with the command line, in the game's language on a
// terminal, with no window and so no display. Returns the program's exit status.
int answerOnTheTerminal(int argc, char* argv[]);

// The bytes of the argument that the parser read as `file`: a name that is not UTF-8 (a
// Latin-1 name from an old disk) opens by them, not by what QString made of it.
std::string fileArgument(const std::vector<std::string>& arguments, const QString& file);

// The program's name and version, as the desktop and `--version` know them.
void nameTheProgram();

}  // namespace tessaro
