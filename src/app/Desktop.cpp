#include "app/Desktop.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStyleFactory>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "app/QtShellPort.h"
#include "core/Fonts.h"
#include "core/Pictures.h"

namespace tessaro {

namespace {

const QCommandLineOption& languageOption() {
    static const QCommandLineOption option(
        QStringLiteral("language"),
        QStringLiteral("The language of the game: ru or en (by default the desktop's)."),
        QStringLiteral("code"));
    return option;
}

// Reads the command line; a line it cannot read is said on the terminal.
bool readCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(languageOption());
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A saved game (.tso) to start from."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "%s\n", "Only one saved game can be started.");
        return false;
    }
    if (parser.isSet(languageOption()) && !languageNamed(parser.value(languageOption()))) {
        std::fprintf(stderr, "Unknown language: %s (the game speaks ru and en).\n",
                     qPrintable(parser.value(languageOption())));
        return false;
    }
    return true;
}

// The language that the command line names, or else the desktop's.
ScreenLanguage chosenLanguage(const QCommandLineParser& parser) {
    if (parser.isSet(languageOption())) {
        return *languageNamed(parser.value(languageOption()));
    }
    return desktopLanguage(QLocale::system().uiLanguages());
}

// Whether the command line asks for the help or the version, which a terminal without a
// display must be able to answer.
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

// Whether the command line holds an option of Qt's own platform (`-platform`, `-style`,
// `-display`, ...), which only the application takes off it.
bool namesQtOption(int argc, char* argv[]) {
    // clang-format off
    static constexpr std::string_view kQtOptions[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "display", "name", "style",
        "stylesheet", "widgetcount", "reverse", "session", "testability", "qmljsdebugger",
        "visual", "ncols", "cmap", "nograb", "dograb", "sync"};
    // clang-format on
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (!argument.starts_with('-')) {
            continue;
        }
        argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
        argument = argument.substr(0, argument.find('='));
        if (std::find(std::begin(kQtOptions), std::end(kQtOptions), argument) !=
            std::end(kQtOptions)) {
            return true;
        }
    }
    return false;
}

// Reads the game's command line before there is an application, so that a bad one is told
// and refused without a display, as the help is given.
bool commandLineIsGood(int argc, char* argv[]) {
    if (namesQtOption(argc, argv)) {
        // Read after the application has taken Qt's options off it.
        return true;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    return readCommandLine(parser, arguments);
}

// The bytes of the argument that the parser read as `file`: a name that is not UTF-8 (a
// Latin-1 name from an old disk) opens by them, not by what QString made of it.
std::string fileArgument(const std::vector<std::string>& arguments, const QString& file) {
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        if (QString::fromLocal8Bit(*argument) == file) {
            return *argument;
        }
    }
    return file.toStdString();
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
}

}  // namespace

int runDesktop(int argc, char* argv[]) {
    if (asksHelpOrVersion(argc, argv)) {
        // No window is needed, so no screen either: the application of a terminal program.
        QCoreApplication terminal(argc, argv);
        nameTheProgram();
        QCommandLineParser parser;
        if (!readCommandLine(parser, QCoreApplication::arguments())) {
            return 2;
        }
        useLanguage(chosenLanguage(parser));
        parser.setApplicationDescription(QCoreApplication::translate(
            "tessaro", "Tessaro 1.1: from «Ламер» to «Хакер», a life simulation."));
        parser.process(terminal);  // prints the answer and ends the program
    }
    if (!commandLineIsGood(argc, argv)) {
        return 2;
    }
    // A save that reaches the file size limit fails with its reason instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // The application takes its own options off argv; the file's bytes are kept before.
    const std::vector<std::string> arguments(argv, argv + argc);
    // The windows are small: drawing them through the X server's shared memory saves nothing,
    // and every repaint would wake the program twice more, for the server's word that it has
    // read the memory. Without it an idle game wakes only for the ticks the player sees.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // Reading the desktop's font configuration is the longest step before the start window,
    // and connecting to the display does not need it: a second thread reads it meanwhile, and
    // Qt finds it read.
    std::thread fontConfiguration(&FcInit);
    QApplication application(argc, argv);
    fontConfiguration.join();
    QCommandLineParser parser;
    if (!readCommandLine(parser, QCoreApplication::arguments())) {
        return 2;
    }
    prepareDesktop(chosenLanguage(parser));

    const QStringList files = parser.positionalArguments();

    QtShellPort outside;
    Program program(outside, &clockSeed);
    outside.setDialogOwner([&program] { return program.shell().dialogOwner(); });
    program.start(files.isEmpty() ? std::string() : fileArgument(arguments, files.front()));
    return QApplication::exec();
}

void prepareDesktop(ScreenLanguage language) {
    nameTheProgram();
    // Before the first window and the first dialog: a window takes its texts when it is made,
    // and a dialog's reason of an error would otherwise change language once one had opened.
    useLanguage(language);
    // Every window carries the program's icon; the desktop finds the entry it was started from.
    QApplication::setWindowIcon(programIcon());
    QApplication::setDesktopFileName(QStringLiteral(TESSARO_APP_ID));
    // Windows end the program only where the game says so; a hidden main window does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerGameFonts();
    QApplication::setFont(gameFont(11));
}

std::uint32_t clockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

}  // namespace tessaro
