#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "game/TfMain.h"
#include "software/SoftwarePictures.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

class TfSoftwareTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void initTestCase() {
        WindowTestCase::initTestCase();
        cd_ = drawCdPictures();
    }

    // A computer good enough for Windows 2000 on a 1000 MB disk, and the window open.
    void init() {
        startProgram();
        Game& game = t->game();
        game.PartLevel = {2, 3, 2, 1, 3, 1, 1, 1, 0};
        game.DiskTotal = game.DiskFree = 1000;
        QTest::mouseClick(t->find<PictureButton>(WindowId::fMain, "bComputerImage"),
                          Qt::LeftButton);
        t->window(WindowId::fComputer)->close();
        QVERIFY(t->openFromMain("bSoftwareImage", WindowId::fSoftware));
    }

    void theWindowShowsEveryProgramAndEveryCaptionFits() {
        QCOMPARE(t->window(WindowId::fSoftware)->client()->size(), QSize(314, 313));
        const auto labels = t->window(WindowId::fSoftware)->findChildren<ActionLabel*>();
        QCOMPARE(labels.size(), 18);  // seventeen programs and "Вернуться"
        for (ActionLabel* label : labels) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
            QVERIFY(label->isEnabled());
        }
        QCOMPARE(gauge()->value(), 100);
        QVERIFY(cdShows(kCdNeutral));
    }

    void thePointerShowsTheRequirementsAndWhetherTheProgramInstalls() {
        movePointer(item("osW2K"));
        QCOMPARE(line("lNeedProcessor"), QStringLiteral("Процессор: Intel Pentium II 366MHz"));
        QCOMPARE(line("lNeedMonitor"), QStringLiteral("Монитор: ViewSonic 15\""));
        QCOMPARE(line("lNeedSound"), QStringLiteral("Звуковая карта: Creative SB Live"));
        QVERIFY(cdShows(kCdInstallable));

        movePointer(item("osWXP"));
        QCOMPARE(line("lNeedProcessor"), QStringLiteral("Процессор: Intel Pentium III 700MHz"));
        QVERIFY(cdShows(kCdNotInstallable));

        movePointer(item("lFlash"));
        QCOMPARE(line("lNeedProcessor"), QStringLiteral("Операционная система Windows 98"));
        QCOMPARE(line("lNeedMemory"), QStringLiteral("Видеокарта Voodoo II 12MB"));
        QCOMPARE(line("lNeedVideo"), QStringLiteral("Свободное пространство: 50MB"));
        QCOMPARE(line("lNeedSound"), QString());
        QVERIFY(cdShows(kCdNotInstallable));

        movePointer(t->window(WindowId::fSoftware)->client(), QPoint(2, 300));
        for (const char* name : {"lNeedProcessor", "lNeedMemory", "lNeedVideo", "lNeedMonitor",
                                 "lNeedFreeSpace", "lNeedSound"}) {
            QCOMPARE(line(name), QString());
        }
        QVERIFY(cdShows(kCdNeutral));
    }

    void anInstallationShowsOnTheMainWindowAndTheGauge() {
        QTest::mouseClick(item("osW2K"), Qt::LeftButton);
        QCOMPARE(mainLabel("lOS"), QStringLiteral("Windows 2000"));
        QCOMPARE(gauge()->value(), 30);
        QVERIFY(!item("osW98")->isEnabled());
        QVERIFY(!item("osW2K")->isEnabled());

        // A click whose test fails does nothing.
        QTest::mouseClick(item("dvVB"), Qt::LeftButton);
        QCOMPARE(mainLabel("lIDE"), QStringLiteral("Нет"));
        QTest::mouseClick(item("avDW"), Qt::LeftButton);
        QCOMPARE(mainLabel("lAV"), QStringLiteral("Dr.Web 4.29"));
        QCOMPARE(gauge()->value(), 30);  // 295 of 1000: 29.5, the even neighbour is 30
        QVERIFY(t->shell.messages.empty());
        // The experience reaches the main window with the day clock's next tick.
        QCOMPARE(mainLabel("lExpansion"), QStringLiteral("0"));
    }

  private:
    ActionLabel* item(const char* control) const {
        return t->find<ActionLabel>(WindowId::fSoftware, control);
    }
    QString line(const char* name) const {
        return t->find<QLabel>(WindowId::fSoftware, name)->text();
    }
    QProgressBar* gauge() const { return t->find<QProgressBar>(WindowId::fSoftware, "gFreeSpace"); }
    bool cdShows(int picture) const {
        const QPixmap shown = t->find<QLabel>(WindowId::fSoftware, "imCD")->pixmap();
        return shown.toImage() == cd_[picture].toImage();
    }
    QString mainLabel(const char* name) const {
        return t->find<QLabel>(WindowId::fMain, name)->text();
    }

    QVector<QPixmap> cd_;
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfSoftwareTest)
#include "TfSoftwareTest.moc"
