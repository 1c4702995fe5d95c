#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/GameState.h"

namespace tessaro {

enum class SoftwareKind { OperatingSystem, Environment, Antivirus, Other };

// The codes that `OsId` takes.
enum OsCode : int {
    kNoOs = 0,
    kWindows98 = 1,
    kWindows2000 = 2,
    kWindowsXp = 3,
    kLinux = 4,
    kLonghorn = 5,
};

// A set of `OsId` values, one bit per code; kNoOs counts as a code of its own.
using OsSet = std::uint8_t;
constexpr OsSet osSet(std::initializer_list<int> codes) {
    OsSet set = 0;
    for (int code : codes) {
        set = static_cast<OsSet>(set | (1u << code));
    }
    return set;
}
inline constexpr OsSet kAnyOs =
    osSet({kNoOs, kWindows98, kWindows2000, kWindowsXp, kLinux, kLonghorn});

// One hardware condition: the slot's level at least `level`, or exactly it.
struct HardwareNeed {
    Slot slot;
    int level;
    bool exact = false;
};

// The items of the software window, in the order of their availability flags in the saved
// game: `osW98` .. `osLH`, `dvD7`, `dvCB`, `dvVB`, `dvKL`, `lFlash` .. `lPhotoshop`,
// `avDW` .. `avKA`.
enum SoftwareIndex : int {
    osW98,
    osW2K,
    osWXP,
    osL9,
    osLH,
    dvD7,
    dvCB,
    dvVB,
    dvKL,
    lFlash,
    lDreamweaver,
    lOffice,
    l3dsmax,
    lPhotoshop,
    avDW,
    avNA,
    avKA,
};

// One program of the catalogue with its requirements and texts.
struct SoftwareItem {
    SoftwareIndex index;
    SoftwareKind kind;
    const char* control;
    const char* caption;
    int code;  // the OsId, IdeId or AvId it installs; for other programs the ExtraSoft index
    int size;  // MB
    int experience;
    const char* mainText;  // what lOS, lIDE or lAV then show; nullptr for other programs
    OsSet acceptedOs;      // the installation's test
    OsSet pictureOs;       // the CD picture's test, narrower for two programs
    std::array<HardwareNeed, 5> hardware;
    int hardwareCount;
    // Whether the space of the installed program of the same kind counts as free.
    bool replacedSpaceFree;
    std::array<const char*, 6> lines;  // the requirement lines, top to bottom
};

const std::array<SoftwareItem, kSoftwareItemCount>& softwareCatalogue();
const SoftwareItem& softwareItem(SoftwareIndex index);

}  // namespace tessaro
