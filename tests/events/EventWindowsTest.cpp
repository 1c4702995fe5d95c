#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"

namespace tessaro::testing {

class EventWindowsTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() { startProgram(); }

    void anEveningOutShowsOnTheMainWindow() {
        QVERIFY(t->openFromMain("bRestImage", WindowId::Form3));
        QCOMPARE(t->window(WindowId::Form3)->client()->size(), QSize(217, 275));
        QCOMPARE(t->find<QLabel>(WindowId::Form3, "imRest")->pixmap().size(), QSize(200, 110));
        movePointer(activity("lDisco"));
        QCOMPARE(text(WindowId::Form3, "lCost"), QStringLiteral("Стоимость: $30"));
        QTest::mouseClick(activity("lDisco"), Qt::LeftButton);
        QCOMPARE(text(WindowId::fMain, "lMoney"), QStringLiteral("470"));
        QCOMPARE(t->find<QProgressBar>(WindowId::fMain, "gMood")->value(), 100);
        QCOMPARE(t->game().Mood, 137);
        movePointer(t->window(WindowId::Form3)->client(), QPoint(2, 270));
        QCOMPARE(text(WindowId::Form3, "lCost"), QString());
        for (ActionLabel* label : t->window(WindowId::Form3)->findChildren<ActionLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
    }

    void aVirusWaitsForTheChoiceAndGoesTwoSecondsLater() {
        t->game().VirusDay = 1;
        t->game().DayTicks = 240;
        t->tick();
        GameWindow* virus = t->window(WindowId::Form4);
        QVERIFY(virus != nullptr && virus->isVisible());
        QCOMPARE(virus->client()->size(), QSize(319, 143));
        QVERIFY(!t->fMain()->isEnabled());
        QVERIFY(!t->timer(TimerId::tTime).isActive());
        QVERIFY(!choice("Label1")->isEnabled());  // no antivirus
        QCOMPARE(text(WindowId::Form4, "lKill"), QString());

        QTest::mouseClick(choice("Label2"), Qt::LeftButton);
        QCOMPARE(text(WindowId::Form4, "lKill"), QStringLiteral("Вирус не причинил вреда."));
        QVERIFY(!choice("Label2")->isEnabled());
        QVERIFY(t->timer(TimerId::tmFormClose).isActive());
        QCOMPARE(t->timer(TimerId::tmFormClose).interval(), 2000);

        t->tick(TimerId::tmFormClose, 1);
        QVERIFY(!virus->isVisible());
        QVERIFY(t->fMain()->isEnabled());
        QVERIFY(t->timer(TimerId::tTime).isActive());
    }

    void theCloseBoxAfterAKillOnlyHidesTheWindow() {
        t->game().VirusDay = 1;
        t->game().DayTicks = 240;
        t->game().OsId = 3;
        t->game().AvId = 3;
        t->tick();
        QVERIFY(choice("Label1")->isEnabled());
        QTest::mouseClick(choice("Label1"), Qt::LeftButton);
        QCOMPARE(text(WindowId::Form4, "lKill"), QStringLiteral("Вам удалось уничтожить вирус."));
        QCloseEvent close;
        QApplication::sendEvent(t->window(WindowId::Form4), &close);
        QVERIFY(!t->shown(WindowId::Form4));
        QCOMPARE(t->game().OsId, 3);
        QVERIFY(!t->fMain()->isEnabled());
        t->tick(TimerId::tmFormClose, 1);
        QVERIFY(t->fMain()->isEnabled());
    }

  private:
    ActionLabel* activity(const char* name) const {
        return t->find<ActionLabel>(WindowId::Form3, name);
    }
    ActionLabel* choice(const char* name) const {
        return t->find<ActionLabel>(WindowId::Form4, name);
    }
    QString text(WindowId window, const char* name) const {
        return t->find<QLabel>(window, name)->text();
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::EventWindowsTest)
#include "EventWindowsTest.moc"
