#pragma once

#include "core/GameState.h"

namespace tessaro {

// The day clock's entry into the virus event, at the end of the drawn virus day: the next
// virus day is drawn 40 to 69 days later from a fresh seed, the clock stops, and the virus
// window waits for the player over a disabled main window.
void VirusDayComes(Game& game);

// The end of a load: a game loaded past the virus day draws its next one from the loaded day,
// as the virus event draws it, so that the virus keeps coming in a loaded game. A virus day
// still ahead stays.
void VirusDayAfterLoad(Game& game);

// The virus window is shown: the antivirus can be used only when one is installed.
void VirusShown(GameState& state);

// "Уничтожить антивирусом": the installed antivirus tries; a failure lets the virus strike.
void KillVirus(Game& game);
// "Оставить": the virus strikes.
void LeaveVirus(Game& game);
// The close box: leaving the virus while the choice is open; afterwards it only hides the
// window, which its timer closes anyway.
void CloseVirusWindow(Game& game);

// The virus strikes: with an operating system it takes every program and the project in
// development with it.
void VirusStrike(Game& game);

// A tick of `tmFormClose`, two seconds after the choice: the event is over and the game goes
// on where it was.
void EndVirusEvent(Game& game);

}  // namespace tessaro
