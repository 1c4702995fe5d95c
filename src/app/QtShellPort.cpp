#include "app/QtShellPort.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSet>
#include <QStandardPaths>

#include "persistence/SavedGameFile.h"
#include "widgets/ScreenLanguage.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

// The locks of the slot that this program holds, by their paths: a lock that names this
// program's PID is its own only when it is among them.
QSet<QString>& locksHeldHere() {
    static QSet<QString> held;
    return held;
}

// A lock is a regular file. Whatever else stands in its place is no lock, and is taken away: a
// pipe, which would hold the program that reads it until someone writes, a link, a folder (one
// with something in it is set aside, never deleted).
void clearWhatIsNoLock(const QString& path) {
    const QFileInfo what(path);
    if (!what.isSymLink() && (!what.exists() || what.isFile())) {
        return;
    }
    if (!QFile::remove(path) && !QDir().rmdir(path)) {
        QDir().rename(path, path + QDateTime::currentDateTime().toString(
                                       QStringLiteral("'-not-a-lock-'yyyyMMdd-hhmmss")));
    }
}

// Whether a lock that this program could not take is held by a running copy of the game. Qt
// has judged the rest: a lock whose program has gone, or whose PID another program now has, it
// took over itself. What it cannot judge: a file that is no lock (empty, or something else
// written there), and a lock that names this very program's PID, which Windows gives to the
// next program once the one that held it was killed.
bool heldByARunningCopy(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString program;
    return lock.getLockInfo(&pid, &host, &program) &&
           (pid != QCoreApplication::applicationPid() || locksHeldHere().contains(lock.fileName()));
}

// What a second game at once says of the slot of the last game.
constexpr const char* kSlotTaken =
    QT_TRANSLATE_NOOP("tessaro", "Последнюю игру хранит другая игра: эта сама не сохраняется.");
// What a game says when its folder takes no file (read-only, full, or a limit of file size).
constexpr const char* kSlotUnwritable =
    QT_TRANSLATE_NOOP("tessaro", "Игра сама не сохраняется: в папке «%1» нельзя создать файл.");
// What it says when the slot could not be written.
constexpr const char* kSlotNotWritten =
    QT_TRANSLATE_NOOP("tessaro", "Игра сама не сохранилась в «%1»: %2");

}  // namespace

void QtShellPort::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    gameText(title), QString(), QMessageBox::Ok, owner());
    // A message may quote a name or a line of a saved game: text, never markup, which could
    // have the box read a file or block on a pipe.
    box.setTextFormat(Qt::PlainText);
    box.setText(gameText(text));
    WindowCaption::addTo(&box);
    box.exec();
}

std::optional<std::string> QtShellPort::writeSavedGame(const std::string& path,
                                                       const std::vector<std::string>& lines) {
    std::optional<std::string> error = writeSavedGameFile(path, lines);
    if (!error) {
        handOver(QString::fromStdString(path));
    }
    return error;
}

std::optional<std::string> QtShellPort::readSavedGame(const std::string& path,
                                                      std::vector<std::string>& lines) {
    return readSavedGameFile(path, lines);
}

QString QtShellPort::lastGameSlot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/last-game.tso");
}

QtShellPort::~QtShellPort() {
    releaseTheSlot();
}

QtShellPort::SlotHolder QtShellPort::holdTheSlot() {
    if (anotherCopyKeepsTheSlot()) {
        return SlotHolder::AnotherCopy;
    }
    if (slotLock_ == nullptr) {
        QDir().mkpath(QFileInfo(slot_).absolutePath());
        const QString path = slot_ + QStringLiteral(".lock");
        clearWhatIsNoLock(path);
        slotLock_ = std::make_unique<QLockFile>(path);
        // Held as long as the game runs: only a lock whose program has gone is stale.
        slotLock_->setStaleLockTime(0);
        if (!slotLock_->tryLock(0) && slotLock_->error() == QLockFile::LockFailedError &&
            !heldByARunningCopy(*slotLock_)) {
            slotLock_->removeStaleLockFile();
            slotLock_->tryLock(0);
        }
        if (slotLock_->isLocked()) {
            locksHeldHere().insert(path);
        }
        slotHolder_ = slotLock_->isLocked()                              ? SlotHolder::ThisProgram
                      : slotLock_->error() == QLockFile::LockFailedError ? SlotHolder::AnotherCopy
                                                                         : SlotHolder::NoOne;
    }
    return slotHolder_;
}

void QtShellPort::releaseTheSlot() {
    if (slotLock_ != nullptr && slotLock_->isLocked()) {
        locksHeldHere().remove(slotLock_->fileName());
    }
    slotLock_.reset();
}

std::optional<std::string> QtShellPort::keepGame(const std::vector<std::string>& lines) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(slot_).absolutePath());
    switch (holdTheSlot()) {
        case SlotHolder::AnotherCopy:
            return QCoreApplication::translate("tessaro", kSlotTaken).toStdString();
        case SlotHolder::NoOne:
            return QCoreApplication::translate("tessaro", kSlotUnwritable)
                .arg(folder)
                .toStdString();
        case SlotHolder::ThisProgram:
            break;
    }
    // The slot is the game's own file. QSaveFile writes through a link to the file it points
    // to, which may be one of the player's own saves, or makes that file where the link points
    // nowhere: a link in the slot's place (QFileInfo reads the link itself, as lstat does) is
    // taken away first, and the game writes a file of its own there.
    std::string reason;
    if (QFileInfo(slot_).isSymLink() && !QFile::remove(slot_)) {
        reason = QCoreApplication::translate("tessaro", "Нет доступа.").toStdString();
    } else if (!writeSavedGameFile(slot_.toStdString(), lines, &reason)) {
        const std::optional<QString> notLasting = keepLasting(slot_);
        if (!notLasting) {
            return std::nullopt;
        }
        reason = notLasting->toStdString();
    }
    return QCoreApplication::translate("tessaro", kSlotNotWritten)
        .arg(QDir::toNativeSeparators(slot_), QString::fromStdString(reason))
        .toStdString();
}

void QtShellPort::forgetGame() {
    // Deleting takes no room: a game over leaves nothing to continue even where no lock could
    // be made (a full disk), unless a running copy holds the slot with a game of its own.
    if (holdTheSlot() != SlotHolder::AnotherCopy) {
        QFile::remove(slot_);
        keepLasting(slot_);
    }
}

QString QtShellPort::keepTheSlotAside() {
    const QString aside =
        QFileInfo(slot_).absolutePath() +
        QStringLiteral("/last-game-unreadable-%1.tso")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    if (!QFile::rename(slot_, aside)) {
        return QString();
    }
    keepLasting(slot_);
    keepLasting(aside);
    return aside;
}

}  // namespace tessaro
