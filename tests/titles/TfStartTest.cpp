#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QValidator>

#include "game/TfMain.h"
#include "support/TestProgram.h"

namespace tessaro::testing {

class TfStartTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void theStartWindowAloneIsShownAtFirst() {
        TestProgram t;
        QVERIFY(t.shown(WindowId::fStart));
        QCOMPARE(t.window(WindowId::fStart)->windowTitle(), QStringLiteral("Tessaro 1.1"));
        for (WindowId id :
             {WindowId::fMain, WindowId::fComputer, WindowId::Form1, WindowId::Form4}) {
            QVERIFY(!t.shown(id));
        }
        QCOMPARE(t.window(WindowId::fStart)->client()->size(), QSize(305, 121));
    }

    // The button takes the keys that every item takes: Return and Enter as Space.
    void anEmptyNameAsksForOneByButtonAndByEnter() {
        TestProgram t;
        QVERIFY(QTest::qWaitForWindowExposed(t.window(WindowId::fStart)));
        auto* button = t.find<QPushButton>(WindowId::fStart, "Button1");
        QTest::mouseClick(button, Qt::LeftButton);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(button, key);
        }
        auto* name = t.find<QLineEdit>(WindowId::fStart, "eName");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(t.shell.messages.size(), std::size_t{5});
        for (const RecordedMessage& message : t.shell.messages) {
            QCOMPARE(QString::fromStdString(message.text), QStringLiteral("Необходимо ввести имя"));
            QCOMPARE(QString::fromStdString(message.title), QStringLiteral("Tessaro 1.1"));
            QCOMPARE(message.icon, MessageIcon::Question);
        }
        QVERIFY(t.shown(WindowId::fStart));
        QVERIFY(!t.shown(WindowId::fMain));
    }

    void enterStartsTheGameLikeTheButton() {
        TestProgram t;
        auto* name = t.find<QLineEdit>(WindowId::fStart, "eName");
        typeText(name, QStringLiteral("Пётр"));
        QTest::keyClick(name, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(t.shell.messages.empty());
        QVERIFY(t.window(WindowId::fStart) == nullptr);
        QVERIFY(t.fMain()->isVisible());
        QCOMPARE(t.find<QLabel>(WindowId::fMain, "lName")->text(), QStringLiteral("Пётр"));
        QVERIFY(t.timer(TimerId::tTime).isActive());
    }

    void aLongNameIsCut() {
        TestProgram t;
        const QString name(300, QChar(u'Ж'));
        t.startGame(name);
        QCOMPARE(t.find<QLabel>(WindowId::fMain, "lName")->text(), name.left(255));
    }

    void theNameBoxTakesOnlyWhatASavedGameCanStore() {
        TestProgram t;
        auto* name = t.find<QLineEdit>(WindowId::fStart, "eName");
        const QString accepted[] = {QStringLiteral("Иван Ёжиков №1 «Hacker»"), QStringLiteral(" ")};
        for (QString text : accepted) {
            int position = 0;
            QCOMPARE(name->validator()->validate(text, position), QValidator::Acceptable);
        }
        const QString refused[] = {QStringLiteral("中文"), QStringLiteral("a\tb"),
                                   QStringLiteral("a\nb"), QStringLiteral("smile 😀")};
        for (QString text : refused) {
            int position = 0;
            QCOMPARE(name->validator()->validate(text, position), QValidator::Invalid);
        }
        typeText(name, QStringLiteral("Ян中"));
        QCOMPARE(name->text(), QStringLiteral("Ян"));
    }

    void closingTheStartWindowEndsTheProgram() {
        TestProgram t;
        t.window(WindowId::fStart)->close();
        QCOMPARE(t.shell.ends, 1);
        QVERIFY(!running(t.game(), TimerId::tTime));
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfStartTest)
#include "TfStartTest.moc"
