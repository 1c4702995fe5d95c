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
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
#include <cstdio>

#include "persistence/SavedGameFile.h"
#include "widgets/ScreenLanguage.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

QtShellPort::~QtShellPort() = default;

namespace {

constexpr QSize kFileDialogSize(760, 440);

// What a second game at once says, on the terminal, of the slot of the last game.
constexpr const char* kSlotTaken =
    QT_TRANSLATE_NOOP("tessaro", "Последнюю игру хранит другая игра: эта сама не сохраняется.");
// What a game says there when its folder takes no file (read-only, or a limit of file size).
constexpr const char* kSlotUnwritable =
    QT_TRANSLATE_NOOP("tessaro", "Игра сама не сохраняется: в папке «%1» нельзя создать файл.");

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
    const QString start = choice.rememberedName.empty()
                              ? savedGamesFolder()
                              : QString::fromStdString(choice.rememberedName);
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

bool QtShellPort::ownsTheSlot() {
    if (slotLock_ == nullptr) {
        const QString folder = QFileInfo(slot_).absolutePath();
        QDir().mkpath(folder);
        slotLock_ = std::make_unique<QLockFile>(slot_ + QStringLiteral(".lock"));
        // Held as long as the game runs: only a lock whose program has gone is stale.
        slotLock_->setStaleLockTime(0);
        if (!slotLock_->tryLock(0)) {
            // Said once: the lock is asked for once a run.
            const QString why = slotLock_->error() == QLockFile::LockFailedError
                                    ? QCoreApplication::translate("tessaro", kSlotTaken)
                                    : QCoreApplication::translate("tessaro", kSlotUnwritable)
                                          .arg(QDir::toNativeSeparators(folder));
            std::fprintf(stderr, "%s\n", qPrintable(why));
        }
    }
    return slotLock_->isLocked();
}

bool QtShellPort::keepGame(const std::vector<std::string>& lines) {
    if (!ownsTheSlot()) {
        return false;
    }
    // The slot is the game's own file. QSaveFile writes through a link to the file it points
    // to, which may be one of the player's own saves, or makes that file where the link points
    // nowhere: a link in the slot's place (QFileInfo reads the link itself, as lstat does) is
    // taken away first, and the game writes a file of its own there.
    if (QFileInfo(slot_).isSymLink() && !QFile::remove(slot_)) {
        return false;
    }
    if (const std::optional<std::string> error = writeSavedGameFile(slot_.toStdString(), lines)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return false;
    }
    return true;
}

void QtShellPort::forgetGame() {
    if (ownsTheSlot()) {
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
    QCoreApplication::exit(0);
}

std::optional<std::string> QtShellPort::restartProgram() {
    if (!QProcess::startDetached(program_, {})) {
        return QCoreApplication::translate("tessaro", kNoNewGame).arg(program_).toStdString();
    }
    QCoreApplication::exit(0);
    return std::nullopt;
}

}  // namespace tessaro
