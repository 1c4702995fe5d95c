#include "app/Desktop.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPalette>
#include <QStyleFactory>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/EndRequests.h"
#include "app/NoDesktop.h"
#include "app/Program.h"
#include "app/QtShellPort.h"
#include "app/System.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

// Sets a variable of the environment that Qt reads, unless the player has set it.
void defaultEnvironment(const char* name, const char* value) {
    if (!qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
}

}  // namespace

void choosePlatformDefaults() {
    // The windows are small: drawing them through the X server's shared memory saves nothing,
    // and every repaint would wake the program twice more, for the server's word that it has
    // read the memory. Without it an idle game wakes only for the ticks the player sees.
    defaultEnvironment("QT_XCB_NO_MITSHM", "1");
    // On Wayland the game draws every caption itself (Qt's would offer minimising and
    // maximising): without Qt's captions the platform does not load the graphics library
    // (EGL, Mesa and LLVM, some 50 MB) that it asks whether they could be drawn by it.
    defaultEnvironment("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    // After each repaint Qt would wake a tenth of a second later to see whether the
    // compositor answered; it matters only to programs that wait for the answer to draw, and
    // the game draws when its clock says.
    defaultEnvironment("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
}

int runDesktop(int argc, char* argv[]) {
    if (asksHelpOrVersion(argc, argv) || !commandLineIsGood(argc, argv)) {
        findTheTerminal();
        return answerOnTheTerminal(argc, argv);
    }
    if (!aDesktopIsThere(argc, argv)) {
        return sayThereIsNoDesktop(argc, argv);
    }
    // The environment is set before the system's preparation starts a thread that reads it
    // (the font configuration): setting a variable while another thread reads one can crash.
    choosePlatformDefaults();
    const std::function<void()> systemReady = prepareTheSystem();
    // The application takes its own options off argv; the file's bytes are kept before, and
    // what a new program is started with.
    const std::vector<std::string> arguments(argv, argv + argc);
    const QStringList restart = restartArguments(argc, argv);
    QApplication application(argc, argv);
    systemReady();
    const ScreenLanguage language = chosenLanguage(QCoreApplication::arguments());
    useLanguage(language);
    QCommandLineParser parser;
    if (const std::optional<QString> wrong =
            readCommandLine(parser, QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(*wrong));
        return 2;
    }
    prepareDesktop(language);

    const QStringList files = parser.positionalArguments();

    QtShellPort outside;
    outside.setRestartArguments(restart);
    Program program(outside, &clockSeed);
    outside.setDialogOwner([&program] { return program.shell().dialogOwner(); });
    std::string savedGame =
        files.isEmpty() ? std::string() : fileArgument(arguments, files.front());
    const bool continuing = savedGame.empty() && parser.isSet(QStringLiteral("continue"));
    if (continuing) {
        if (QFileInfo::exists(QtShellPort::lastGameSlot())) {
            savedGame = QtShellPort::lastGameSlot().toStdString();
        } else {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                             "tessaro", "Последней игры нет: начинается новая.")));
        }
    }
    program.start(savedGame, continuing);
    if (!continuing && !savedGame.empty()) {
        outside.startedFrom(QString::fromStdString(savedGame));
    }
    if (continuing && !savedGame.empty() && !program.game().window(WindowId::fMain).shown) {
        // The player has read why it did not load; the slot is kept for him to look at.
        outside.keepTheSlotAside();
    }
    keepTheGameWhenAskedToEnd(program.shell(), restart);
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
    // A greyed item is lighter than an item at rest (grey 128) on every system: Windows' own
    // greyed text is darker, and would look like an item that can be taken.
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(190, 190, 190));
    }
    QApplication::setPalette(palette);
    registerGameFonts();
    QApplication::setFont(gameFont(11));
    if (WindowCaption::drawnByTheGame()) {
        // Qt's Wayland client asks the compositor to activate the window with the focus at every
        // change of the control with the focus: a Tab, a window greyed, and a window beneath
        // that the compositor activated on a click asks for itself again. The game asks for its
        // window in play itself, once, when it should come forward (the window stack).
        QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, qApp, nullptr);
    }
}

std::uint32_t clockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

}  // namespace tessaro
