#include "app/QtShellPort.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSet>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
#include <cstdio>

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

constexpr QSize kFileDialogSize(760, 440);

// What a second game at once says of the slot of the last game.
constexpr const char* kSlotTaken =
    QT_TRANSLATE_NOOP("tessaro", "Последнюю игру хранит другая игра: эта сама не сохраняется.");
// What a game says when its folder takes no file (read-only, full, or a limit of file size).
constexpr const char* kSlotUnwritable =
    QT_TRANSLATE_NOOP("tessaro", "Игра сама не сохраняется: в папке «%1» нельзя создать файл.");
// What it says when the slot could not be written.
constexpr const char* kSlotNotWritten =
    QT_TRANSLATE_NOOP("tessaro", "Игра сама не сохранилась в «%1»: %2");

// What the player reads when "Новая" cannot start a new game; the running one goes on.
constexpr const char* kNoNewGame =
    QT_TRANSLATE_NOOP("tessaro", "Новая игра не началась: программа «%1» не запускается.");

// Where the file dialogs start until the player picks a file: a folder of saved games in
// the user's data location, made when it is first needed.
QString savedGamesFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/saves");
    QDir().mkpath(folder);
    return folder;
}

// The file dialog's sizes and dates in the game's language: Qt's file model writes them in the
// desktop's, whatever language the program speaks.
class GameLanguageFiles : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files != nullptr) {
            const QModelIndex file = mapToSource(index);
            if (index.column() == kSizeColumn && !files->isDir(file)) {
                return QLocale().formattedDataSize(files->size(file));
            }
            if (index.column() == kDateColumn) {
                return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }

  private:
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 3;
};

// Qt's file dialog, where a name typed without an ending in the load dialog opens the saved
// game of that name, as the save dialog saved it, unless a file of exactly that name is there.
// (Qt's own default ending looks for the typed name in the program's working folder, not in the
// dialog's.) The save dialog leaves the ending to the game's own rule.
class GameFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

  protected:
    void accept() override {
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (acceptMode() == AcceptOpen && name != nullptr) {
            const QString typed = name->text();
            const QString saved = typed + QStringLiteral(".tso");
            if (!typed.isEmpty() && QFileInfo(typed).suffix().isEmpty() &&
                !directory().exists(typed) && directory().exists(saved)) {
                name->setText(saved);
            }
        }
        QFileDialog::accept();
    }
};

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

std::optional<std::string> QtShellPort::chooseFile(const FileChoice& choice) {
    const QString title = gameText(choice.title);
    const QString filter = gameText(choice.filter);
    // Each dialog offers the name last chosen in it, in the folder that either dialog chose
    // from last: a game saved there is found there by its name.
    const QString remembered = QString::fromStdString(choice.rememberedName);
    QString start = remembered.isEmpty() ? savedGamesFolder() : remembered;
    if (!lastFolder_.isEmpty()) {
        start = remembered.isEmpty() ? lastFolder_
                                     : QDir(lastFolder_).filePath(QFileInfo(remembered).fileName());
    }
    GameFileDialog dialog(owner(), title, start, filter);
    if (choice.purpose == FileChoice::Purpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setProxyModel(new GameLanguageFiles(&dialog));
    WindowCaption::addTo(&dialog);
    // Wide enough for the columns of sizes, types and dates to show whole, and each of them as
    // wide as what it shows (Qt's own dialog; a desktop's dialog lays itself out).
    dialog.resize(kFileDialogSize);
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    // The places beside the folder as wide as their names («Компьютер» would be cut).
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (places != nullptr && splitter != nullptr && splitter->count() == 2) {
        const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() + 8;
        const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
        if (wanted > splitter->sizes().value(0) && total > wanted) {
            splitter->setSizes({wanted, total - wanted});
        }
    }
    // The dialog holds the whole game, as a message box does: a window that stands beside
    // takes nothing either. No game time passes while it waits.
    dialog.setWindowModality(Qt::ApplicationModal);
    const QString chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                               ? dialog.selectedFiles().constFirst()
                               : QString();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    lastFolder_ = QFileInfo(chosen).absolutePath();
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

QString QtShellPort::lastGameSlot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/last-game.tso");
}

QtShellPort::~QtShellPort() {
    releaseTheSlot();
}

QtShellPort::SlotHolder QtShellPort::holdTheSlot() {
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
        return std::nullopt;
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
    }
}

QString QtShellPort::keepTheSlotAside() {
    const QString aside =
        QFileInfo(slot_).absolutePath() +
        QStringLiteral("/last-game-unreadable-%1.tso")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    return QFile::rename(slot_, aside) ? aside : QString();
}

void QtShellPort::endProgram() {
    // Released at once: Windows ends a program asked to end by the system as soon as this
    // returns, before the program could release it on its way out.
    releaseTheSlot();
    QCoreApplication::exit(0);
}

std::optional<std::string> QtShellPort::restartProgram() {
    if (!QProcess::startDetached(program_, restartArguments_)) {
        return QCoreApplication::translate("tessaro", kNoNewGame).arg(program_).toStdString();
    }
    releaseTheSlot();
    QCoreApplication::exit(0);
    return std::nullopt;
}

}  // namespace tessaro
