// Times a program from its start until its first window is mapped on the X screen, seen from
// outside the program, so that neither its own code nor its teardown counts. Prints the
// milliseconds, then ends the program.
//   map_watch PROGRAM [ARGUMENTS...]
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_watch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the server watches the root window before the program starts.
    xcb_generic_error_t* error = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
    if (error != nullptr) {
        std::fprintf(stderr, "map_watch: cannot watch the screen\n");
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::_Exit(127);
    }
    // A program that shows no window within ten seconds has failed.
    int found = 1;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (found != 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) != 0 || poll(&watched, 1, 10000) <= 0) {
                break;
            }
            continue;
        }
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY &&
            reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect == 0) {
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", elapsed.count());
            found = 0;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return found;
}
