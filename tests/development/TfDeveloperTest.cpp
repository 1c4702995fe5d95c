#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"

namespace tessaro::testing {

class TfDeveloperTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() {
        startProgram();
        t->game().IdeId = 3;  // "Borland Kylix 2.0"
        t->game().VirusDay = 1000;
        QVERIFY(t->openFromMain("bDeveloperImage", WindowId::fDeveloper));
        QVERIFY(waitUntilActive(t->window(WindowId::fDeveloper)));
    }

    void activationOffersTheInstalledLanguageOnly() {
        QCOMPARE(t->window(WindowId::fDeveloper)->client()->size(), QSize(314, 242));
        QVERIFY(radio("ideKylix")->isEnabled());
        QCOMPARE(radio("ideKylix")->text(), QStringLiteral("Borland Kylix 2"));
        for (const char* name : {"ideDelphi", "ideBuilder", "ideBasic", "ideWeb"}) {
            QVERIFY2(!radio(name)->isEnabled(), name);
        }
        for (ActionLabel* label : t->window(WindowId::fDeveloper)->findChildren<ActionLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        QVERIFY(!project("devOS")->isEnabled());
        QVERIFY(!gauge()->isVisible());
        QCOMPARE(text("lNowProject"), QStringLiteral("Нет"));
    }

    void aProjectIsWrittenWhileDaysPassWithTheWindowOpen() {
        QTest::mouseClick(radio("ideKylix"), Qt::LeftButton);
        QVERIFY(radio("ideKylix")->isChecked());
        QVERIFY(project("devOS")->isEnabled());
        QVERIFY(project("devBrowser")->isEnabled());
        QVERIFY(!project("devPlayer")->isEnabled());

        QTest::mouseClick(project("devOS"), Qt::LeftButton);
        QVERIFY(!project("devOS")->isEnabled());
        QVERIFY(!gauge()->isVisible());
        QVERIFY(t->timer(TimerId::tTime).isActive());

        t->game().DayTicks = 0;
        t->tick(TimerId::tTime, 241 * 3);
        QVERIFY(gauge()->isVisible());
        QCOMPARE(gauge()->value(), 30);

        // Another project before this one is sold: only the message.
        QTest::mouseClick(project("devBrowser"), Qt::LeftButton);
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t->shell.messages[0].text),
                 QStringLiteral("Необходимо продать старый проект"));

        t->tick(TimerId::tTime, 241 * 8);
        QVERIFY(!gauge()->isVisible());
        QCOMPARE(text("lNowProject"), QStringLiteral("Операционная система"));
        QVERIFY(project("devOS")->isEnabled());
        // The experience shows at the clock's next tick.
        t->tick();
        QCOMPARE(t->find<QLabel>(WindowId::fMain, "lExpansion")->text(), QStringLiteral("5"));
    }

  private:
    QRadioButton* radio(const char* name) const {
        return t->find<QRadioButton>(WindowId::fDeveloper, name);
    }
    ActionLabel* project(const char* name) const {
        return t->find<ActionLabel>(WindowId::fDeveloper, name);
    }
    QProgressBar* gauge() const { return t->find<QProgressBar>(WindowId::fDeveloper, "gProgress"); }
    QString text(const char* name) const {
        return t->find<QLabel>(WindowId::fDeveloper, name)->text();
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfDeveloperTest)
#include "TfDeveloperTest.moc"
