#include "app/DesktopProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

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

}  // namespace

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

int sayThereIsNoDesktop(int argc, char* argv[]) {
    QCoreApplication terminal(argc, argv);
    useLanguage(chosenLanguage(QCoreApplication::arguments()));
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "tessaro", "Для игры нужен графический рабочий стол (X11 или Wayland).")));
    return 1;
}

}  // namespace tessaro
