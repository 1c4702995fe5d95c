// Saves pictures of the windows, each with an item under the pointer, as the offscreen
// platform draws them: a quick look at a layout between screenshots of the real program.
//
//   QT_QPA_PLATFORM=offscreen build/tests/window_shots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>

#include "core/ActionLabel.h"
#include "core/PictureButton.h"
#include "core/TfMain.h"
#include "support/TestProgram.h"

using namespace tessaro;
using namespace tessaro::testing;

namespace {

void save(GameWindow* window, const QString& folder, const QString& name) {
    QCoreApplication::processEvents();
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void openWith(TestProgram& t, const char* button) {
    t.find<PictureButton>(WindowId::fMain, button)->clicked();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    TestProgram t;
    t.startGame();
    Game& game = t.game();
    game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
    game.DiskTotal = game.DiskFree = 40000;
    game.SoftwareOpen = game.main.bSoftwareImageEnabled = true;
    game.Money = 5000;
    t.program.shell().sync();
    save(t.fMain(), folder, QStringLiteral("main"));

    openWith(t, "bSoftwareImage");
    GameWindow* software = t.window(WindowId::fSoftware);
    sendPointerOver(t.find<ActionLabel>(WindowId::fSoftware, "osLH"));
    save(software, folder, QStringLiteral("software-installable"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fSoftware, "osLH"));
    sendPointerOver(t.find<ActionLabel>(WindowId::fSoftware, "dvKL"));
    save(software, folder, QStringLiteral("software-not-installable"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fSoftware, "dvKL"));
    software->close();

    openWith(t, "bEducationImage");
    GameWindow* education = t.window(WindowId::fEducation);
    sendPointerOver(t.find<ActionLabel>(WindowId::fEducation, "edDVKL"));
    save(education, folder, QStringLiteral("education"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fEducation, "edDVKL"));
    education->close();

    game.Knowledge.fill(true);
    openWith(t, "bJobImage");
    GameWindow* job = t.window(WindowId::fJob);
    sendPointerOver(t.find<ActionLabel>(WindowId::fJob, "jWebmaster"));
    save(job, folder, QStringLiteral("job"));
    game.Knowledge.fill(false);
    sendPointerOver(t.find<ActionLabel>(WindowId::fJob, "jLinuxcoder"));
    save(job, folder, QStringLiteral("job-refused"));
    job->close();

    openWith(t, "bComputerImage");
    sendPointerOver(t.find<ActionLabel>(WindowId::fComputer, "prP3000"));
    save(t.window(WindowId::fComputer), folder, QStringLiteral("shop"));
    return 0;
}
