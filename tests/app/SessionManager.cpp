// A session manager of the desktop's kind (XSMP, over ICE), just large enough for the test of
// the game's session (tests/app/session.sh): it listens, prints the address that a program
// finds in SESSION_MANAGER, and when it reads a line on its input, asks the program that
// registered to save itself as at a logout. Once the program is done it prints the restart
// command the program gave, and cancels the logout, as when another program refuses it; it
// ends at the end of its input.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

SmsConn client = nullptr;
bool registered = false;
bool done = false;
std::string restartCommand;

Status registerClient(SmsConn connection, SmPointer /*data*/, char* previousId) {
    std::free(previousId);
    char* id = SmsGenerateClientID(connection);
    SmsRegisterClientReply(connection, id);
    registered = true;
    return 1;
}

void saveYourselfDone(SmsConn connection, SmPointer /*data*/, Bool success) {
    std::printf("saved %s\nrestart %s\n", success ? "yes" : "no", restartCommand.c_str());
    std::fflush(stdout);
    SmsShutdownCancelled(connection);
}

void setProperties(SmsConn /*connection*/, SmPointer /*data*/, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(properties[i]->name, SmRestartCommand) == 0) {
            restartCommand.clear();
            for (int value = 0; value < properties[i]->num_vals; ++value) {
                restartCommand += (value > 0 ? " " : "");
                restartCommand += std::string(static_cast<char*>(properties[i]->vals[value].value),
                                              properties[i]->vals[value].length);
            }
        }
        SmFreeProperty(properties[i]);
    }
    std::free(properties);
}

void ignoreRequest(SmsConn, SmPointer) {}
void ignoreDialogRequest(SmsConn, SmPointer, int) {}
void ignoreSaveRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void ignoreInteractDone(SmsConn, SmPointer, Bool) {}
void ignoreClose(SmsConn, SmPointer, int, char**) {}
void ignoreDelete(SmsConn, SmPointer, int, char**) {}
void ignoreGet(SmsConn, SmPointer) {}

Status newClient(SmsConn connection, SmPointer /*data*/, unsigned long* mask,
                 SmsCallbacks* callbacks, char** /*failure*/) {
    client = connection;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = ignoreDialogRequest;
    callbacks->interact_done.callback = ignoreInteractDone;
    callbacks->save_yourself_request.callback = ignoreSaveRequest;
    callbacks->save_yourself_phase2_request.callback = ignoreRequest;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = ignoreClose;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = ignoreDelete;
    callbacks->get_properties.callback = ignoreGet;
    return 1;
}

Bool anyHost(char* /*host*/) {
    return True;
}

}  // namespace

int main() {
    char error[256] = {};
    if (!SmsInitialize("tessaro-test", "1.0", newClient, nullptr, anyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    }
    char* address = IceComposeNetworkIdList(count, listeners);
    std::printf("%s\n", address);
    std::fflush(stdout);

    std::vector<IceConn> connections;
    bool asked = false;
    while (!done) {
        std::vector<pollfd> watched;
        for (int i = 0; i < count; ++i) {
            watched.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        }
        for (IceConn connection : connections) {
            watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        }
        watched.push_back({0, POLLIN, 0});
        if (poll(watched.data(), watched.size(), 60000) <= 0) {
            std::fprintf(stderr, "nothing happened for a minute\n");
            return 1;
        }
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if ((watched[i].revents & POLLIN) == 0) {
                continue;
            }
            if (i + 1 == watched.size()) {
                char line[64];
                if (std::fgets(line, sizeof line, stdin) == nullptr) {
                    done = true;
                } else if (registered && !asked && client != nullptr) {
                    // As at a logout: save, and prepare to end.
                    SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
                    asked = true;
                }
            } else if (i < static_cast<std::size_t>(count)) {
                IceAcceptStatus accepted;
                IceConn connection = IceAcceptConnection(listeners[i], &accepted);
                if (connection != nullptr) {
                    IceConnectStatus status;
                    while ((status = IceConnectionStatus(connection)) == IceConnectPending) {
                        IceProcessMessages(connection, nullptr, nullptr);
                    }
                    if (status == IceConnectAccepted) {
                        connections.push_back(connection);
                    }
                }
            } else {
                IceProcessMessages(connections[i - count], nullptr, nullptr);
            }
        }
    }
    return 0;
}
