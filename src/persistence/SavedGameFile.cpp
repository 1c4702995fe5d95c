#include "persistence/SavedGameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>

namespace tessaro {

namespace {

std::string cannotCreate(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason).toStdString();
}

std::string cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString();
}

}  // namespace

std::optional<std::string> encodeSavedGame(const std::vector<std::string>& lines,
                                           QByteArray& bytes) {
    QString text;
    for (const std::string& line : lines) {
        text += QString::fromStdString(line);
        text += QStringLiteral("\r\n");
    }
    // The converter is made where it is used: Qt 6.4 mishandles a moved ICU converter.
    QStringEncoder encoder("windows-1251");
    bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError()) {
        return std::string("The game holds text that the Windows-1251 code page cannot store.");
    }
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
            return std::string("The file is marked as UTF-8 but is not.");
        }
    } else {
        QStringDecoder decoder("windows-1251");
        text = decoder.decode(bytes);
        if (!decoder.isValid() || decoder.hasError()) {
            return std::string("The file is not in the Windows-1251 code page.");
        }
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
        return std::string("The file holds text that the Windows-1251 code page cannot store.");
    }
    return std::nullopt;
}

std::optional<std::string> writeSavedGameFile(const std::string& path,
                                              const std::vector<std::string>& lines) {
    const QString name = QString::fromStdString(path);
    QByteArray bytes;
    if (const auto reason = encodeSavedGame(lines, bytes)) {
        return cannotCreate(name, QString::fromStdString(*reason));
    }
    QSaveFile file(name);
    // Unbuffered, every write reaches the file at once and a full disk fails it here: Qt 6.4's
    // commit() reports success even when its own final flush failed, and would put an empty or
    // cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return cannotCreate(name, file.errorString());
    }
    // A write cut short (the disk filled, the file reached its size limit) is tried again for
    // the rest, so that the platform says why it cannot go on.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            break;
        }
        written += more;
    }
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return cannotCreate(name, reason);
    }
    if (!file.commit()) {
        return cannotCreate(name, file.errorString());
    }
    return std::nullopt;
}

std::optional<std::string> readSavedGameFile(const std::string& path,
                                             std::vector<std::string>& lines) {
    const QString name = QString::fromStdString(path);
    // Opened without blocking, and looked at before anything is read: a pipe or a device would
    // otherwise hold the program until someone wrote to it.
    // Opened by the path's own bytes: a name that is not UTF-8 (a Latin-1 name from an old disk)
    // would not survive a round trip through QString.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return cannotOpen(name, qt_error_string(errno));
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return cannotOpen(name, S_ISDIR(status.st_mode)
                                    ? QStringLiteral("It is a folder, not a saved game.")
                                    : QStringLiteral("It is not a file but a device or a "
                                                     "pipe, which cannot hold a saved game."));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return cannotOpen(name, file.errorString());
    }
    if (file.size() > kLargestSavedGame) {
        return cannotOpen(name, QStringLiteral("The file is too large to be a saved game."));
    }
    const QByteArray bytes = file.read(kLargestSavedGame + 1);
    if (bytes.size() > kLargestSavedGame) {
        return cannotOpen(name, QStringLiteral("The file is too large to be a saved game."));
    }
    if (const auto reason = decodeSavedGame(bytes, lines)) {
        return cannotOpen(name, QString::fromStdString(*reason));
    }
    return std::nullopt;
}

}  // namespace tessaro
