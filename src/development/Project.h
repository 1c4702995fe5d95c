#pragma once

#include <array>

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kProjectDays = 10;

// A kind of program the player can write.
struct ProjectKindInfo {
    int kind;  // 1..8, the ProjectKind it sets
    const char* control;
    const char* caption;
    const char* name;  // the ProjectName, which for the browser has no hyphen
    int valueBase;     // ProjectValue := valueBase + Random(valueRange)
    int valueRange;
};

// A development language: its radio button and the kinds it offers.
struct Language {
    const char* control;
    const char* caption;
    std::array<int, 2> kinds;  // 0: none
};

const std::array<ProjectKindInfo, kProjectKindCount>& projectKinds();
const std::array<Language, kLanguageCount>& languages();

// Activating the window enables the radio button of the installed environment, and the web
// languages once the three web courses are taken. The selection and the project labels stay.
void DeveloperActivated(GameState& state);

// Selecting a language enables exactly the project labels it offers.
void SelectLanguage(GameState& state, int language);

// A click on a project label: a new project of that kind, priced from the mood of now; while
// an old project is not yet sold, only a message.
void StartProject(Game& game, int kind);

// The daily step of the project in development: one more day of work, or, after ten days,
// the finished project waiting to be sold.
void AdvanceProject(Game& game);

// The project in development is lost with the system (a virus): its name goes from both
// existing-project labels and its work is gone, but its kind and price stay, so it can still be
// sold. A finished project waiting for its sale is not touched.
void loseProject(GameState& state);

// The project is sold, or offered in vain: no project is left, and a new one may start.
void endProjectSale(GameState& state);

}  // namespace tessaro
