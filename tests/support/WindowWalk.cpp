#include "support/WindowWalk.h"

#include <QCoreApplication>
#include <QRadioButton>

#include "game/TfMain.h"
#include "support/RunFor.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

namespace {

// Takes an item as the player does, once the screen shows what the test changed of the game:
// a greyed item refuses.
void take(TestProgram& t, WindowId window, const char* item) {
    t.program.shell().sync();
    t.find<QAbstractButton>(window, item)->click();
}

void openWith(TestProgram& t, const char* button) {
    take(t, WindowId::fMain, button);
}

}  // namespace

void walkTheWindows(TestProgram& t, const WindowVisit& visit) {
    Game& game = t.game();
    game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
    game.DiskTotal = game.DiskFree = 40000;
    game.SoftwareOpen = game.main.bSoftwareImageEnabled = true;
    game.Money = 5000;
    t.program.shell().sync();
    visit(t.fMain(), QStringLiteral("main"));

    openWith(t, "bSoftwareImage");
    GameWindow* software = t.window(WindowId::fSoftware);
    sendPointerOver(t.find<ActionLabel>(WindowId::fSoftware, "osLH"));
    visit(software, QStringLiteral("software-installable"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fSoftware, "osLH"));
    sendPointerOver(t.find<ActionLabel>(WindowId::fSoftware, "dvKL"));
    visit(software, QStringLiteral("software-not-installable"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fSoftware, "dvKL"));
    software->close();

    openWith(t, "bEducationImage");
    GameWindow* education = t.window(WindowId::fEducation);
    sendPointerOver(t.find<ActionLabel>(WindowId::fEducation, "edDVKL"));
    visit(education, QStringLiteral("education"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fEducation, "edDVKL"));
    education->close();

    game.Knowledge.fill(true);
    openWith(t, "bJobImage");
    GameWindow* job = t.window(WindowId::fJob);
    sendPointerOver(t.find<ActionLabel>(WindowId::fJob, "jWebmaster"));
    visit(job, QStringLiteral("job"));
    game.Knowledge.fill(false);
    sendPointerOver(t.find<ActionLabel>(WindowId::fJob, "jLinuxcoder"));
    visit(job, QStringLiteral("job-refused"));
    job->close();

    openWith(t, "bComputerImage");
    sendPointerOver(t.find<ActionLabel>(WindowId::fComputer, "prP3000"));
    visit(t.window(WindowId::fComputer), QStringLiteral("shop"));
    t.window(WindowId::fComputer)->close();

    // Development: a project under way.
    game.IdeId = 3;
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    openWith(t, "bDeveloperImage");
    GameWindow* developer = t.window(WindowId::fDeveloper);
    developer->activateWindow();
    QCoreApplication::processEvents();
    t.find<QRadioButton>(WindowId::fDeveloper, "ideKylix")->click();
    take(t, WindowId::fDeveloper, "devOS");
    for (int tick = 0; tick < 241 * 4; ++tick) {
        t.tick();
    }
    sendPointerOver(t.find<ActionLabel>(WindowId::fDeveloper, "devBrowser"));
    visit(developer, QStringLiteral("developer"));
    developer->close();

    // The internet: offline, dialling, online with a download, a mission running.
    game.InternetOpen = game.main.bInternetImageEnabled = true;
    game.ToolOwned = {true, false, true, false, false};
    openWith(t, "bInternetImage");
    GameWindow* internet = t.window(WindowId::fInternet);
    visit(internet, QStringLiteral("internet-offline"));
    take(t, WindowId::fInternet, "lConnect");
    VirtualTime time(game);
    time.runFor(700);
    t.program.shell().sync();
    visit(internet, QStringLiteral("internet-dialling"));
    time.runFor(2000);
    if (!game.Connected) {
        take(t, WindowId::fInternet, "lConnect");
        time.runFor(1100);
    }
    take(t, WindowId::fInternet, "surfTools");
    take(t, WindowId::fInternet, "lLPS");
    time.runFor(3000);
    t.program.shell().sync();
    sendPointerOver(t.find<ActionLabel>(WindowId::fInternet, "Label5"));
    visit(internet, QStringLiteral("internet-download"));
    sendPointerLeave(t.find<ActionLabel>(WindowId::fInternet, "Label5"));
    time.runFor(20000);
    take(t, WindowId::fInternet, "FTPnARCHack");
    take(t, WindowId::fInternet, "surfMarket");
    time.runFor(3000);
    sendPointerOver(t.find<ActionLabel>(WindowId::fInternet, "CompHacknDownload"));
    t.program.shell().sync();
    visit(internet, QStringLiteral("internet-mission"));
    internet->close();

    openWith(t, "bRestImage");
    sendPointerOver(t.find<ActionLabel>(WindowId::Form3, "lSkate"));
    visit(t.window(WindowId::Form3), QStringLiteral("rest"));
    t.window(WindowId::Form3)->close();

    // The virus comes at the end of today.
    game.VirusDay = game.Day;
    game.DayTicks = 240;
    game.OsId = 3;
    game.AvId = 1;
    t.tick();
    visit(t.window(WindowId::Form4), QStringLiteral("virus"));
    take(t, WindowId::Form4, "Label2");
    visit(t.window(WindowId::Form4), QStringLiteral("virus-struck"));
}

}  // namespace tessaro::testing
