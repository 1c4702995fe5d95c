#include "longplay/RandomPlayer.h"

#include <optional>
#include <vector>

#include "core/Navigation.h"
#include "core/Saturating.h"
#include "development/Project.h"
#include "education/Courses.h"
#include "events/Leisure.h"
#include "events/Virus.h"
#include "game/Activities.h"
#include "hardware/Shop.h"
#include "internet/Dialup.h"
#include "internet/Market.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"
#include "jobs/JobOffers.h"
#include "persistence/SavedGame.h"
#include "software/Installation.h"
#include "titles/AboutAndCongratulations.h"
#include "titles/StartGame.h"

namespace tessaro::testing {

namespace {

constexpr WindowId kActivities[] = {WindowId::fJob,       WindowId::fComputer, WindowId::fSoftware,
                                    WindowId::fEducation, WindowId::fInternet, WindowId::fDeveloper,
                                    WindowId::Form3};

// The indexes whose flag is set, one of which the player may pick.
template <typename Flags>
std::vector<int> enabledOf(const Flags& flags) {
    std::vector<int> enabled;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i]) {
            enabled.push_back(static_cast<int>(i));
        }
    }
    return enabled;
}

int diskInUse(const GameState& state) {
    int used = state.OsSize + state.IdeSize + state.AvSize;
    for (const SoftwareItem& item : softwareCatalogue()) {
        if (item.kind == SoftwareKind::Other &&
            state.ExtraSoft[static_cast<std::size_t>(item.code)]) {
            used += item.size;
        }
    }
    return used;
}

}  // namespace

RandomPlayer::RandomPlayer(std::uint32_t seed) : seed_(seed), dice_(seed) {
    newGame();
}

RandomPlayer::RandomPlayer(std::uint32_t seed, const GameState& loaded) : RandomPlayer(seed) {
    static_cast<GameState&>(t_->game) = loaded;
    time_ = std::make_unique<VirtualTime>(t_->game);
}

void RandomPlayer::newGame() {
    t_ = std::make_unique<TestGame>();
    ++games_;
    t_->seed = dice_();
    Game& game = t_->game;
    StartGame(game, "Игрок " + std::to_string(games_));
    // Every other game is one the player saved when he was rich and cheerful, so that the late
    // game is played as often as the early one.
    if (games_ % 2 == 0) {
        std::vector<std::string> lines = SavedGameLines(game);
        lines[3] = std::to_string(1000000 + roll(1000000));  // Money
        lines[4] = std::to_string(150 + roll(100));          // Mood
        LoadOutcome outcome = ReadSavedGame(game, lines);
        static_cast<GameState&>(game) = *outcome.loaded;
    }
    time_ = std::make_unique<VirtualTime>(game);
}

std::string RandomPlayer::play(int days) {
    while (broken_.empty() && daysPlayed_ < days) {
        step();
    }
    return broken_;
}

void RandomPlayer::takeSteps(int steps) {
    for (int i = 0; i < steps; ++i) {
        step();
    }
}

void RandomPlayer::fail(const std::string& broken) {
    if (broken_.empty()) {
        broken_ = "seed " + std::to_string(seed_) + ", game " + std::to_string(games_) + ", step " +
                  std::to_string(steps_) + ": " + broken;
    }
}

void RandomPlayer::step() {
    ++steps_;
    Game& game = t_->game;
    // Every reseed of the game draws from the player's dice, so a seed replays the run.
    t_->seed = dice_();
    before_ = game;
    moneyMayChange_ = false;
    moodMayChange_ = false;
    if (t_->shell.ends > 0 || game.window(WindowId::Form1).shown) {
        daysPlayed_ += std::int64_t{game.Day} - 1;
        newGame();
        return;
    }
    if (game.window(WindowId::Form4).shown && !game.virus.choiceMade) {
        inVirusWindow();
        return;
    }
    for (WindowId window : kActivities) {
        if (game.window(window).shown) {
            inActivity(window);
            return;
        }
    }
    inMainWindow();
}

void RandomPlayer::letTimePass(int milliseconds) {
    moneyMayChange_ = true;
    moodMayChange_ = true;
    const int day = t_->game.Day;
    time_->runFor(milliseconds);
    daysPlayed_ += std::int64_t{t_->game.Day} - day;
    check("time");
}

void RandomPlayer::open(WindowId window) {
    Game& game = t_->game;
    OpenActivity(game, window);
    if (!game.window(window).shown) {
        check("a locked button");
        return;
    }
    // What showing and activating each window does.
    switch (window) {
        case WindowId::fComputer:
            RefreshOffer(game);
            break;
        case WindowId::fSoftware:
            RefreshFreeSpace(game);
            break;
        case WindowId::fEducation:
            RefreshCourses(game);
            break;
        case WindowId::fJob:
            RefreshOffers(game);
            break;
        case WindowId::fDeveloper:
            DeveloperActivated(game);
            break;
        case WindowId::fInternet:
            InternetShown(game);
            break;
        default:
            break;
    }
    check("open");
}

