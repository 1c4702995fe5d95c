// The game on Linux: X11 or Wayland, POSIX signals, fontconfig.
#include "app/System.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "app/CommandLine.h"

namespace tessaro {

namespace {

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

void onSignals(std::initializer_list<int> numbers, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : numbers) {
        sigaction(signal, &action, nullptr);
    }
}

// Where the signals that ask the program to end are told to the event loop.
int endRequests[2] = {-1, -1};

extern "C" void askToEnd(int /*signal*/) {
    const char request = 0;
    [[maybe_unused]] const ssize_t written = ::write(endRequests[1], &request, 1);
}

volatile std::sig_atomic_t resumed = 0;

extern "C" void noteResumption(int /*signal*/) {
    resumed = 1;
}

}  // namespace

std::function<void()> prepareTheSystem() {
    std::signal(SIGXFSZ, SIG_IGN);
    // Connecting to the display does not need the font configuration: a second thread reads
    // it meanwhile, and Qt finds it read.
    auto fonts = std::make_shared<std::thread>(&FcInit);
    return [fonts] { fonts->join(); };
}

void findTheTerminal() {}

bool aDesktopIsThere(int argc, char* argv[]) {
    // A platform of another kind (offscreen, vnc) is Qt's to judge.
    const std::string platform = qtSetting(argc, argv, "platform", "QT_QPA_PLATFORM");
    const bool x11 = platform.empty() || platform.find("xcb") != std::string::npos;
    const bool wayland = platform.empty() || platform.find("wayland") != std::string::npos;
    if (!x11 && !wayland) {
        return true;
    }
    return (wayland && aWaylandCompositorListens()) ||
           (x11 && anXServerAnswers(qtSetting(argc, argv, "display", "DISPLAY")));
}

void onTheSystemsRequestToEnd(std::function<void()> end) {
    if (::pipe2(endRequests, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* requests = new QSocketNotifier(endRequests[0], QSocketNotifier::Read, qApp);
    QObject::connect(requests, &QSocketNotifier::activated, qApp, [end = std::move(end)] {
        char request = 0;
        while (::read(endRequests[0], &request, 1) > 0) {
        }
        end();
    });
    onSignals({SIGTERM, SIGHUP, SIGINT}, askToEnd);
}

void listenForResumption() {
    static const bool listening = [] {
        onSignals({SIGCONT}, noteResumption);
        return true;
    }();
    static_cast<void>(listening);
}

bool resumedFromStop() {
    if (resumed == 0) {
        return false;
    }
    resumed = 0;
    return true;
}

bool sendTheKeyboardRoundAgain(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return false;
    }
    // The X server already gives the keys to the window in play, so that asking for it
    // changes nothing and Qt hears of nothing: the focus goes round through no window and
    // back, which the server reports to Qt as any change of focus.
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window->winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
    return true;
}

}  // namespace tessaro
