#include <QLabel>
#include <QTest>

#include "support/RecordingShell.h"
#include "support/TestProgram.h"
#include "widgets/GameWindow.h"

namespace tessaro::testing {

namespace {

// A window with one control of each kind of binding, over state that the test changes.
struct Shown {
    std::string text = "Нет";
    bool enabled = true;
    bool visible = true;
};

class BoundWindow : public GameWindow {
  public:
    BoundWindow(Game& game, const Shown& shown)
        : GameWindow(game, WindowId::Form3, QStringLiteral("test"), QSize(100, 100)),
          label(new QLabel(client())),
          item(new QLabel(client())) {
        bind(label, shown.text);
        bindEnabled(item, shown.enabled);
        bindVisible(item, shown.visible);
    }

    QLabel* label;
    QLabel* item;
};

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    void aBoundControlFollowsTheStateAtEveryRender() {
        TestGame t;
        Shown shown;
        BoundWindow window(t.game, shown);
        window.show();
        QCOMPARE(window.label->text(), QStringLiteral("Нет"));
        QVERIFY(window.item->isEnabled());
        QVERIFY(window.item->isVisible());

        shown.text = "Intel Pentium 166MHz";
        shown.enabled = false;
        shown.visible = false;
        // Nothing moves until the window renders.
        QCOMPARE(window.label->text(), QStringLiteral("Нет"));
        window.render();
        QCOMPARE(window.label->text(), QStringLiteral("Intel Pentium 166MHz"));
        QVERIFY(!window.item->isEnabled());
        QVERIFY(!window.item->isVisible());

        shown.enabled = true;
        shown.visible = true;
        window.render();
        QVERIFY(window.item->isEnabled());
        QVERIFY(window.item->isVisible());
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::GameWindowTest)
#include "GameWindowTest.moc"
