#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/ShellPort.h"

class QWidget;

namespace tessaro {

// The world outside the game on a desktop or a page: modal message boxes, the file dialogs, the
// files of saved games, and the program itself.
class QtShellPort : public ShellPort {
  public:
    // `program` is what "Новая" starts: the running program's own file, as it was named when
    // the program started (an upgrade may replace the file, a removal may take it away).
    explicit QtShellPort(QString program = QCoreApplication::applicationFilePath(),
                         QString slot = lastGameSlot())
        : program_(std::move(program)), slot_(std::move(slot)) {}
    ~QtShellPort() override;

    // The slot of the last game, beside the folder of saved games. Of two games at once, the
    // first that keeps its game owns the slot until it ends; the other keeps nothing. Only a
    // running copy holds it: a lock left by a copy that has gone (killed, or its PID now another
    // program's, or this one's), or a file there that cannot be read as a lock, is taken over.
    static QString lastGameSlot();
    // A slot that did not load is kept aside under a name of its own, never deleted; returns
    // that name, or nothing when it could not be moved.
    QString keepTheSlotAside();

    // The window that message boxes and file dialogs belong to, asked anew for each: a window
    // manager keeps them above it.
    void setDialogOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
    // What "Новая" gives the new program: the options this one was started with that a new game
    // keeps (the language, Qt's own), without the game it started from.
    void setRestartArguments(QStringList arguments) { restartArguments_ = std::move(arguments); }
    // The program started from a saved game that the player chose: the file dialogs start in
    // its folder.
    void startedFrom(const QString& savedGame) {
        lastFolder_ = QFileInfo(savedGame).absolutePath();
    }

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override;
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override;
    std::optional<std::string> keepGame(const std::vector<std::string>& lines) override;
    void forgetGame() override;
    void endProgram() override;
    std::optional<std::string> restartProgram() override;

  private:
    QWidget* owner() const { return owner_ ? owner_() : nullptr; }

    // Who holds the slot's lock, asked once a run: this program, another running copy, or no
    // one, where no lock can be made (a folder that takes no file, a full disk).
    enum class SlotHolder { ThisProgram, AnotherCopy, NoOne };
    SlotHolder holdTheSlot();
    // Lets the lock go, for the next copy of the game; asked again should this one keep again.
    void releaseTheSlot();

    // What differs by platform, one file for each (ShellPortDesktop.cpp, ShellPortWeb.cpp),
    // besides choosing a file, ending and restarting:
    // Whether another copy of the game keeps its game in the slot, where the platform knows it
    // beside the slot's lock (another page of the game in the browser).
    static bool anotherCopyKeepsTheSlot();
    // Where the program's files go with the program (a page), keeps a lasting copy of the file
    // at `path`, or forgets the copy once the file is gone. Returns why it could not.
    static std::optional<QString> keepLasting(const QString& path);
    // A game that the player saved, once written: where the player's own folders cannot be
    // written (a page), it goes to him (a download).
    static void handOver(const QString& path);

    std::function<QWidget*()> owner_;
    QString program_;
    QStringList restartArguments_;
    // The folder that a file dialog chose from last, or the game the program started from.
    QString lastFolder_;
    QString slot_;
    std::unique_ptr<QLockFile> slotLock_;
    SlotHolder slotHolder_ = SlotHolder::NoOne;
};

}  // namespace tessaro
