#include "software/Installation.h"

#include "core/Saturating.h"

#include <cmath>
#include <initializer_list>

namespace tessaro {

namespace {

bool osAccepted(OsSet set, int osId) {
    return osId >= 0 && osId < 8 && (set & (1u << osId)) != 0;
}

bool hardwareMeets(const GameState& state, const SoftwareItem& item) {
    for (int i = 0; i < item.hardwareCount; ++i) {
        const HardwareNeed& need = item.hardware[static_cast<std::size_t>(i)];
        const int level = state.PartLevel[need.slot];
        if (need.exact ? level != need.level : level < need.level) {
            return false;
        }
    }
    return true;
}

// The disk space held by the installed program of the item's kind. Only operating systems,
// environments and antivirus programs hold one; the other programs are counted one by one.
template <typename State>
auto& sizeHeldBy(State& state, SoftwareKind kind) {
    switch (kind) {
        case SoftwareKind::OperatingSystem:
            return state.OsSize;
        case SoftwareKind::Environment:
            return state.IdeSize;
        case SoftwareKind::Antivirus:
        case SoftwareKind::Other:
            break;
    }
    return state.AvSize;
}

bool spaceSuffices(const GameState& state, const SoftwareItem& item) {
    // Only the kinds whose table counts the replaced program's space have one to count.
    const std::int64_t replaced = item.replacedSpaceFree ? sizeHeldBy(state, item.kind) : 0;
    return std::int64_t{state.DiskFree} + replaced > item.size;
}

bool passes(const GameState& state, const SoftwareItem& item, OsSet accepted) {
    return osAccepted(accepted, state.OsId) && hardwareMeets(state, item) &&
           spaceSuffices(state, item);
}

// A set of items, one bit per item.
using ItemSet = std::uint32_t;
constexpr ItemSet items(std::initializer_list<SoftwareIndex> indexes) {
    ItemSet set = 0;
    for (SoftwareIndex index : indexes) {
        set |= ItemSet{1} << index;
    }
    return set;
}

void setAvailable(GameState& state, ItemSet set, bool available) {
    for (int index = 0; index < kSoftwareItemCount; ++index) {
        if ((set & (ItemSet{1} << index)) != 0) {
            state.software.itemEnabled[static_cast<std::size_t>(index)] = available;
        }
    }
}

// What an installation makes unavailable and what it offers again, by installed item. The
// other programs only take themselves off; Linux's row is completed by the system it
// replaced.
struct Availability {
    ItemSet off;
    ItemSet on;
};

// clang-format off
constexpr std::array<Availability, kSoftwareItemCount> kAvailabilityAfter = {{
    /* osW98 */ {items({osW98}), 0},
    /* osW2K */ {items({osW98, osW2K}), 0},
    /* osWXP */ {items({osW98, osW2K, osWXP}), items({osL9, osLH})},
    /* osL9 */  {items({osW98, osW2K, osL9}), items({osLH})},
    /* osLH */  {items({osW98, osW2K, osWXP, osLH}), items({osL9})},
    /* dvD7 */  {items({dvD7}), items({dvCB, dvVB, dvKL})},
    /* dvCB */  {items({dvCB}), items({dvD7, dvVB, dvKL})},
    /* dvVB */  {items({dvVB}), items({dvD7, dvCB, dvKL})},
    /* dvKL */  {items({dvKL}), items({dvD7, dvCB, dvVB})},
    /* lFlash */       {items({lFlash}), 0},
    /* lDreamweaver */ {items({lDreamweaver}), 0},
    /* lOffice */      {items({lOffice}), 0},
    /* l3dsmax */      {items({l3dsmax}), 0},
    /* lPhotoshop */   {items({lPhotoshop}), 0},
    /* avDW */  {items({avDW}), 0},
    /* avNA */  {items({avDW, avNA}), 0},
    /* avKA */  {items({avDW, avNA, avKA}), 0},
}};
// clang-format on

void removeOtherPrograms(GameState& state) {
    constexpr SoftwareIndex kOthers[] = {lFlash, lDreamweaver, lOffice, l3dsmax, lPhotoshop};
    for (SoftwareIndex index : kOthers) {
        const SoftwareItem& item = softwareItem(index);
        auto& installed = state.ExtraSoft[static_cast<std::size_t>(item.code)];
        if (installed) {
            installed = false;
            state.DiskFree += item.size;
            state.software.itemEnabled[index] = true;
        }
    }
}

void removeEnvironment(GameState& state, ItemSet offeredAgain) {
    state.IdeId = 0;
    state.main.lIDE = kNone;
    state.DiskFree += state.IdeSize;
    state.IdeSize = 0;
    setAvailable(state, offeredAgain, true);
}

void removeAntivirus(GameState& state, ItemSet offeredAgain) {
    state.AvId = 0;
    state.main.lAV = kNone;
    state.DiskFree += state.AvSize;
    state.AvSize = 0;
    setAvailable(state, offeredAgain, true);
}

// Linux keeps only Kylix and Kaspersky, which run under it.
void removeForLinux(GameState& state) {
    removeOtherPrograms(state);
    if (state.IdeId == 1 || state.IdeId == 2 || state.IdeId == 4) {
        removeEnvironment(state, items({dvD7, dvCB, dvVB}));
    }
    if (state.AvId == 1 || state.AvId == 2) {
        removeAntivirus(state, items({avDW, avNA}));
    }
}

// Longhorn keeps only Visual Basic.net.
void removeForLonghorn(GameState& state) {
    if (state.IdeId == 1 || state.IdeId == 2 || state.IdeId == 3) {
        removeEnvironment(state, items({dvD7, dvCB, dvVB, dvKL}));
    }
    if (state.AvId != 0) {
        removeAntivirus(state, items({avDW, avNA, avKA}));
    }
    removeOtherPrograms(state);
}

}  // namespace

bool Installable(const GameState& state, const SoftwareItem& item) {
    return passes(state, item, item.acceptedOs);
}

bool PictureShowsInstallable(const GameState& state, const SoftwareItem& item) {
    return passes(state, item, item.pictureOs);
}

int FreeSpacePercent(const GameState& state) {
    if (state.DiskTotal == 0) {
        return 0;
    }
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(state.DiskFree * 100.0 / state.DiskTotal));
}