void RandomPlayer::close(WindowId window) {
    if (window == WindowId::fInternet) {
        CloseInternet(t_->game);
    } else {
        CloseActivity(t_->game, window);
    }
    check("close");
}

void RandomPlayer::inMainWindow() {
    Game& game = t_->game;
    const int choice = roll(10);
    if (choice < 4) {
        letTimePass(10 + roll(5000));
    } else if (choice < 9) {
        open(kActivities[roll(7)]);
    } else if (roll(2) == 0) {
        ShowAbout(game);
        LeaveAbout(game);
        check("about");
    } else {
        saveAndLoad();
    }
}

void RandomPlayer::inVirusWindow() {
    Game& game = t_->game;
    VirusShown(game);
    switch (roll(3)) {
        case 0:
            KillVirus(game);
            break;
        case 1:
            LeaveVirus(game);
            break;
        default:
            CloseVirusWindow(game);
            break;
    }
    check("virus");
    letTimePass(2000);
}

void RandomPlayer::inActivity(WindowId window) {
    Game& game = t_->game;
    if (roll(6) == 0) {
        close(window);
        return;
    }
    moneyMayChange_ = true;
    moodMayChange_ = window == WindowId::Form3 || window == WindowId::fInternet;
    const auto pick = [this](const std::vector<int>& choices) {
        return choices.empty()
                   ? -1
                   : choices[static_cast<std::size_t>(roll(static_cast<int>(choices.size())))];
    };
    switch (window) {
        case WindowId::fComputer: {
            const int model = pick(enabledOf(game.computer.itemEnabled));
            if (model >= 0) {
                const int price = NetPrice(game, partsCatalogue()[static_cast<std::size_t>(model)]);
                Buy(game, partsCatalogue()[static_cast<std::size_t>(model)]);
                expectMoneyChange({0, -price}, "a purchase");
            }
            break;
        }
        case WindowId::fSoftware: {
            const int item = pick(enabledOf(game.software.itemEnabled));
            if (item >= 0) {
                Install(game, softwareItem(static_cast<SoftwareIndex>(item)));
            }
            moneyMayChange_ = false;
            break;
        }
        case WindowId::fEducation: {
            const int course = pick(enabledOf(game.education.itemEnabled));
            if (course >= 0) {
                const Course& taken = courseCatalogue()[static_cast<std::size_t>(course)];
                TakeCourse(game, taken);
                expectMoneyChange({0, -taken.price}, "a course");
            }
            break;
        }
        case WindowId::fJob: {
            const int offer = pick(enabledOf(game.jobs.itemEnabled));
            if (offer >= 0) {
                TakeJob(game, jobOffers()[static_cast<std::size_t>(offer)]);
            }
            moneyMayChange_ = false;
            break;
        }
        case WindowId::fDeveloper:
            switch (roll(3)) {
                case 0:
                    SelectLanguage(game, pick(enabledOf(game.developer.languageEnabled)));
                    break;
                case 1:
                    StartProject(game, pick(enabledOf(game.developer.projectEnabled)) + 1);
                    break;
                default:
                    letTimePass(100 + roll(20000));
                    return;
            }
            moneyMayChange_ = false;
            break;
        case WindowId::fInternet:
            switch (roll(7)) {
                case 0:
                    ConnectClick(game);
                    break;
                case 1:
                    SurfTools(game);
                    break;
                case 2:
                    TrySell(game);
                    expectMoneyChange({0, before_.ProjectPrice}, "a sale");
                    break;
                case 3: {
                    const int tool = pick(enabledOf(game.internet.toolEnabled));
                    BuyUtility(game, tool);
                    expectMoneyChange(
                        {0, tool < 0 ? 0 : -utilities()[static_cast<std::size_t>(tool)].price},
                        "a utility");
                    break;
                }
                case 4:
                    StartMission(game, pick(enabledOf(game.internet.missionEnabled)) + 1);
                    expectMoneyChange({0}, "a mission's start");
                    break;
                default:
                    letTimePass(100 + roll(15000));
                    return;
            }
            break;
        case WindowId::Form3: {
            const int activity = roll(kActivityCount);
            DoActivity(game, activity);
            expectMoneyChange({0, -activities()[static_cast<std::size_t>(activity)].price},
                              "an evening out");
            if (game.Mood < before_.Mood) {
                fail("an evening out lowered the mood from " + std::to_string(before_.Mood));
            }
            break;
        }
        default:
            break;
    }
    check("action");
}

void RandomPlayer::expectMoneyChange(std::initializer_list<int> changes, const char* action) {
    // A loaded game may hold any sum, so a change stops at the ends of the money's range, as
    // the rules' own does.
    for (int allowed : changes) {
        if (t_->game.Money == saturatingSum(before_.Money, allowed)) {
            return;
        }
    }
    fail(std::string("the money changed by ") +
         std::to_string(std::int64_t{t_->game.Money} - before_.Money) + " after " + action);
}

