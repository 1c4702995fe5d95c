#include <QLabel>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

class TfEducationTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() {
        startProgram();
        QVERIFY(t->openFromMain("bEducationImage", WindowId::fEducation));
    }

    void everyCourseIsOfferedAndEveryCaptionFits() {
        const auto labels = t->window(WindowId::fEducation)->findChildren<ActionLabel*>();
        QCOMPARE(labels.size(), 18);  // seventeen courses and "Вернуться"
        for (ActionLabel* label : labels) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
            QVERIFY(label->isEnabled());
        }
    }

    void thePointerTellsWhatACourseNeeds() {
        movePointer(course("edDVKL"));
        QCOMPARE(text("lLine1"), QStringLiteral("Установить Borland Kylix 1.0"));
        QCOMPARE(text("lLine2"), QStringLiteral("Стоимость обучения: $1000"));
        QCOMPARE(text("lAllowed"), QStringLiteral("Обучение невозможно"));
        movePointer(course("edWHTML"));
        QCOMPARE(text("lLine1"), QStringLiteral("Стоимость обучения: $100"));
        QCOMPARE(text("lLine2"), QString());
        QCOMPARE(text("lAllowed"), QStringLiteral("Обучение возможно"));
        movePointer(t->window(WindowId::fEducation)->client(), QPoint(370, 240));
        QCOMPARE(text("lLine1"), QString());
        QCOMPARE(text("lAllowed"), QString());
    }

    void aCourseTakenShowsOnTheMoneyAndIsNoLongerOffered() {
        QTest::mouseClick(course("edOSW9X"), Qt::LeftButton);
        QCOMPARE(t->find<QLabel>(WindowId::fMain, "lMoney")->text(), QStringLiteral("300"));
        QVERIFY(!course("edOSW9X")->isEnabled());
        // $300 is not more than the $300 of "MySQL Server".
        QTest::mouseClick(course("edWSQL"), Qt::LeftButton);
        QCOMPARE(t->find<QLabel>(WindowId::fMain, "lMoney")->text(), QStringLiteral("300"));

        // Reopened after a new game's worth of knowledge is gone, every course is offered.
        t->window(WindowId::fEducation)->close();
        t->game().Knowledge.fill(false);
        QTest::mouseClick(t->find<PictureButton>(WindowId::fMain, "bEducationImage"),
                          Qt::LeftButton);
        QVERIFY(course("edOSW9X")->isEnabled());
    }

  private:
    ActionLabel* course(const char* control) const {
        return t->find<ActionLabel>(WindowId::fEducation, control);
    }
    QString text(const char* name) const {
        return t->find<QLabel>(WindowId::fEducation, name)->text();
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfEducationTest)
#include "TfEducationTest.moc"
