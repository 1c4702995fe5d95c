#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

inline constexpr const char* kGameTitle = "Tessaro 1.1";

enum class MessageIcon { None, Question };

// A file dialog that the rules ask for: to open a saved game or to save one.
struct FileChoice {
    enum class Purpose { Open, Save };

    Purpose purpose = Purpose::Open;
    std::string title;
    std::string filter;  // in Qt's syntax: "Description (*.ext)"
    // The name chosen in this dialog the last time, offered again; empty the first time,
    // when the dialog starts in the folder of saved games.
    std::string rememberedName;
};

// Everything that leaves the game: messages, file choices, saved-game files, ending and
// restarting. The program answers with modal dialogs, real files and by ending itself; tests
// record the requests, answer file choices from a list and keep files in memory.
class ShellPort {
  public:
    virtual ~ShellPort() = default;

    // Shows a message and returns when the player has closed it.
    virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Lets the player choose a file; nothing when he cancels or confirms an empty name.
    virtual std::optional<std::string> chooseFile(const FileChoice& choice) = 0;
    // Writes the lines of a saved game to a file, replacing it in one go, or leaving the old
    // file as it was. Returns the error to show the player, or nothing.
    virtual std::optional<std::string> writeSavedGame(const std::string& path,
                                                      const std::vector<std::string>& lines) = 0;
    // Reads the lines of a saved game. Returns the error to show the player, or nothing.
    virtual std::optional<std::string> readSavedGame(const std::string& path,
                                                     std::vector<std::string>& lines) = 0;
    // A game read from a file has taken the place of the one in play.
    virtual void gameLoaded() {}
    // Keeps the game, as the lines of a saved game, in the slot of the last game, which
    // `--continue` starts again. Returns why the slot does not hold it, in the game's language,
    // or nothing once it does. Once the game is over, `forgetGame` empties the slot.
    virtual std::optional<std::string> keepGame(const std::vector<std::string>& lines) = 0;
    virtual void forgetGame() = 0;
    // Ends the program at once, saving nothing.
    virtual void endProgram() = 0;
    // Starts a fresh copy of the program, then ends this one. When no fresh copy starts, this
    // one goes on: returns what to tell the player, in the game's language.
    virtual std::optional<std::string> restartProgram() = 0;
};

// A port between the rules and the one outside: hands every request on, and overrides what it
// must do first.
class ShellPortRelay : public ShellPort {
  public:
    explicit ShellPortRelay(ShellPort& outside) : outside_(outside) {}

    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        outside_.message(text, title, icon);
    }
    std::optional<std::string> chooseFile(const FileChoice& choice) override {
        return outside_.chooseFile(choice);
    }
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override {
        return outside_.writeSavedGame(path, lines);
    }
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override {
        return outside_.readSavedGame(path, lines);
    }
    void gameLoaded() override { outside_.gameLoaded(); }
    std::optional<std::string> keepGame(const std::vector<std::string>& lines) override {
        return outside_.keepGame(lines);
    }
    void forgetGame() override { outside_.forgetGame(); }
    void endProgram() override { outside_.endProgram(); }
    std::optional<std::string> restartProgram() override { return outside_.restartProgram(); }

  protected:
    ShellPort& outside_;
};

}  // namespace tessaro
