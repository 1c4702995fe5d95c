#include "persistence/SavedGameFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <iterator>

#include "persistence/CodePage.h"
#include "persistence/SystemFile.h"

namespace tessaro {

namespace {

std::string cannotCreate(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason).toStdString();
}

std::string cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString();
}

// Reasons of the game's own, translated where they are told.
constexpr const char* kGameOutsideCodePage =
    QT_TRANSLATE_NOOP("tessaro", "В игре есть текст не из кодовой страницы Windows-1251.");
constexpr const char* kFileOutsideCodePage =
    QT_TRANSLATE_NOOP("tessaro", "В файле есть текст не из кодовой страницы Windows-1251.");

// A reason of the game's own, in the game's language.
QString reason(const char* text) {
    return QCoreApplication::translate("tessaro", text);
}

// What the system says of the usual errors, in the game's language: the system would say it
// in the desktop's language where its translations are installed, and Qt in its own.
constexpr const char* kFaultTexts[] = {
    QT_TRANSLATE_NOOP("tessaro", "Нет такого файла или папки."),
    QT_TRANSLATE_NOOP("tessaro", "Нет доступа."),
    QT_TRANSLATE_NOOP("tessaro", "На диске не осталось места."),
    QT_TRANSLATE_NOOP("tessaro", "Исчерпана квота на диске."),
    QT_TRANSLATE_NOOP("tessaro", "Диск доступен только для чтения."),
    QT_TRANSLATE_NOOP("tessaro", "Часть пути не является папкой."),
    QT_TRANSLATE_NOOP("tessaro", "Это папка."),
    QT_TRANSLATE_NOOP("tessaro", "Файл слишком велик."),
    QT_TRANSLATE_NOOP("tessaro", "Слишком длинное имя файла."),
    QT_TRANSLATE_NOOP("tessaro", "Ошибка ввода-вывода."),
};
static_assert(std::size(kFaultTexts) == static_cast<std::size_t>(FileFault::InputOutput) + 1);

QString systemReason(int error) {
    const std::optional<FileFault> fault = faultOf(error);
    return fault ? reason(kFaultTexts[static_cast<std::size_t>(*fault)]) : qt_error_string(error);
}

QString tooLarge() {
    return reason(QT_TRANSLATE_NOOP("tessaro", "Файл слишком велик для сохранённой игры."));
}

// Why a file call failed: what the system said, where it said something, else Qt's word.
QString failure(const QFileDevice& file, int error) {
    return error != 0 ? systemReason(error) : file.errorString();
}

}  // namespace

std::optional<std::string> encodeSavedGame(const std::vector<std::string>& lines,
                                           QByteArray& bytes) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    const std::optional<std::string> encoded = toWindows1251(text);
    if (!encoded) {
        return reason(kGameOutsideCodePage).toStdString();
    }
    bytes = QByteArray::fromStdString(*encoded);
    return std::nullopt;
}

std::optional<std::string> decodeSavedGame(const QByteArray& bytes,
                                           std::vector<std::string>& lines) {
    QString text;
    const QByteArray utf8Mark("\xEF\xBB\xBF");
    const bool markedUtf8 = bytes.startsWith(utf8Mark);
    if (markedUtf8) {
        // An editor saved the game in UTF-8 and marked it so. Read as the code page, the mark
        // would become the first letters of the player's name.
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder.decode(QByteArrayView(bytes).sliced(utf8Mark.size()));
        if (!decoder.isValid() || decoder.hasError()) {
            return reason(QT_TRANSLATE_NOOP("tessaro", "Файл помечен как UTF-8, но это не UTF-8."))
                .toStdString();
        }
    } else {
        text = QString::fromStdString(fromWindows1251(bytes.toStdString()));
    }
    lines.clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines.push_back(text.mid(start, i - start).toStdString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    // A last line without its line end still counts.
    if (start < text.size()) {
        lines.push_back(text.mid(start).toStdString());
    }
    // What the game reads from a UTF-8 file, it must be able to save again.
    QByteArray again;
    if (markedUtf8 && encodeSavedGame(lines, again)) {
        lines.clear();
        return reason(kFileOutsideCodePage).toStdString();
    }
    return std::nullopt;
}

namespace {

// Writes the file; returns why it could not, in the game's language.
std::optional<QString> writeFile(const QString& name, const std::vector<std::string>& lines) {
    QByteArray bytes;
    if (const auto reason = encodeSavedGame(lines, bytes)) {
        return QString::fromStdString(*reason);
    }
    // QSaveFile says this one in Qt's own words.
    if (QFileInfo(name).isDir()) {
        return reason(kFaultTexts[static_cast<std::size_t>(FileFault::IsAFolder)]);
    }
    QSaveFile file(name);
    // Unbuffered, every write reaches the file at once and a full disk fails it here: Qt 6.4's
    // commit() reports success even when its own final flush failed, and would put an empty or
    // cut file in place of the old one.
    clearFileError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(file, lastFileError());
    }
    // A write cut short (the disk filled, the file reached its size limit) is tried again for
    // the rest, so that the platform says why it cannot go on.
    qint64 written = 0;
    clearFileError();
    while (written < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            break;
        }
        written += more;
    }
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = failure(file, lastFileError());
        file.cancelWriting();
        return why;
    }
    clearFileError();
    if (!file.commit()) {
        return failure(file, lastFileError());
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> writeSavedGameFile(const std::string& path,
                                              const std::vector<std::string>& lines,
                                              std::string* reason) {
    const QString name = QString::fromStdString(path);
    const std::optional<QString> why = writeFile(name, lines);
    if (!why) {
        return std::nullopt;
    }
    if (reason != nullptr) {
        *reason = why->toStdString();
    }
    return cannotCreate(name, *why);
}

std::optional<std::string> readSavedGameFile(const std::string& path,
                                             std::vector<std::string>& lines) {
    const QString name = QString::fromStdString(path);
    QFile file;
    if (const std::optional<OpenFailure> failed = openToRead(path, file)) {
        if (failed->notAFile) {
            return cannotOpen(
                name,
                *failed->notAFile == NotAFile::Folder
                    ? reason(QT_TRANSLATE_NOOP("tessaro", "Это папка, а не сохранённая игра."))
                    : reason(QT_TRANSLATE_NOOP("tessaro", "Это не файл, а устройство или канал.")));
        }
        return cannotOpen(name, failure(file, failed->error));
    }
    if (file.size() > kLargestSavedGame) {
        return cannotOpen(name, tooLarge());
    }
    const QByteArray bytes = file.read(kLargestSavedGame + 1);
    if (bytes.size() > kLargestSavedGame) {
        return cannotOpen(name, tooLarge());
    }
    if (const auto reason = decodeSavedGame(bytes, lines)) {
        return cannotOpen(name, QString::fromStdString(*reason));
    }
    return std::nullopt;
}

}  // namespace tessaro
