#include "internet/Missions.h"

#include "core/MainLabels.h"
#include "core/Saturating.h"
#include "core/Templates.h"

namespace tessaro {

namespace {

// One status line of a mission's timeline, written at every tick from step `from` on.
struct StatusLine {
    int from;
    const char* text;
};

// One way a mission can go: its status lines, the step of its outcome and of its end.
struct Branch {
    std::array<StatusLine, 3> lines;
    int lineCount;
    int outcomeStep;
    int endStep;
};

struct Timeline {
    Branch detected;
    Branch success;
};

constexpr const char* kBrutus = GAME_TEXT("Используем Brutus AET2...");
constexpr const char* kCracking = GAME_TEXT("Попытка взлома пароля...");
constexpr const char* kScanningPorts = GAME_TEXT("Сканируем порты...");
constexpr const char* kIpTools = GAME_TEXT("Применяем IP Tools 1.1...");
constexpr const char* kFtpStart = GAME_TEXT("Подключаемся ftp.filearchive.example...");

// clang-format off
constexpr std::array<MissionInfo, kMissionCount> kMissions = {{
    {1, "FTPhack", GAME_TEXT("Взлом FTP-сервера"), TimerId::tFTPhack, {0, -1, -1, -1}, false,
     {GAME_TEXT("Требуется Brutus AET2"), "", "", ""}, kFtpStart, 1, 100, 50},
    {2, "FTPnARCHack", GAME_TEXT("Взломать FTP-сервер и вскрыть запароленный файл"), TimerId::tFTPnARChack,
     {0, 2, -1, -1}, false,
     {GAME_TEXT("Требуется Brutus AET2"), GAME_TEXT("Требуется Advanced Archive Password Recovery"), "", ""},
     kFtpStart, 1, 150, 70},
    {3, "CompHack", GAME_TEXT("Получить доступ к удаленному компьютеру"), TimerId::tCompHack,
     {1, 3, 4, -1}, false,
     {GAME_TEXT("Требуется X-Sharez"), GAME_TEXT("Требуется LANguard Port Scanner"), GAME_TEXT("Требуется IP Tools 1.1"), ""},
     GAME_TEXT("Сканируем сеть..."), 1, 150, 70},
    {4, "CompHacknDownload", GAME_TEXT("Получить доступ к компьютеру и взломать архив"),
     TimerId::tCompHacknDownload, {1, 3, 4, 2}, false,
     {GAME_TEXT("Требуется X-Sharez"), GAME_TEXT("Требуется LANguard Port Scanner"), GAME_TEXT("Требуется IP Tools 1.1"),
      GAME_TEXT("Требуется Advanced Archive Password Recovery")},
     GAME_TEXT("Сканируем сеть..."), 1, 200, 120},
    {5, "lDeface", GAME_TEXT("Взлом web-сайта"), TimerId::tDeface, {-1, -1, -1, -1}, true,
     {GAME_TEXT("Требуется знание Perl"), GAME_TEXT("Требуется знание PHP"), GAME_TEXT("Требуется знание HTML"), ""},
     GAME_TEXT("Тестируем CGI на уязвимость..."), 2, 200, 60},
}};

constexpr std::array<Timeline, kMissionCount> kTimelines = {{
    {{{{{2, kBrutus}}}, 1, 6, 7},
     {{{{2, kBrutus}}}, 1, 6, 7}},
    {{{{{2, kBrutus}}}, 1, 6, 7},
     {{{{2, kBrutus}, {6, kCracking}}}, 2, 10, 11}},
    {{{}, 0, 4, 5},
     {{{{4, kScanningPorts}, {7, kIpTools}}}, 2, 10, 11}},
    {{{}, 0, 4, 5},
     {{{{4, kScanningPorts}, {7, kIpTools}, {10, kCracking}}}, 3, 14, 15}},
    {{{}, 0, 8, 9},
     {{{{9, GAME_TEXT("Дефейс главной страницы...")}}}, 1, 11, 12}},
}};
// clang-format on

constexpr int kFineRange = 30;
constexpr int kRewardRange = 20;
constexpr int kMissionExperience = 5;

// The mission labels open again, unless a download holds them closed until its end.
void openMissionLabels(GameState& state) {
    if (!state.timer(TimerId::tSoftLoad).running) {
        state.internet.missionEnabled.fill(true);
    }
}

const MissionInfo* missionNumbered(int number) {
    if (number < 1 || number > kMissionCount) {
        return nullptr;
    }
    return &kMissions[static_cast<std::size_t>(number - 1)];
}

const Branch& branchOf(const GameState& state, const MissionInfo& mission) {
    const Timeline& timeline = kTimelines[static_cast<std::size_t>(mission.number - 1)];
    return state.MissionDraw == mission.detectedOnDraw ? timeline.detected : timeline.success;
}

void applyOutcome(Game& game, const MissionInfo& mission, bool detected) {
    game.Randomize();
    if (detected) {
        game.MissionAmount = static_cast<std::uint8_t>(mission.fineBase + game.Random(kFineRange));
        game.internet.hLine6 = fillIn(kMissionFineText, {std::to_string(game.MissionAmount)});
        changeMoney(game, -game.MissionAmount);
        // Only the first mission lets the player start another during its last second.
        if (mission.number == 1) {
            openMissionLabels(game);
        }
        return;
    }
    game.MissionAmount = static_cast<std::uint8_t>(mission.rewardBase + game.Random(kRewardRange));
    game.internet.hLine6 = fillIn(kMissionRewardText, {std::to_string(game.MissionAmount)});
    changeMoney(game, game.MissionAmount);
    addSaturating(game.Experience, kMissionExperience);
}

}  // namespace

const std::array<MissionInfo, kMissionCount>& missions() {
    return kMissions;
}

bool MissionRequirementsMet(const GameState& state, const MissionInfo& mission) {
    for (int tool : mission.tools) {
        if (tool >= 0 && !state.ToolOwned[static_cast<std::size_t>(tool)]) {
            return false;
        }
    }
    return !mission.needsWebCourses ||
           (state.Knowledge[7] && state.Knowledge[8] && state.Knowledge[9]);
}

void ShowMissionNeeds(GameState& state, int number) {
    const MissionInfo* mission = missionNumbered(number);
    if (mission == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < mission->lines.size(); ++i) {
        if (*mission->lines[i] != '\0') {
            state.internet.hLine[i] = mission->lines[i];
        }
    }
}

void HideMissionNeeds(GameState& state, int number) {
    const MissionInfo* mission = missionNumbered(number);
    if (mission == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < mission->lines.size(); ++i) {
        if (*mission->lines[i] != '\0') {
            state.internet.hLine[i].clear();
        }
    }
}

bool MissionRunning(const GameState& state) {
    for (const MissionInfo& mission : kMissions) {
        if (state.timer(mission.timer).running) {
            return true;
        }
    }
    return false;
}

void StartMission(Game& game, int number) {
    const MissionInfo* mission = missionNumbered(number);
    if (mission == nullptr || !game.internet.missionEnabled[static_cast<std::size_t>(number - 1)] ||
        !MissionRequirementsMet(game, *mission)) {
        return;
    }
    // The only mission that can still run is the first, in the second after its detection:
    // it ends now, so that the new mission counts its own steps.
    for (const MissionInfo& running : kMissions) {
        if (game.timer(running.timer).running) {
            EndMission(game, running.number);
        }
    }
    game.Randomize();
    game.MissionDraw = 1 + game.Random(2);
    for (std::string& line : game.internet.hLine) {
        line.clear();
    }
    game.internet.hLine6 = mission->startMessage;
    startTimer(game, mission->timer);
    game.internet.missionEnabled.fill(false);
}

void MissionTick(Game& game, int number) {
    const MissionInfo* mission = missionNumbered(number);
    if (mission == nullptr) {
        return;
    }
    ++game.MissionStep;
    const Branch& branch = branchOf(game, *mission);
    for (int i = branch.lineCount - 1; i >= 0; --i) {
        const StatusLine& line = branch.lines[static_cast<std::size_t>(i)];
        if (game.MissionStep >= line.from) {
            game.internet.hLine6 = line.text;
            break;
        }
    }
    if (game.MissionStep == branch.outcomeStep) {
        applyOutcome(game, *mission, game.MissionDraw == mission->detectedOnDraw);
    }
    if (game.MissionStep == branch.endStep) {
        EndMission(game, number);
    }
}

void EndMission(Game& game, int number) {
    const MissionInfo* mission = missionNumbered(number);
    if (mission == nullptr) {
        return;
    }
    game.internet.hLine6.clear();
    openMissionLabels(game);
    game.MissionStep = 0;
    stopTimer(game, mission->timer);
}

void AbandonMissions(GameState& state) {
    for (std::string& line : state.internet.hLine) {
        line.clear();
    }
    state.internet.hLine6.clear();
    openMissionLabels(state);
    state.MissionStep = 0;
    for (const MissionInfo& mission : kMissions) {
        stopTimer(state, mission.timer);
    }
}

}  // namespace tessaro
