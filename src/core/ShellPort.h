#pragma once

#include <string>

namespace tessaro {

inline constexpr const char* kGameTitle = "Tessaro 1.1";

enum class MessageIcon { None, Question };

// What the rules ask of the world outside them. The program answers with modal message
// boxes and by ending itself; tests record the requests instead.
class ShellPort {
  public:
    virtual ~ShellPort() = default;

    // Shows a message and returns when the player has closed it.
    virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Ends the program at once, saving nothing.
    virtual void endProgram() = 0;
    // Starts a fresh copy of the program, then ends this one.
    virtual void restartProgram() = 0;
};

}  // namespace tessaro
