#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/Random.h"
#include "core/ShellPort.h"

namespace tessaro {

inline constexpr int kSlotCount = 9;
inline constexpr int kPartModelCount = 45;
inline constexpr int kCourseCount = 17;
inline constexpr int kExtraSoftCount = 5;
inline constexpr int kSoftwareItemCount = 17;
inline constexpr int kProjectKindCount = 8;
inline constexpr int kToolCount = 5;
inline constexpr int kMissionCount = 5;

inline constexpr const char* kNone = "Нет";

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

// The twelve windows, in the order in which the program creates them.
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

// The game's timers. The program runs one real timer for each while its flag is set.
enum class TimerId { tTime };
inline constexpr std::size_t kTimerCount = 1;

struct WindowState {
    bool shown = false;
    bool enabled = true;

    bool operator==(const WindowState&) const = default;
};

// The main window's labels. Each mirrors a variable, but only as far as the rules write it:
// a label that an action does not refresh keeps its old caption.
struct MainCaptions {
    std::string lName;
    std::string lStatus;
    std::string lExpansion;
    std::string lJob;
    std::string lMoney;
    std::string lDay;
    int gMood = 100;
    std::array<std::string, kSlotCount> hardware;  // lMotherboard .. lModem
    std::string lOS;
    std::string lIDE;
    std::string lAV;
    bool bSoftwareImageEnabled = false;
    bool bInternetImageEnabled = false;

    bool operator==(const MainCaptions&) const = default;
};

struct DeveloperCaptions {
    std::array<bool, kProjectKindCount> projectEnabled{};  // devPlayer .. devHomepage
    std::string lNowProject = kNone;
    int gProgress = 0;
    bool gProgressVisible = false;

    bool operator==(const DeveloperCaptions&) const = default;
};

struct InternetCaptions {
    std::array<bool, kToolCount> toolEnabled{};
    std::array<bool, kMissionCount> missionEnabled{};
    bool saleEnabled = false;
    std::string lNowProject = kNone;  // the market site's existing project

    bool operator==(const InternetCaptions&) const = default;
};

// The hardware shop's model labels, in catalogue order (slot by slot, each by level): which
// of them take a click. The five motherboards come first and are on sale from the start.
struct ComputerCaptions {
    std::array<bool, kPartModelCount> itemEnabled{true, true, true, true, true};

    bool operator==(const ComputerCaptions&) const = default;
};

struct SoftwareCaptions {
    std::array<bool, kSoftwareItemCount> itemEnabled{};

    bool operator==(const SoftwareCaptions&) const = default;
};

// Everything the game is: the player's variables under their own names, with the widths the
// saved game relies on, and the parts of the windows that are game state too. Its default
// values are those of a freshly started program, before any new game.
struct GameState {
    std::string PlayerName;
    bool InternetOpen = false;
    bool SoftwareOpen = false;
    std::int32_t Money = 5000;
    std::uint8_t Mood = 100;
    std::int32_t Day = 1;
    std::int32_t DayTicks = 0;
    std::int32_t MoodTicks = 0;
    std::int32_t Wage = 0;
    std::int32_t Experience = 0;
    std::int32_t StatusLevel = 0;
    std::string Status;
    std::int32_t VirusDay = 0;

    std::array<std::int16_t, kSlotCount> PartTradeIn{};
    std::array<std::uint8_t, kSlotCount> PartLevel{};
    std::int32_t DiskFree = 0;
    std::int32_t DiskTotal = 0;
    std::uint8_t OsId = 0;
    std::uint8_t IdeId = 0;
    std::uint8_t AvId = 0;
    std::array<bool, kExtraSoftCount> ExtraSoft{};
    std::int32_t OsSize = 0;
    std::int32_t IdeSize = 0;
    std::int32_t AvSize = 0;
    std::array<bool, kCourseCount> Knowledge{};
    std::uint8_t JobId = 0;
    std::uint8_t ProjectKind = 0;
    std::uint8_t ProjectPrice = 0;
    std::uint8_t ProjectValue = 0;
    bool ProjectActive = false;
    std::uint8_t ProjectProgress = 0;
    std::string ProjectName;
    bool Connected = false;
    std::uint8_t DialDraw = 0;
    std::uint8_t DialStep = 0;
    std::uint8_t MissionStep = 0;
    std::array<bool, kToolCount> ToolOwned{};
    std::int32_t MissionDraw = 0;
    std::uint8_t MissionAmount = 0;

    MainCaptions main;
    DeveloperCaptions developer;
    InternetCaptions internet;
    SoftwareCaptions software;
    ComputerCaptions computer;

    std::array<WindowState, kWindowCount> windows{};
    std::array<bool, kTimerCount> timers{};

    // Equal states are the same game: nothing a player could see or lose differs.
    bool operator==(const GameState&) const = default;

    WindowState& window(WindowId id) { return windows[static_cast<std::size_t>(id)]; }
    const WindowState& window(WindowId id) const { return windows[static_cast<std::size_t>(id)]; }
    bool& timer(TimerId id) { return timers[static_cast<std::size_t>(id)]; }
    bool timer(TimerId id) const { return timers[static_cast<std::size_t>(id)]; }
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
