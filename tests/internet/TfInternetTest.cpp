#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

class TfInternetTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    // A player with a modem of the second level and the internet unlocked, in the window.
    void init() {
        startProgram(seedDrawing(4, 1));
        Game& game = t->game();
        game.PartLevel = {1, 1, 1, 1, 1, 0, 1, 1, 2};
        game.SoftwareOpen = game.InternetOpen = true;
        game.main.bSoftwareImageEnabled = game.main.bInternetImageEnabled = true;
        game.Money = 2000;
        game.VirusDay = 1000;
        t->program.shell().sync();
        QVERIFY(t->openFromMain("bInternetImage", WindowId::fInternet));
    }

    void dialling() {
        QCOMPARE(t->window(WindowId::fInternet)->client()->size(), QSize(510, 271));
        QVERIFY(!group("grHack")->isVisible());
        QVERIFY(!label("surfTools")->isEnabled());
        QCOMPARE(label("lConnect")->text(), QStringLiteral("Подключиться"));

        QTest::mouseClick(label("lConnect"), Qt::LeftButton);
        QVERIFY(!label("lConnect")->isEnabled());
        QCOMPARE(text("lConnectInfo"), QStringLiteral("Набор номера..."));
        QVERIFY(t->timer(TimerId::tConnect).isActive());
        t->tick(TimerId::tConnect, 6);
        QCOMPARE(text("lConnectInfo"), QStringLiteral("Проверка имени пользователя и пароля..."));
        t->tick(TimerId::tConnect, 5);
        QCOMPARE(text("lConnectInfo"), QString());
        QCOMPARE(label("lConnect")->text(), QStringLiteral("Отключить"));
        QVERIFY(label("lConnect")->isEnabled());
        QVERIFY(!t->timer(TimerId::tConnect).isActive());
        QVERIFY(t->timer(TimerId::tTime).isActive());
        QVERIFY(group("grHack")->isVisible());
        QVERIFY(label("surfTools")->isEnabled());
    }

    void aUtilityBoughtAndDownloaded() {
        connectNow();
        QTest::mouseClick(label("surfTools"), Qt::LeftButton);
        QVERIFY(group("grTools")->isVisible());
        movePointer(label("lBrutus"));
        QVERIFY(t->find<QLabel>(WindowId::fInternet, "lCost")->isVisible());
        QCOMPARE(text("lCost"), QStringLiteral("Стоимость: $300"));
        QTest::mouseClick(label("lBrutus"), Qt::LeftButton);
        QCOMPARE(t->find<QLabel>(WindowId::fMain, "lMoney")->text(), QStringLiteral("1700"));
        QVERIFY(!label("lBrutus")->isEnabled());
        QVERIFY(gauge()->isVisible());
        QCOMPARE(t->timer(TimerId::tSoftLoad).interval(), 100);
        QVERIFY(!label("FTPhack")->isEnabled());

        t->tick(TimerId::tSoftLoad, 100);
        QCOMPARE(gauge()->value(), 100);
        t->tick(TimerId::tSoftLoad, 1);
        QVERIFY(!gauge()->isVisible());
        QVERIFY(label("FTPhack")->isEnabled());
    }

    void aMissionToItsOutcome() {
        connectNow();
        t->game().ToolOwned[0] = true;
        movePointer(label("FTPhack"));
        QCOMPARE(text("hLine1"), QStringLiteral("Требуется Brutus AET2"));
        QTest::mouseClick(label("FTPhack"), Qt::LeftButton);
        QCOMPARE(text("hLine1"), QString());
        QCOMPARE(text("hLine6"), QStringLiteral("Подключаемся ftp.filearchive.example..."));
        QVERIFY(!label("lDeface")->isEnabled());
        t->tick(TimerId::tFTPhack, 2);
        QCOMPARE(text("hLine6"), QStringLiteral("Используем Brutus AET2..."));
        t->tick(TimerId::tFTPhack, 4);
        // The seed draws 1 for the coin: the first mission is detected.
        QVERIFY(text("hLine6").startsWith(QStringLiteral("Вас обнаружили. Штраф $")));
        t->tick(TimerId::tFTPhack, 1);
        QCOMPARE(text("hLine6"), QString());
        QVERIFY(label("FTPhack")->isEnabled());
        QVERIFY(!t->timer(TimerId::tFTPhack).isActive());
    }

    void theMarketSellsTheProjectOnce() {
        t->window(WindowId::fInternet)->close();
        t->game().ProjectKind = 2;
        t->game().ProjectPrice = 12;
        QTest::mouseClick(t->find<PictureButton>(WindowId::fMain, "bInternetImage"),
                          Qt::LeftButton);
        connectNow();
        QTest::mouseClick(label("surfMarket"), Qt::LeftButton);
        QVERIFY(group("grMarket")->isVisible());
        QVERIFY(!group("grTools")->isVisible());
        QVERIFY(label("lSell")->isVisible());
        QTest::mouseClick(label("lSell"), Qt::LeftButton);
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        QVERIFY(!label("lSell")->isVisible());
        QCOMPARE(t->game().ProjectKind, 0);
    }

    void closingGoesOfflineAndGivesTheMainWindowBack() {
        connectNow();
        t->window(WindowId::fInternet)->close();
        QVERIFY(!t->shown(WindowId::fInternet));
        QCOMPARE(t->game().Wage, 1);
        QVERIFY(t->fMain()->isEnabled());
        QVERIFY(t->timer(TimerId::tTime).isActive());
    }

  private:
    void connectNow() {
        QTest::mouseClick(label("lConnect"), Qt::LeftButton);
        t->tick(TimerId::tConnect, 11);
        QVERIFY(t->game().Connected);
    }
    ActionLabel* label(const char* name) const {
        return t->find<ActionLabel>(WindowId::fInternet, name);
    }
    QWidget* group(const char* name) const { return t->find<QWidget>(WindowId::fInternet, name); }
    QString text(const char* name) const {
        return t->find<QLabel>(WindowId::fInternet, name)->text();
    }
    QProgressBar* gauge() const { return t->find<QProgressBar>(WindowId::fInternet, "gSoftLoad"); }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfInternetTest)
#include "TfInternetTest.moc"
