#include "app/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <chrono>
#include <cstdio>

#include "app/Program.h"
#include "app/QtShellPort.h"
#include "core/Fonts.h"
#include "core/Pictures.h"

namespace tessaro {

int runDesktop(int argc, char* argv[], const std::function<void(Program&)>& started) {
    QApplication application(argc, argv);
    prepareDesktop();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tessaro 1.1: from «Ламер» to «Хакер», a life simulation."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A saved game (.tso) to start from."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s\n", "Only one saved game can be started.");
        return 2;
    }

    QtShellPort outside;
    Program program(outside, &clockSeed);
    program.start(files.isEmpty() ? std::string() : files.front().toStdString());
    if (started) {
        started(program);
    }
    return QApplication::exec();
}

void prepareDesktop() {
    QApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
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
