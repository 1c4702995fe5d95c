#include "persistence/SavedGameFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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
    QStringDecoder decoder("windows-1251");
    const QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError()) {
        return std::string("The file is not in the Windows-1251 code page.");
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
    if (!file.open(QIODevice::WriteOnly)) {
        return cannotCreate(name, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
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
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
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
