#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tessaro {

namespace {

// The option of the language, described in the language of the moment.
QCommandLineOption languageOption() {
    const QString description = QCoreApplication::translate(
        "tessaro", "Язык игры: ru или en (по умолчанию язык рабочего стола).");
    return QCommandLineOption(QStringLiteral("language"), description, QStringLiteral("code"));
}

// Qt's own options (`-platform xcb`, `-display :0`, `-reverse`), which only the application
// takes off the command line, and whether each takes a value: given as the next argument, or
// after `=`. Qt reads them with one dash or two.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true}, {"qwindowtitle", true}, {"title", true},
    {"qwindowicon", true}, {"icon", true}, {"display", true}, {"name", true}, {"style", true},
    {"stylesheet", true}, {"session", true}, {"qmljsdebugger", true}, {"visual", true},
    {"ncols", true}, {"cmap", true}, {"widgetcount", false}, {"reverse", false},
    {"testability", false}, {"nograb", false}, {"dograb", false}, {"sync", false}};
// clang-format on

// One of Qt's options where the command line gives it: its name, its value, and how many
// arguments it takes up from `index`.
struct QtOptionGiven {
    std::string_view name;
    std::string_view value;
    int index;
    int count;
};

// Qt's options on the command line, in order, each with its value wherever it stands.
std::vector<QtOptionGiven> qtOptionsGiven(int argc, char* argv[]) {
    std::vector<QtOptionGiven> given;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--" || !argument.starts_with('-')) {
            continue;
        }
        argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto* option = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                          [name](const QtOption& o) { return o.name == name; });
        if (option == std::end(kQtOptions)) {
            continue;
        }
        if (equals != std::string_view::npos) {
            given.push_back({name, argument.substr(equals + 1), i, 1});
        } else if (option->takesValue && i + 1 < argc) {
            given.push_back({name, argv[i + 1], i, 2});
            ++i;
        } else {
            given.push_back({name, {}, i, 1});
        }
    }
    return given;
}

}  // namespace

std::optional<QString> readCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(languageOption());
    parser.addOption(
        QCommandLineOption(QStringLiteral("continue"),
                           QCoreApplication::translate(
                               "tessaro", "Продолжить последнюю игру, сохранённую самой игрой.")));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("tessaro", "Сохранённая игра (.tso), с которой начать."),
        QStringLiteral("[file]"));
    if (!parser.parse(arguments)) {
        return parser.errorText();
    }
    if (parser.positionalArguments().size() > 1) {
        return QCoreApplication::translate("tessaro", "Начать можно только одну сохранённую игру.");
    }
    if (parser.isSet(QStringLiteral("language")) &&
        !languageNamed(parser.value(QStringLiteral("language")))) {
        const QString unknown = QCoreApplication::translate(
            "tessaro", "Неизвестный язык: %1 (игра говорит на ru и en).");
        return unknown.arg(parser.value(QStringLiteral("language")));
    }
    return std::nullopt;
}

ScreenLanguage chosenLanguage(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(languageOption());
    // Whatever else is wrong with the command line is told later, in the language read here.
    static_cast<void>(parser.parse(arguments));
    if (const std::optional<ScreenLanguage> named =
            languageNamed(parser.value(QStringLiteral("language")))) {
        return *named;
    }
    return desktopLanguage(QLocale::system().uiLanguages());
}

bool asksHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "-?" || argument == "--help" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

QStringList gameArguments(int argc, char* argv[]) {
    const std::vector<QtOptionGiven> qtOptions = qtOptionsGiven(argc, argv);
    QStringList arguments;
    auto next = qtOptions.begin();
    for (int i = 0; i < argc; ++i) {
        if (next != qtOptions.end() && i == next->index) {
            i += next->count - 1;
            ++next;
            continue;
        }
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

QStringList restartArguments(int argc, char* argv[]) {
    QStringList kept;
    QCommandLineParser parser;
    if (!readCommandLine(parser, gameArguments(argc, argv)) &&
        parser.isSet(QStringLiteral("language"))) {
        kept << QStringLiteral("--language") << parser.value(QStringLiteral("language"));
    }
    for (const QtOptionGiven& option : qtOptionsGiven(argc, argv)) {
        for (int i = option.index; i < option.index + option.count; ++i) {
            kept.append(QString::fromLocal8Bit(argv[i]));
        }
    }
    return kept;
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
}

bool commandLineIsGood(int argc, char* argv[]) {
    QCommandLineParser parser;
    return !readCommandLine(parser, gameArguments(argc, argv));
}

std::string qtSetting(int argc, char* argv[], std::string_view name, const char* variable) {
    for (const QtOptionGiven& option : qtOptionsGiven(argc, argv)) {
        if (option.name == name) {
            return std::string(option.value);
        }
    }
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}

int answerOnTheTerminal(int argc, char* argv[]) {
    QCoreApplication terminal(argc, argv);
    nameTheProgram();
    // A terminal's application leaves Qt's options on the command line.
    useLanguage(chosenLanguage(gameArguments(argc, argv)));
    QCommandLineParser parser;
    if (const std::optional<QString> wrong = readCommandLine(parser, gameArguments(argc, argv))) {
        std::fprintf(stderr, "%s\n", qPrintable(*wrong));
        return 2;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Tessaro %s\n", TESSARO_VERSION);
        return 0;
    }
    parser.setApplicationDescription(QCoreApplication::translate(
        "tessaro", "Tessaro 1.1: от «Ламера» до «Хакера», симулятор жизни."));
    parser.showHelp(0);  // ends the program
}

std::string fileArgument(const std::vector<std::string>& arguments, const QString& file) {
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        if (QString::fromLocal8Bit(*argument) == file) {
            return *argument;
        }
    }
    return file.toStdString();
}

}  // namespace tessaro
