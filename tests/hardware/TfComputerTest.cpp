#include <QLabel>
#include <QTest>

#include "game/TfMain.h"
#include "hardware/TfComputer.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro::testing {

class TfComputerTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() {
        startProgram();
        QVERIFY(t->openFromMain("bComputerImage", WindowId::fComputer));
    }

    void theShopShowsEveryModelAndSellsOnlyTheBoardsAtFirst() {
        QCOMPARE(t->window(WindowId::fComputer)->client()->size(), QSize(492, 257));
        QCOMPARE(info()->text(),
                 QStringLiteral("Здесь можно приобрести комплектующие для компьютера"));
        QCOMPARE(model("mm64D")->text(), QStringLiteral("64MB  (DIMM)"));
        int enabled = 0;
        for (ActionLabel* label : t->window(WindowId::fComputer)->findChildren<ActionLabel*>()) {
            if (label->objectName() != QStringLiteral("Label6")) {
                enabled += label->isEnabled() ? 1 : 0;
                // Every caption fits its label.
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            }
        }
        QCOMPARE(enabled, 5);
        QVERIFY(model("mbP1")->isEnabled());
        QVERIFY(!model("cdR")->isEnabled());
    }

    void theInfoLineQuotesTheModelUnderThePointer() {
        sendPointerOver(model("mbP1"));
        QCOMPARE(info()->text(), QStringLiteral("ASUS TXP4 (Socket 7, SIMM) - $45"));
        QCOMPARE(infoColour(), QColor(255, 0, 0));
        QCOMPARE(model("mbP1")->fontColor(), QColor(0, 0, 0));
        sendPointerLeave(model("mbP1"));
        QCOMPARE(info()->text(),
                 QStringLiteral("Здесь можно приобрести комплектующие для компьютера"));
        QCOMPARE(infoColour(), QColor(0, 0, 0));
        QCOMPARE(model("mbP1")->fontColor(), QColor(128, 128, 128));
    }

    void aDisabledModelIgnoresThePointer() {
        sendPointerOver(model("cdR"));
        QCOMPARE(info()->text(),
                 QStringLiteral("Здесь можно приобрести комплектующие для компьютера"));
        QTest::mouseClick(model("cdR"), Qt::LeftButton);
        QCOMPARE(t->game().PartLevel[kCdDvd], 0);
        // Drawn lighter than a model at rest, whatever the system's palette says of greyed text.
        const auto darkest = [](QWidget* label) {
            const QImage image = label->grab().toImage();
            int gray = 255;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    gray = std::min(gray, qGray(image.pixel(x, y)));
                }
            }
            return gray;
        };
        QVERIFY2(darkest(model("cdR")) >= darkest(model("mbP1")) + 40,
                 qPrintable(QStringLiteral("greyed %1, at rest %2")
                                .arg(darkest(model("cdR")))
                                .arg(darkest(model("mbP1")))));
    }

    void aPurchaseShowsOnTheMainWindowAndChangesTheOffer() {
        QTest::mouseClick(model("mbP1"), Qt::LeftButton);
        QCOMPARE(mainLabel("lMotherboard")->text(), QStringLiteral("ASUS TXP4 (Socket 7, SIMM)"));
        QCOMPARE(mainLabel("lMoney")->text(), QStringLiteral("455"));
        QCOMPARE(mainLabel("lExpansion")->text(), QStringLiteral("5"));
        QVERIFY(!model("mbP1")->isEnabled());
        QVERIFY(model("cdR")->isEnabled());
        QVERIFY(model("prK233")->isEnabled());
        QVERIFY(!model("prP366")->isEnabled());

        sendPointerOver(model("mbP2"));
        QCOMPARE(info()->text(),
                 QStringLiteral("Если продать старую, то ASUS P2B (Slot 1, DIMM) - $37"));
        QCOMPARE(infoColour(), QColor(255, 0, 0));
        sendPointerOver(model("cdR"));
        QCOMPARE(info()->text(), QStringLiteral("Philips CD-ROM - $80"));

        // In either language the line names what the purchase takes.
        useLanguage(ScreenLanguage::English);
        sendPointerOver(model("mbP2"));
        const QString english = info()->text();
        useLanguage(ScreenLanguage::Russian);
        QCOMPARE(english,
                 QStringLiteral("With the old one traded in, ASUS P2B (Slot 1, DIMM) costs $37"));
        const int money = t->game().Money;
        QTest::mouseClick(model("mbP2"), Qt::LeftButton);
        QCOMPARE(t->game().Money, money - 37);
    }

    void aRefusedPurchaseSaysWhyWithoutAnIcon() {
        t->game().Money = 44;
        QTest::mouseClick(model("mbP1"), Qt::LeftButton);
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t->shell.messages[0].text),
                 QStringLiteral("У вас не хватает $1"));
        QCOMPARE(QString::fromStdString(t->shell.messages[0].title), QStringLiteral("Tessaro 1.1"));
        QCOMPARE(t->shell.messages[0].icon, MessageIcon::None);
        QCOMPARE(mainLabel("lMotherboard")->text(), QStringLiteral("Нет"));
        QVERIFY(model("mbP1")->isEnabled());
    }

    void aFullComputerUnlocksTheSoftwareButtonOnReturn() {
        for (const char* part : {"mbP1", "prP166", "mm64S", "hd1", "vd4P", "mn15", "cdR"}) {
            QTest::mouseClick(model(part), Qt::LeftButton);
        }
        QVERIFY(t->shell.messages.empty());
        QCOMPARE(mainLabel("lMoney")->text(), QStringLiteral("137"));
        auto* software = t->find<PictureButton>(WindowId::fMain, "bSoftwareImage");
        QVERIFY(!software->isEnabled());

        t->window(WindowId::fComputer)->close();
        QVERIFY(!t->shown(WindowId::fComputer));
        QVERIFY(t->fMain()->isEnabled());
        QVERIFY(t->timer(TimerId::tTime).isActive());
        QVERIFY(software->isEnabled());
        QTest::mouseClick(software, Qt::LeftButton);
        QVERIFY(t->shown(WindowId::fSoftware));
    }

    void reopeningTheShopOffersWhatTheLevelsAllow() {
        t->window(WindowId::fComputer)->close();
        // Levels that changed behind the shop's back, as a loaded game does.
        t->game().PartLevel[kMotherboard] = 5;
        QTest::mouseClick(t->find<PictureButton>(WindowId::fMain, "bComputerImage"),
                          Qt::LeftButton);
        QVERIFY(!model("mbP1")->isEnabled());
        QVERIFY(model("prP3000")->isEnabled());
        QVERIFY(model("vd256A")->isEnabled());
    }

    // The player looks at another program's window and comes back to the shop: the offer
    // follows the levels as they are now.
    void theShopRecomputesItsOfferWhenActivatedAgain() {
        GameWindow* shop = t->window(WindowId::fComputer);
        QVERIFY(waitUntilActive(shop));
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(waitUntilActive(&elsewhere));
        t->game().PartLevel[kMotherboard] = 5;
        QVERIFY(model("mbP1")->isEnabled());

        shop->activateWindow();
        QVERIFY(waitUntilActive(shop));
        QVERIFY(!model("mbP1")->isEnabled());
        QVERIFY(model("prP3000")->isEnabled());
    }

  private:
    ActionLabel* model(const char* control) const {
        return t->find<ActionLabel>(WindowId::fComputer, control);
    }
    QLabel* info() const { return t->find<QLabel>(WindowId::fComputer, "lInfo"); }
    QColor infoColour() const { return info()->palette().color(QPalette::WindowText); }
    QLabel* mainLabel(const char* name) const { return t->find<QLabel>(WindowId::fMain, name); }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfComputerTest)
#include "TfComputerTest.moc"
