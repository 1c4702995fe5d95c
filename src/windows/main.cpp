#include <QApplication>
#include <QStyleFactory>
#include <chrono>

#include "core/Fonts.h"
#include "windows/Outside.h"
#include "windows/Program.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    // Windows end the program only where the game says so; a hidden main window does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tessaro::registerGameFonts();
    QApplication::setFont(tessaro::gameFont(11));

    tessaro::MessageBoxPresenter messages;
    tessaro::ProcessControl control;
    tessaro::Program program(messages, control, [] {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<std::uint32_t>(ticks);
    });
    program.start();
    return QApplication::exec();
}
