#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "persistence/CodePage.h"
#include "persistence/SavedGameFile.h"
#include "widgets/ScreenLanguage.h"

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

    // The game's own table reads every byte as the system's converter does, where the system
    // has one (Qt built with ICU).
    void theGamesCodePageIsTheSystems() {
        QStringDecoder system("windows-1251");
        if (!system.isValid()) {
            QSKIP("this Qt has no converter for Windows-1251");
        }
        for (int value = 0; value < 256; ++value) {
            const QByteArray byte(1, static_cast<char>(value));
            QStringDecoder decoder("windows-1251");
            const QString expected = decoder.decode(byte);
            QVERIFY(!decoder.hasError());
            QCOMPARE(QString::fromStdString(fromWindows1251(byte.toStdString())), expected);
        }
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

    void aFileMarkedAsUtf8IsReadAsUtf8() {
        const QString path = folder_.filePath(QStringLiteral("edited.tso"));
        std::vector<std::string> lines;
        writeBytes(path, "\xEF\xBB\xBF\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\r\n-1\r\n");
        QVERIFY(!readSavedGameFile(path.toStdString(), lines));
        QCOMPARE(lines, (std::vector<std::string>{"Иван", "-1"}));

        // What the game could not save again is refused.
        writeBytes(path, "\xEF\xBB\xBF\xE6\x96\xB0\r\n");
        const auto error = readSavedGameFile(path.toStdString(), lines);
        QVERIFY(error);
        QVERIFY(error->find("Windows-1251") != std::string::npos);
    }

    // Neither the menu nor the command line may hang on a file that is not one: both read
    // through this function.
    void aPipeAFolderOrADeviceIsRefusedAtOnce() {
        const QString pipe = folder_.filePath(QStringLiteral("pipe.tso"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString& path : {pipe, folder_.path(), QStringLiteral("/dev/zero")}) {
            QElapsedTimer clock;
            clock.start();
            std::vector<std::string> lines;
            const auto error = readSavedGameFile(path.toStdString(), lines);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(path));
            QVERIFY2(error, qPrintable(path));
            QVERIFY2(QString::fromStdString(*error).startsWith(
                         QStringLiteral("Cannot open file \"%1\". Это ").arg(path)),
                     error->c_str());
        }
    }

    // A name from an old disk in Latin-1, which is no UTF-8, as the command line hands it on.
    void aFileWhoseNameIsNotUtf8OpensByItsBytes() {
        const QByteArray path = QFile::encodeName(folder_.path()) + "/caf\xe9.tso";
        const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(descriptor >= 0);
        QCOMPARE(::write(descriptor, "Ivan\r\n", 6), ssize_t{6});
        ::close(descriptor);
        std::vector<std::string> lines;
        const auto error = readSavedGameFile(path.toStdString(), lines);
        QVERIFY2(!error, error ? error->c_str() : "");
        QCOMPARE(lines, std::vector<std::string>{"Ivan"});
    }

    // The reason is told in the game's language, whether the system or the game gives it.
    void aFileThatCannotBeOpenedOrIsTooLargeIsRefusedWithItsReason() {
        const QString missing = folder_.filePath(QStringLiteral("missing.tso"));
        const QString large = folder_.filePath(QStringLiteral("large.tso"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kLargestSavedGame + 1, 'x'));
        file.close();
        const struct {
            ScreenLanguage language;
            const char* missing;
            const char* tooLarge;
        } kLanguages[] = {
            {ScreenLanguage::Russian, "Нет такого файла или папки.",
             "Файл слишком велик для сохранённой игры."},
            {ScreenLanguage::English, "No such file or folder.",
             "The file is too large to be a saved game."},
        };
        for (const auto& row : kLanguages) {
            useLanguage(row.language);
            for (const auto& [path, reason] :
                 {std::pair{missing, row.missing}, std::pair{large, row.tooLarge}}) {
                std::vector<std::string> lines{"kept"};
                const auto error = readSavedGameFile(path.toStdString(), lines);
                QVERIFY(error);
                QCOMPARE(QString::fromStdString(*error),
                         QStringLiteral("Cannot open file \"%1\". %2")
                             .arg(path, QString::fromUtf8(reason)));
            }
        }
        useLanguage(ScreenLanguage::Russian);
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

    // A file size limit fails a write as a full disk does, without root or a mount; a child
    // process carries it.
    void aSaveOntoAFullDiskKeepsTheOldFileAndSaysWhy() {
        const QString path = folder_.filePath(QStringLiteral("game.tso"));
        QVERIFY(!writeSavedGameFile(path.toStdString(), std::vector<std::string>(120, "old")));
        const QByteArray before = contents(path);
        int channel[2];
        QCOMPARE(::pipe(channel), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(channel[0]);
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{256, 256};
            ::setrlimit(RLIMIT_FSIZE, &small);
            const auto error =
                writeSavedGameFile(path.toStdString(), std::vector<std::string>(120, "a new game"));
            const std::string said = error ? *error : std::string("no error");
            const bool written =
                ::write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
            ::_exit(written ? 0 : 1);
        }
        ::close(channel[1]);
        QByteArray said;
        char buffer[512];
        for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
            said.append(buffer, got);
        }
        ::close(channel[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        // The platform's reason, in the game's language, even though the first write got part
        // of the file out.
        QCOMPARE(QString::fromUtf8(said),
                 QStringLiteral("Cannot create file \"%1\". Файл слишком велик.").arg(path));
        QCOMPARE(contents(path), before);
        // Nor is the cancelled new file left beside it.
        QCOMPARE(QDir(folder_.path()).entryList({QStringLiteral("game.tso*")}, QDir::Files),
                 QStringList{"game.tso"});
    }

  private:
    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::SavedGameFileTest)
#include "SavedGameFileTest.moc"