void RefreshFreeSpace(GameState& state) {
    state.software.gFreeSpace = FreeSpacePercent(state);
}

void Install(Game& game, const SoftwareItem& item) {
    if (!game.software.itemEnabled[item.index] || !Installable(game, item)) {
        return;
    }
    const int replacedOs = game.OsId;

    addSaturating(game.Experience, item.experience);
    switch (item.kind) {
        case SoftwareKind::OperatingSystem:
            game.main.lOS = item.mainText;
            game.OsId = static_cast<std::uint8_t>(item.code);
            break;
        case SoftwareKind::Environment:
            game.main.lIDE = item.mainText;
            game.IdeId = static_cast<std::uint8_t>(item.code);
            break;
        case SoftwareKind::Antivirus:
            game.main.lAV = item.mainText;
            game.AvId = static_cast<std::uint8_t>(item.code);
            break;
        case SoftwareKind::Other:
            game.ExtraSoft[static_cast<std::size_t>(item.code)] = true;
            break;
    }

    if (item.replacedSpaceFree) {
        std::int32_t& held = sizeHeldBy(game, item.kind);
        game.DiskFree = game.DiskFree + held - item.size;
        held = item.size;
    } else {
        game.DiskFree -= item.size;
        if (item.kind == SoftwareKind::Antivirus) {
            game.AvSize = item.size;
        }
    }

    const Availability& availability = kAvailabilityAfter[item.index];
    setAvailable(game, availability.off, false);
    setAvailable(game, availability.on, true);
    if (item.index == osL9) {
        // Leaving Longhorn for Linux closes the way back to XP; from any other system it
        // stays open.
        game.software.itemEnabled[osWXP] = replacedOs != kLonghorn;
        removeForLinux(game);
    } else if (item.index == osLH) {
        removeForLonghorn(game);
    }

    RefreshFreeSpace(game);
}

void removeAllSoftware(GameState& state) {
    state.OsId = 0;
    state.IdeId = 0;
    state.AvId = 0;
    state.ExtraSoft.fill(false);
    state.OsSize = 0;
    state.IdeSize = 0;
    state.AvSize = 0;
    state.software.itemEnabled.fill(true);
    state.main.lOS = kNone;
    state.main.lIDE = kNone;
    state.main.lAV = kNone;
}

void loseSystem(GameState& state) {
    state.DiskFree = state.DiskTotal;
    state.software.gFreeSpace = 100;
    removeAllSoftware(state);
}

}  // namespace tessaro
