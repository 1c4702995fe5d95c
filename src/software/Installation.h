#pragma once

#include "core/GameState.h"
#include "software/SoftwareCatalogue.h"

namespace tessaro {

// The requirement test: whether the item may be installed on the computer as it is now.
bool Installable(const GameState& state, const SoftwareItem& item);
// The CD picture's test, which accepts fewer operating systems for two programs.
bool PictureShowsInstallable(const GameState& state, const SoftwareItem& item);

// The free-space gauge: the free share of the disk in percent, halves rounded to the even
// neighbour. A disk of size 0, which only a loaded game can give, shows 0.
int FreeSpacePercent(const GameState& state);
// Sets the gauge, as showing or activating the window and every installation do.
void RefreshFreeSpace(GameState& state);

// No program installed: no operating system, environment, antivirus or other program, every
// item on offer again and the main window saying "Нет" for each kind. The disk is not touched.
void removeAllSoftware(GameState& state);

// The system is lost (a virus): every program goes and the whole disk is free again.
void loseSystem(GameState& state);

// A click on an item: installs it when it is on offer and its test holds, replacing the
// program of its kind; otherwise nothing happens.
void Install(Game& game, const SoftwareItem& item);

}  // namespace tessaro
