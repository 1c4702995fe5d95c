#include <QLabel>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"

namespace tessaro::testing {

class TfJobTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() {
        startProgram();
        t->game().Knowledge[16] = true;  // "Microsoft Office 98"
        open();
    }

    void theWageShowsOnlyWhileThePointerIsOnItsOffer() {
        QVERIFY(!wage("lTyperMPM")->isVisible());
        movePointer(offer("jTyper"));
        QVERIFY(wage("lTyperMPM")->isVisible());
        QCOMPARE(wage("lTyperMPM")->text(), QStringLiteral("$3/день"));
        QCOMPARE(text("lLine1"), QStringLiteral("Знать Microsoft Office 98"));
        QCOMPARE(text("lInfo"), QStringLiteral("Вы можете получить эту работу"));

        movePointer(offer("jLinuxcoder"));
        QVERIFY(!wage("lTyperMPM")->isVisible());
        QVERIFY(wage("lLinuxcoderMPM")->isVisible());
        QCOMPARE(text("lLine2"), QStringLiteral("Знать Borland Kylix 2.0"));
        QCOMPARE(text("lInfo"), QStringLiteral("С вашими знаниями эта работа недоступна"));
        // Every caption and its wage fit the column.
        for (ActionLabel* label : t->window(WindowId::fJob)->findChildren<ActionLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        QVERIFY(wage("lLinuxcoderMPM")->geometry().right() < 171);
    }

    void aBadMoodFailsTheInterviewWithItsMessage() {
        t->game().Mood = 50;
        QTest::mouseClick(offer("jTyper"), Qt::LeftButton);
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t->shell.messages[0].text),
                 QStringLiteral("У плохое настроение. Вы не прошли собеседовние"));
        QCOMPARE(mainJob(), QStringLiteral("Пособие по безработице $1/день"));
        QVERIFY(offer("jTyper")->isEnabled());
    }

    void takingAJobShowsOnTheMainWindowAndReopeningOffersOnlyBetterJobs() {
        movePointer(offer("jTyper"));
        QTest::mouseClick(offer("jTyper"), Qt::LeftButton);
        QCOMPARE(mainJob(), QStringLiteral("Верстальщик $3/день"));
        QVERIFY(!offer("jTyper")->isEnabled());
        QVERIFY(!wage("lTyperMPM")->isVisible());
        QCOMPARE(text("lLine1"), QString());
        QCOMPARE(text("lInfo"), QString());

        t->window(WindowId::fJob)->close();
        t->game().JobId = 5;
        open();
        QVERIFY(!offer("jDesigner")->isEnabled());
        QVERIFY(offer("jWebcoder")->isEnabled());
    }

  private:
    void open() { QVERIFY(t->openFromMain("bJobImage", WindowId::fJob)); }
    ActionLabel* offer(const char* control) const {
        return t->find<ActionLabel>(WindowId::fJob, control);
    }
    QLabel* wage(const char* name) const { return t->find<QLabel>(WindowId::fJob, name); }
    QString text(const char* name) const { return t->find<QLabel>(WindowId::fJob, name)->text(); }
    QString mainJob() const { return t->find<QLabel>(WindowId::fMain, "lJob")->text(); }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfJobTest)
#include "TfJobTest.moc"
