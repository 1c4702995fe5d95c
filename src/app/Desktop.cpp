#include "app/Desktop.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "app/QtShellPort.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

// The option of the language, described in the language of the moment.
QCommandLineOption languageOption() {
    const QString description = QCoreApplication::translate(
        "tessaro", "Язык игры: ru или en (по умолчанию язык рабочего стола).");
    return QCommandLineOption(QStringLiteral("language"), description, QStringLiteral("code"));
}

// Reads the command line; returns what is wrong with it, in the language of the moment.
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

// The language that the command line names, where the game speaks it, or else the desktop's:
// known before the command line is read, so that what is wrong with it is said in it.
ScreenLanguage chosenLanguage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<ScreenLanguage> named;
        if (argument == QLatin1String("--language") && i + 1 < arguments.size()) {
            named = languageNamed(arguments[i + 1]);
        } else if (argument.startsWith(QLatin1String("--language="))) {
            named = languageNamed(argument.section(QLatin1Char('='), 1));
        }
        if (named) {
            return *named;
        }
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

// The command line without Qt's own options and their values: what the game reads of it.
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

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
}

// Whether the game's command line is good, read before there is an application, so that a
// bad one is answered without a display, as the help is.
bool commandLineIsGood(int argc, char* argv[]) {
    QCommandLineParser parser;
    return !readCommandLine(parser, gameArguments(argc, argv));
}

// The value of Qt's own option `name` on the command line, or else that of the environment's
// variable.
std::string qtSetting(int argc, char* argv[], std::string_view name, const char* variable) {
    for (const QtOptionGiven& option : qtOptionsGiven(argc, argv)) {
        if (option.name == name) {
            return std::string(option.value);
        }
    }
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}

bool anXServerAnswers(const std::string& display) {
    xcb_connection_t* connection =
        xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool aWaylandCompositorListens() {
    std::string socket =
        qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")).toStdString();
    if (!socket.starts_with('/')) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr) {
            return false;
        }
        socket = std::string(runtime) + '/' + socket;
    }
    // A compositor that has gone can leave its socket behind: only one that answers is there.
    sockaddr_un address{};
    if (socket.size() >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    socket.copy(address.sun_path, socket.size());
    const int endpoint = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (endpoint < 0) {
        return false;
    }
    const bool answers =
        ::connect(endpoint, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(endpoint);
    return answers;
}

// Whether the desktop platform that Qt would choose has a desktop to show the windows on: an X
// server that answers, or a Wayland compositor's socket. A platform of another kind (offscreen,
// vnc) is Qt's to judge.
bool aDesktopIsThere(int argc, char* argv[]) {
    const std::string platform = qtSetting(argc, argv, "platform", "QT_QPA_PLATFORM");
    const bool x11 = platform.empty() || platform.find("xcb") != std::string::npos;
    const bool wayland = platform.empty() || platform.find("wayland") != std::string::npos;
    if (!x11 && !wayland) {
        return true;
    }
    return (wayland && aWaylandCompositorListens()) ||
           (x11 && anXServerAnswers(qtSetting(argc, argv, "display", "DISPLAY")));
}

// Without a desktop Qt would end the program with its own English words and a crash's
// status: the game says it in its own language and ends as a program that could not start.
int sayThereIsNoDesktop(int argc, char* argv[]) {
    QCoreApplication terminal(argc, argv);
    useLanguage(chosenLanguage(QCoreApplication::arguments()));
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "tessaro", "Для игры нужен графический рабочий стол (X11 или Wayland).")));
    return 1;
}

// Where the signals that ask the program to end are told to the event loop.
int endRequests[2] = {-1, -1};

extern "C" void askToEnd(int /*signal*/) {
    const char request = 0;
    [[maybe_unused]] const ssize_t written = ::write(endRequests[1], &request, 1);
}

// A program asked to end (SIGTERM, SIGHUP, SIGINT) or a desktop session that ends keeps the
// game in progress for `--continue`, as leaving by «Выход» does. The session manager restarts
// the game with it at the next login.
void keepTheGameWhenAskedToEnd(Shell& shell) {
    if (::pipe2(endRequests, O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* requests = new QSocketNotifier(endRequests[0], QSocketNotifier::Read, qApp);
        QObject::connect(requests, &QSocketNotifier::activated, qApp, [&shell] {
            char request = 0;
            while (::read(endRequests[0], &request, 1) > 0) {
            }
            shell.endProgram();
        });
        struct sigaction action {};
        action.sa_handler = askToEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            sigaction(signal, &action, nullptr);
        }
    }
    // The session manager asks for the program's state at every checkpoint, and for its data
    // before the session ends: the last game is both.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [&shell](QSessionManager& /*manager*/) { shell.keepTheGame(); });
    QObject::connect(
        qApp, &QGuiApplication::saveStateRequest, qApp, [&shell](QSessionManager& manager) {
            shell.keepTheGame();
            manager.setRestartCommand(
                {QCoreApplication::applicationFilePath(), QStringLiteral("--continue")});
            manager.setRestartHint(QSessionManager::RestartIfRunning);
        });
}

// The help, the version, or what is wrong with the command line, in the game's language on a
// terminal, with no window and so no display.
int answerOnTheTerminal(int argc, char* argv[]) {
    QCoreApplication terminal(argc, argv);
    nameTheProgram();
    useLanguage(chosenLanguage(QCoreApplication::arguments()));
    // A terminal's application leaves Qt's options on the command line.
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
        return answerOnTheTerminal(argc, argv);
    }
    if (!aDesktopIsThere(argc, argv)) {
        return sayThereIsNoDesktop(argc, argv);
    }
    // A save that reaches the file size limit fails with its reason instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // The application takes its own options off argv; the file's bytes are kept before.
    const std::vector<std::string> arguments(argv, argv + argc);
    choosePlatformDefaults();
    // Reading the desktop's font configuration is the longest step before the start window,
    // and connecting to the display does not need it: a second thread reads it meanwhile, and
    // Qt finds it read.
    std::thread fontConfiguration(&FcInit);
    QApplication application(argc, argv);
    fontConfiguration.join();
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
    if (continuing && !savedGame.empty() && !program.game().window(WindowId::fMain).shown) {
        // The player has read why it did not load; the slot is kept for him to look at.
        outside.keepTheSlotAside();
    }
    keepTheGameWhenAskedToEnd(program.shell());
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
