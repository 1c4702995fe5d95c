#pragma once

#include <array>
#include <string>

#include "core/GameState.h"

namespace tessaro {

// What a mission needs: utilities, or for the web site the three web courses.
struct MissionInfo {
    int number;  // 1..5
    const char* control;
    const char* caption;
    TimerId timer;
    std::array<int, 4> tools;  // ToolOwned indexes, -1 for none
    bool needsWebCourses;
    std::array<const char*, 4> lines;  // hLine1 .. hLine4 while the pointer is on it
    const char* startMessage;
    int detectedOnDraw;  // the MissionDraw that means detection
    int fineBase;
    int rewardBase;
};

const std::array<MissionInfo, kMissionCount>& missions();

bool MissionRequirementsMet(const GameState& state, const MissionInfo& mission);

// The pointer on a mission label writes what the mission needs into the requirement lines,
// leaving the others; leaving the label empties the lines it wrote.
void ShowMissionNeeds(GameState& state, int number);
void HideMissionNeeds(GameState& state, int number);

// Whether one of the five mission timers runs.
bool MissionRunning(const GameState& state);

// A click on a mission label: with its requirements met, the coin is tossed and the mission
// starts. A mission still showing its detection message is ended first.
void StartMission(Game& game, int number);

// A tick of the mission's timer: the status line of this second, the outcome, the end.
void MissionTick(Game& game, int number);

// The mission's end: empty status line, labels open again, timer stopped.
void EndMission(Game& game, int number);

// Going offline abandons any mission, with neither reward nor fine.
void AbandonMissions(GameState& state);

}  // namespace tessaro
