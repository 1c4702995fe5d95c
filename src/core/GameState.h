#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/DeveloperState.h"
#include "core/DialogState.h"
#include "core/EducationState.h"
#include "core/InternetState.h"
#include "core/JobState.h"
#include "core/Random.h"
#include "core/ShellPort.h"
#include "core/ShopState.h"
#include "core/SoftwareState.h"
#include "core/Text.h"
#include "core/Timers.h"
#include "core/VirusState.h"

namespace tessaro {

inline constexpr int kSlotCount = 9;
inline constexpr int kExtraSoftCount = 5;

// Hardware slots, in the order of the game's arrays.
enum Slot : int {
    kMotherboard = 0,
    kProcessor,
    kMemory,
    kHardDisk,
    kVideo,
    kSound,
    kMonitor,
    kCdDvd,
    kModem,
};

// The twelve windows, in the order of the game's own start-up.
enum class WindowId {
    fStart,
    fMain,
    fInternet,
    fSoftware,
    fComputer,
    fEducation,
    fJob,
    fDeveloper,
    Form1,
    Form2,
    Form3,
    Form4,
};
inline constexpr std::size_t kWindowCount = 12;

struct WindowState {
    bool shown = false;
    bool enabled = true;

    bool operator==(const WindowState&) const = default;
};

inline constexpr std::int32_t kNothingShown = INT32_MIN;

// The main window's labels. Each mirrors a variable, but only as far as the rules write it:
// a label that an action does not refresh keeps its old caption.
struct MainCaptions {
    std::string lName;
    std::string lStatus;
    std::string lExpansion;
    std::string lJob;  // saved at line 102
    std::string lMoney;
    std::string lDay;
    int gMood = 100;
    std::array<std::string, kSlotCount> hardware;  // lMotherboard .. lModem, 103..111
    std::string lOS;                               // 112
    std::string lIDE;                              // 113
    std::string lAV;                               // 114
    bool bSoftwareImageEnabled = false;
    bool bInternetImageEnabled = false;
    // The experience from which the day clock last made the status and the two labels above,
    // so that a tick that finds it unchanged does no text work. Whatever else writes them
    // sets it back to kNothingShown.
    std::int32_t shownExperience = kNothingShown;

    bool operator==(const MainCaptions&) const = default;
};

// The longest name the player keeps: the start window and a saved game cut longer ones.
inline constexpr std::size_t kMaxNameLength = 255;

// Everything the game is: the player's variables under their own names, with the widths the
// saved game relies on, and the parts of the windows that are game state too. Its default
// values are those of a freshly started program, before any new game. The comments give the
// line of the saved game that stores each field.
struct GameState {
    std::string PlayerName;        // saved at line 0
    bool InternetOpen = false;     // 1
    bool SoftwareOpen = false;     // 2
    std::int32_t Money = 5000;     // 3
    std::uint8_t Mood = 100;       // 4
    std::int32_t Day = 1;          // 5
    std::int32_t DayTicks = 0;     // 6
    std::int32_t MoodTicks = 0;    // 7
    std::int32_t Wage = 0;         // 8
    std::int32_t Experience = 0;   // 9
    std::int32_t StatusLevel = 0;  // 10
    std::string Status;            // 11
    std::int32_t VirusDay = 0;     // not saved

    std::array<std::int16_t, kSlotCount> PartTradeIn{};  // 13..21
    std::array<std::uint8_t, kSlotCount> PartLevel{};    // 22..30
    std::int32_t DiskFree = 0;                           // 62
    std::int32_t DiskTotal = 0;                          // 63
    std::uint8_t OsId = 0;                               // 54
    std::uint8_t IdeId = 0;                              // 55
    std::uint8_t AvId = 0;                               // 56
    std::array<bool, kExtraSoftCount> ExtraSoft{};       // 57..61
    std::int32_t OsSize = 0;                             // 64
    std::int32_t IdeSize = 0;                            // 65
    std::int32_t AvSize = 0;                             // 66
    std::array<bool, kCourseCount> Knowledge{};          // 37..53
    std::uint8_t JobId = 0;                              // 12
    std::uint8_t ProjectKind = 0;                        // 31
    std::uint8_t ProjectPrice = 0;                       // 32
    std::uint8_t ProjectValue = 0;                       // 33
    bool ProjectActive = false;                          // 34
    std::uint8_t ProjectProgress = 0;                    // 35
    std::string ProjectName;                             // 36
    bool Connected = false;                              // 93
    std::uint8_t DialDraw = 0;                           // 94
    std::uint8_t DialStep = 0;                           // 95
    std::uint8_t MissionStep = 0;                        // 96
    std::array<bool, kToolCount> ToolOwned{};            // 97..101
    std::int32_t MissionDraw = 0;                        // not saved
    std::uint8_t MissionAmount = 0;                      // not saved
    std::int32_t SaleDraw = 0;                           // not saved
    std::uint8_t VirusKillDraw = 0;                      // not saved

    MainCaptions main;
    DeveloperCaptions developer;
    InternetCaptions internet;
    SoftwareCaptions software;
    ComputerCaptions computer;
    EducationCaptions education;
    JobCaptions jobs;
    VirusCaptions virus;
    SavedGameDialogs dialogs;

    std::array<WindowState, kWindowCount> windows{};
    TimerStates timers = initialTimers();

    // Equal states are the same game: nothing a player could see or lose differs.
    bool operator==(const GameState&) const = default;

    WindowState& window(WindowId id) { return windows[static_cast<std::size_t>(id)]; }
    const WindowState& window(WindowId id) const { return windows[static_cast<std::size_t>(id)]; }
    const TimerState& timer(TimerId id) const { return timers[static_cast<std::size_t>(id)]; }
};

// The running game: its state, the random source and the way out to the shell.
struct Game : GameState {
    Game(ShellPort& shellPort, SeedSource seedSource)
        : shell(shellPort), random(std::move(seedSource)) {}

    int Random(int n) { return random.Random(n); }
    void Randomize() { random.Randomize(); }

    ShellPort& shell;
    LcgRandom random;
};

}  // namespace tessaro