void RandomPlayer::saveAndLoad() {
    Game& game = t_->game;
    // A load sets the development gauge from the days of work, so the first round trip may
    // change that line alone; a second one changes nothing.
    constexpr std::size_t kGaugeLine = 117;
    const std::vector<std::string> first = SavedGameLines(game);
    std::optional<GameState> loaded;
    std::vector<std::string> previous = first;
    for (int trip = 1; trip <= 2; ++trip) {
        LoadOutcome outcome = ReadSavedGame(game, previous);
        if (!outcome.loaded) {
            fail("a game the program saved does not load: " + outcome.error);
            return;
        }
        const std::vector<std::string> next = SavedGameLines(*outcome.loaded);
        for (std::size_t line = 0; line < next.size(); ++line) {
            if (previous[line] != next[line] && (trip == 2 || line != kGaugeLine)) {
                fail("round trip " + std::to_string(trip) + " changed line " +
                     std::to_string(line) + ": '" + previous[line] + "' then '" + next[line] + "'");
                return;
            }
        }
        loaded = std::move(outcome.loaded);
        previous = next;
    }
    static_cast<GameState&>(game) = *loaded;
    check("load");
}

void RandomPlayer::check(const char* action) {
    const Game& game = t_->game;
    // What this step reached.
    const auto count = [this](bool happened, const char* what) {
        if (happened) {
            ++reached_[what];
        }
    };
    count(game.OsId != before_.OsId && game.OsId != 0, "an operating system installed");
    count(game.JobId != before_.JobId, "a job taken");
    count(game.ProjectKind != 0 && before_.ProjectKind == 0, "a project started");
    count(game.ProjectKind == 0 && before_.ProjectKind != 0, "a project sold or lost");
    count(game.Connected && !before_.Connected, "a connection");
    count(game.MissionStep == 0 && before_.MissionStep != 0, "a mission ended");
    count(game.ToolOwned != before_.ToolOwned, "a utility bought");
    count(game.window(WindowId::Form4).shown && !before_.window(WindowId::Form4).shown, "a virus");
    count(game.window(WindowId::Form1).shown && !before_.window(WindowId::Form1).shown,
          "a game won");
    count(std::string(action) == "load", "a save and a load");
    const std::string what = std::string(" after ") + action;
    if (game.DiskFree < 0 || game.DiskFree + diskInUse(game) != game.DiskTotal) {
        fail("the disk does not add up" + what + ": free " + std::to_string(game.DiskFree) +
             ", in use " + std::to_string(diskInUse(game)) + ", total " +
             std::to_string(game.DiskTotal));
    }
    if (!moneyMayChange_ && game.Money != before_.Money) {
        fail("the money changed" + what);
    }
    if (!moodMayChange_ && game.Mood != before_.Mood) {
        fail("the mood changed" + what);
    }
    // The mood moves by a day's loss, a sale's 5 or an evening's gain, never by a wrap.
    if (moodMayChange_ && game.Mood > before_.Mood + 60 && game.Mood != 255) {
        fail("the mood jumped from " + std::to_string(before_.Mood) + " to " +
             std::to_string(game.Mood) + what);
    }
    if (game.window(WindowId::fComputer).shown) {
        for (const PartModel& model : partsCatalogue()) {
            if (game.computer.itemEnabled[static_cast<std::size_t>(model.index)] !=
                Offered(game, model)) {
                fail(std::string("the shop's label ") + model.control +
                     " does not match its offer" + what);
            }
        }
    }
    if (game.window(WindowId::fEducation).shown) {
        for (int course = 0; course < kCourseCount; ++course) {
            const auto flag = static_cast<std::size_t>(course);
            if (game.education.itemEnabled[flag] == game.Knowledge[flag]) {
                fail("a course taken is on offer, or one not taken is not" + what);
            }
        }
    }
    for (std::size_t tool = 0; tool < kToolCount; ++tool) {
        if (game.window(WindowId::fInternet).shown && game.internet.toolEnabled[tool] &&
            game.ToolOwned[tool]) {
            fail("an owned utility is on sale" + what);
        }
    }
    int missionsRunning = 0;
    for (const MissionInfo& mission : missions()) {
        missionsRunning += game.timer(mission.timer).running ? 1 : 0;
    }
    if (missionsRunning > 1) {
        fail("two missions run at once" + what);
    }
    const bool quiet = t_->shell.ends == 0 && game.window(WindowId::fMain).shown &&
                       game.window(WindowId::fMain).enabled && !VirusEventUnderWay(game) &&
                       !game.Connected;
    if (quiet && !game.timer(TimerId::tTime).running) {
        fail("the day stands still in the main window" + what);
    }
}

}  // namespace tessaro::testing
