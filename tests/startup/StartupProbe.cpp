// Starts the program as main() does and ends it as soon as the start window has painted:
// scripts/startup-time.sh times it against BareWindowProbe.
#include "app/Desktop.h"
#include "app/Program.h"
#include "startup/FirstPaint.h"

int main(int argc, char* argv[]) {
    return tessaro::runDesktop(argc, argv, [](tessaro::Program& program) {
        tessaro::testing::quitAtFirstPaint(program.window(tessaro::WindowId::fStart));
    });
}
