#include "game/TimerTable.h"

#include "core/Tables.h"
#include "events/Virus.h"
#include "game/DayClock.h"
#include "internet/Dialup.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"

namespace tessaro {

namespace {

// clang-format off
constexpr std::array<TimerTick, kTimerCount> kTicks = {{
    {TimerId::tTime,              &DayClockTick, &quietDayClockTicks, &runQuietDayClockTicks},
    {TimerId::tConnect,           &DialTick},
    {TimerId::tSoftLoad,          &DownloadTick},
    {TimerId::tFTPhack,           [](Game& game) { MissionTick(game, 1); }},
    {TimerId::tFTPnARChack,       [](Game& game) { MissionTick(game, 2); }},
    {TimerId::tCompHack,          [](Game& game) { MissionTick(game, 3); }},
    {TimerId::tCompHacknDownload, [](Game& game) { MissionTick(game, 4); }},
    {TimerId::tDeface,            [](Game& game) { MissionTick(game, 5); }},
    {TimerId::tmFormClose,        &EndVirusEvent},
}};
// clang-format on

static_assert(rowsFollowTheirIds(kTicks), "one row per timer, in TimerId order");

}  // namespace

const std::array<TimerTick, kTimerCount>& timerTicks() {
    return kTicks;
}

}  // namespace tessaro
