// Saves pictures of the windows, each with an item under the pointer, as the offscreen
// platform draws them: a quick look at a layout between screenshots of the real program.
//
//   QT_QPA_PLATFORM=offscreen build/tests/window_shots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QRadioButton>

#include "core/ActionLabel.h"
#include "core/PictureButton.h"
#include "game/TfMain.h"
#include "support/RunFor.h"
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

    TestProgram t(seedDrawing(4, 1));  // a free line at every dial
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
    t.window(WindowId::fComputer)->close();

    // Development: a project under way.
    game.IdeId = 3;
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    openWith(t, "bDeveloperImage");
    GameWindow* developer = t.window(WindowId::fDeveloper);
    developer->activateWindow();
    QCoreApplication::processEvents();
    t.find<QRadioButton>(WindowId::fDeveloper, "ideKylix")->click();
    t.find<ActionLabel>(WindowId::fDeveloper, "devOS")->clicked();
    for (int tick = 0; tick < 241 * 4; ++tick) {
        t.tick();
    }
    sendPointerOver(t.find<ActionLabel>(WindowId::fDeveloper, "devBrowser"));
    save(developer, folder, QStringLiteral("developer"));
    developer->close();

    // The internet: offline, dialling, online with a download, a mission running.
    game.InternetOpen = game.main.bInternetImageEnabled = true;
    game.ToolOwned = {true, false, true, false, false};
    openWith(t, "bInternetImage");
    GameWindow* internet = t.window(WindowId::fInternet);
    save(internet, folder, QStringLiteral("internet-offline"));
    t.find<ActionLabel>(WindowId::fInternet, "lConnect")->clicked();
    VirtualTime time(game);
    time.runFor(700);
    t.program.shell().sync();
    save(internet, folder, QStringLiteral("internet-dialling"));
    time.runFor(2000);
    if (!game.Connected) {
        t.find<ActionLabel>(WindowId::fInternet, "lConnect")->clicked();
        time.runFor(1100);
    }
    t.find<ActionLabel>(WindowId::fInternet, "surfTools")->clicked();
    t.find<ActionLabel>(WindowId::fInternet, "lLPS")->clicked();
    time.runFor(3000);
    t.program.shell().sync();
    sendPointerOver(t.find<ActionLabel>(WindowId::fInternet, "Label5"));
    save(internet, folder, QStringLiteral("internet-download"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fInternet, "Label5"));
    time.runFor(20000);
    t.find<ActionLabel>(WindowId::fInternet, "FTPnARCHack")->clicked();
    t.find<ActionLabel>(WindowId::fInternet, "surfMarket")->clicked();
    time.runFor(3000);
    sendPointerOver(t.find<ActionLabel>(WindowId::fInternet, "CompHacknDownload"));
    t.program.shell().sync();
    save(internet, folder, QStringLiteral("internet-mission"));
    internet->close();

    openWith(t, "bRestImage");
    sendPointerOver(t.find<ActionLabel>(WindowId::Form3, "lSkate"));
    save(t.window(WindowId::Form3), folder, QStringLiteral("rest"));
    t.window(WindowId::Form3)->close();

    // The virus comes at the end of today.
    game.VirusDay = game.Day;
    game.DayTicks = 240;
    game.OsId = 3;
    game.AvId = 1;
    t.tick();
    save(t.window(WindowId::Form4), folder, QStringLiteral("virus"));
    t.find<ActionLabel>(WindowId::Form4, "Label2")->clicked();
    save(t.window(WindowId::Form4), folder, QStringLiteral("virus-struck"));
    return 0;
}
