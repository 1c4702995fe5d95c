#include "app/QtShellPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>

#include "persistence/SavedGameFile.h"

namespace tessaro {

namespace {

// Where the file dialogs start until the player picks a file: a folder of saved games in
// the user's data location, made when it is first needed.
QString savedGamesFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/saves");
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

QtShellPort::QtShellPort() {
    // Mapped, not read: a few tenths of a millisecond at start-up. Loaded later, the reason of
    // an error message would change language once the first dialog had opened.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QStringLiteral("qtbase_ru"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    }
}

void QtShellPort::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtShellPort::chooseFile(const FileChoice& choice) {
    const QString title = QString::fromStdString(choice.title);
    const QString filter = QString::fromStdString(choice.filter);
    const QString start = choice.rememberedName.empty()
                              ? savedGamesFolder()
                              : QString::fromStdString(choice.rememberedName);
    const QString chosen =
        choice.purpose == FileChoice::Purpose::Save
            ? QFileDialog::getSaveFileName(nullptr, title, start, filter, nullptr,
                                           QFileDialog::DontConfirmOverwrite)
            : QFileDialog::getOpenFileName(nullptr, title, start, filter);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

std::optional<std::string> QtShellPort::writeSavedGame(const std::string& path,
                                                       const std::vector<std::string>& lines) {
    return writeSavedGameFile(path, lines);
}

std::optional<std::string> QtShellPort::readSavedGame(const std::string& path,
                                                      std::vector<std::string>& lines) {
    return readSavedGameFile(path, lines);
}

void QtShellPort::endProgram() {
    QCoreApplication::exit(0);
}

void QtShellPort::restartProgram() {
    // The running program's own executable, wherever it was started from. The old game ends
    // even if the new one cannot start.
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    QCoreApplication::exit(0);
}

}  // namespace tessaro
