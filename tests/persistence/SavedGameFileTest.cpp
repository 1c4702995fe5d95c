#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "persistence/SavedGameFile.h"

namespace tessaro::testing {

class SavedGameFileTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(folder_.isValid()); }

    void aSavedGameIsWindows1251WithCrLfAfterEveryLine() {
        const QString path = folder_.filePath(QStringLiteral("game.tso"));
        QVERIFY(!writeSavedGameFile(path.toStdString(), {"Иван", "-1", "Нет"}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xC8\xE2\xE0\xED\r\n-1\r\n\xCD\xE5\xF2\r\n"));

        std::vector<std::string> lines;
        QVERIFY(!readSavedGameFile(path.toStdString(), lines));
        QCOMPARE(lines, (std::vector<std::string>{"Иван", "-1", "Нет"}));
    }

    void linesSplitAtCrLfALoneCrOrALoneLf() {
        const QString path = folder_.filePath(QStringLiteral("edited.tso"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("one\ntwo\rthree\r\n\r\nfive");
        file.close();
        std::vector<std::string> lines;
        QVERIFY(!readSavedGameFile(path.toStdString(), lines));
        QCOMPARE(lines, (std::vector<std::string>{"one", "two", "three", "", "five"}));
    }

    void aFileThatCannotBeOpenedOrIsTooLargeIsRefused() {
        std::vector<std::string> lines{"kept"};
        const QString missing = folder_.filePath(QStringLiteral("missing.tso"));
        const auto error = readSavedGameFile(missing.toStdString(), lines);
        QVERIFY(error);
        QVERIFY(QString::fromStdString(*error).startsWith(
            QStringLiteral("Cannot open file \"%1\". ").arg(missing)));

        const QString large = folder_.filePath(QStringLiteral("large.tso"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kLargestSavedGame + 1, 'x'));
        file.close();
        const auto tooLarge = readSavedGameFile(large.toStdString(), lines);
        QVERIFY(tooLarge);
        QCOMPARE(QString::fromStdString(*tooLarge),
                 QStringLiteral("Cannot open file \"%1\". The file is too large to be a saved "
                                "game.")
                     .arg(large));
    }

    void aFailedSaveLeavesTheOldFileAsItWas() {
        const QString path = folder_.filePath(QStringLiteral("game.tso"));
        QVERIFY(!writeSavedGameFile(path.toStdString(), {"old"}));
        // A text the code page cannot hold.
        const auto error = writeSavedGameFile(path.toStdString(), {"新"});
        QVERIFY(error);
        QVERIFY(QString::fromStdString(*error).startsWith(
            QStringLiteral("Cannot create file \"%1\". ").arg(path)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old\r\n"));

        const QString nowhere = folder_.filePath(QStringLiteral("no/such/folder/game.tso"));
        const auto unwritable = writeSavedGameFile(nowhere.toStdString(), {"x"});
        QVERIFY(unwritable);
        QVERIFY(QString::fromStdString(*unwritable)
                    .startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(nowhere)));
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::SavedGameFileTest)
#include "SavedGameFileTest.moc"
