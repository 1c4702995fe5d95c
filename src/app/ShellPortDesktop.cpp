// The world outside the game on a desktop (Linux, Windows): Qt's file dialogs over the
// player's folders, and a new process for a new game.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QProcess>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>

#include "app/QtShellPort.h"
#include "widgets/ScreenLanguage.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

constexpr QSize kFileDialogSize(760, 440);

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

bool QtShellPort::anotherCopyKeepsTheSlot() {
    // The slot's lock says it alone.
    return false;
}

std::optional<QString> QtShellPort::keepLasting(const QString& /*path*/) {
    // A file on the disk lasts.
    return std::nullopt;
}

void QtShellPort::handOver(const QString& /*path*/) {
    // The player chose the file in his own folders: it is there.
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
