#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

#include "core/ShellPort.h"

class QWidget;

namespace tessaro {

// The world outside the game on a desktop: modal message boxes, the file dialogs, the files
// of saved games, and the process itself.
class QtShellPort : public ShellPort {
  public:
    // `program` is what "Новая" starts: the running program's own file, as it was named when
    // the program started (an upgrade may replace the file, a removal may take it away).
    explicit QtShellPort(QString program = QCoreApplication::applicationFilePath(),
                         QString slot = lastGameSlot())
        : program_(std::move(program)), slot_(std::move(slot)) {}
    ~QtShellPort() override;

    // The slot of the last game, beside the folder of saved games. Of two games at once, the
    // first that keeps its game owns the slot until it ends; the other keeps nothing.
    static QString lastGameSlot();
    // A slot that did not load is kept aside under a name of its own, never deleted; returns
    // that name, or nothing when it could not be moved.
    QString keepTheSlotAside();

    // The window that message boxes and file dialogs belong to, asked anew for each: a window
    // manager keeps them above it.
    void setDialogOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override;
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override;
    bool keepGame(const std::vector<std::string>& lines) override;
    void forgetGame() override;
    void endProgram() override;
    std::optional<std::string> restartProgram() override;

  private:
    QWidget* owner() const { return owner_ ? owner_() : nullptr; }

    // Whether this program holds the slot's lock, taking it the first time.
    bool ownsTheSlot();

    std::function<QWidget*()> owner_;
    QString program_;
    QString slot_;
    std::unique_ptr<QLockFile> slotLock_;
};

}  // namespace tessaro
