// Saves pictures of the windows, each with an item under the pointer, as the offscreen
// platform draws them: a quick look at a layout between screenshots of the real program.
//
//   QT_QPA_PLATFORM=offscreen build/tests/window_shots OUTPUT_FOLDER [ru|en]
#include <QApplication>
#include <QDir>

#include "support/WindowWalk.h"

using namespace tessaro;
using namespace tessaro::testing;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    prepareApplication(
        argc > 2 ? languageNamed(QString::fromLocal8Bit(argv[2])).value_or(ScreenLanguage::Russian)
                 : ScreenLanguage::Russian);
    QDir().mkpath(folder);

    TestProgram t(seedDrawing(4, 1));  // a free line at every dial
    t.startGame();
    walkTheWindows(t, [&folder](GameWindow* window, const QString& state) {
        QCoreApplication::processEvents();
        window->grab().save(folder + QLatin1Char('/') + state + QStringLiteral(".png"));
    });
    return 0;
}
