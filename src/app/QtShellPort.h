#pragma once

#include "core/ShellPort.h"

namespace tessaro {

// The world outside the game on a desktop: modal message boxes, the file dialogs, the files
// of saved games, and the process itself.
class QtShellPort : public ShellPort {
  public:
    // Qt's own texts (the dialogs, the platform's reasons in error messages) speak Russian
    // from the start, as the game does.
    QtShellPort();

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override;
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override;
    void endProgram() override;
    void restartProgram() override;
};

}  // namespace tessaro
