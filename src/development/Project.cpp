#include "development/Project.h"

#include "core/Saturating.h"

namespace tessaro {

namespace {

// clang-format off
constexpr std::array<ProjectKindInfo, kProjectKindCount> kKinds = {{
    {1, "devPlayer", GAME_TEXT("Медиа проигрыватель"), GAME_TEXT("Медиа проигрыватель"), 5, 5},
    {2, "devEditor", GAME_TEXT("Текстовый редактор"), GAME_TEXT("Текстовый редактор"), 5, 10},
    {3, "devFileManager", GAME_TEXT("Файловый менеджер"), GAME_TEXT("Файловый менеджер"), 10, 10},
    {4, "Label4", GAME_TEXT("Менеджер закачек"), GAME_TEXT("Менеджер закачек"), 10, 20},
    {5, "devAntivirus", GAME_TEXT("Антивирус"), GAME_TEXT("Антивирус"), 5, 30},
    {6, "devBrowser", GAME_TEXT("Интернет-браузер"), GAME_TEXT("Интернет браузер"), 20, 30},
    {7, "devOS", GAME_TEXT("Операционная система"), GAME_TEXT("Операционная система"), 30, 30},
    {8, "devHomepage", GAME_TEXT("Web-сайт"), GAME_TEXT("Web-сайт"), 10, 50},
}};

constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {"ideDelphi", "Borland Delphi 7.0", {1, 2}},
    {"ideBuilder", "Borland C++ Builder 6.0", {3, 0}},
    {"ideKylix", "Borland Kylix 2", {6, 7}},
    {"ideBasic", "Microsoft Visual Basic.net", {4, 5}},
    {"ideWeb", "HTML/PHP/Perl", {8, 0}},
}};
// clang-format on

constexpr int kWebLanguage = 4;

bool knowsTheWeb(const GameState& state) {
    return state.Knowledge[7] && state.Knowledge[8] && state.Knowledge[9];
}

}  // namespace

const std::array<ProjectKindInfo, kProjectKindCount>& projectKinds() {
    return kKinds;
}

const std::array<Language, kLanguageCount>& languages() {
    return kLanguages;
}

void DeveloperActivated(GameState& state) {
    auto& enabled = state.developer.languageEnabled;
    // The environments' buttons follow IdeId 1..4 in their order; an unknown id leaves them.
    if (state.IdeId <= 4) {
        for (int language = 0; language < kWebLanguage; ++language) {
            enabled[static_cast<std::size_t>(language)] = state.IdeId == language + 1;
        }
    }
    enabled[kWebLanguage] = knowsTheWeb(state);
}

void SelectLanguage(GameState& state, int language) {
    if (language < 0 || language >= kLanguageCount ||
        !state.developer.languageEnabled[static_cast<std::size_t>(language)]) {
        return;
    }
    state.developer.selectedLanguage = language;
    state.developer.projectEnabled.fill(false);
    for (int kind : kLanguages[static_cast<std::size_t>(language)].kinds) {
        if (kind != 0) {
            state.developer.projectEnabled[static_cast<std::size_t>(kind - 1)] = true;
        }
    }
}

void StartProject(Game& game, int kind) {
    if (kind < 1 || kind > kProjectKindCount ||
        !game.developer.projectEnabled[static_cast<std::size_t>(kind - 1)]) {
        return;
    }
    if (game.ProjectKind != 0) {
        game.shell.message(GAME_TEXT("Необходимо продать старый проект"), "",
                           MessageIcon::Question);
        return;
    }
    const ProjectKindInfo& info = kKinds[static_cast<std::size_t>(kind - 1)];
    game.ProjectName = info.name;
    game.ProjectKind = static_cast<std::uint8_t>(kind);
    // The running sequence: a project is not reseeded.
    game.ProjectValue = static_cast<std::uint8_t>(info.valueBase + game.Random(info.valueRange));
    game.ProjectPrice = static_cast<std::uint8_t>(game.Mood * game.ProjectValue / 100);
    game.ProjectActive = true;
    game.ProjectProgress = 0;
    // A gauge left at the days of a project sold during development would show them for the
    // new one until its first day; it shows the new project's none, as a load would.
    game.developer.gProgress = 0;
    game.developer.projectEnabled[static_cast<std::size_t>(kind - 1)] = false;
}

void AdvanceProject(Game& game) {
    if (!game.ProjectActive) {
        return;
    }
    DeveloperCaptions& developer = game.developer;
    if (game.ProjectProgress == kProjectDays) {
        // A project sold while still in development has kind 0: no label comes back then.
        if (game.ProjectKind >= 1 && game.ProjectKind <= kProjectKindCount) {
            developer.projectEnabled[game.ProjectKind - 1] = true;
        }
        developer.lNowProject = game.ProjectName;
        game.internet.lNowProject = game.ProjectName;
        game.ProjectName = kNone;
        addSaturating(game.Experience, 5);
        developer.gProgressVisible = false;
        developer.gProgress = 0;
        game.ProjectActive = false;
        return;
    }
    ++game.ProjectProgress;
    developer.gProgress = game.ProjectProgress * 10;
    developer.gProgressVisible = true;
}

void loseProject(GameState& state) {
    // A finished project is kept apart from the system, waiting for its sale.
    if (!state.ProjectActive) {
        return;
    }
    state.ProjectName = kNone;
    state.developer.lNowProject = kNone;
    state.internet.lNowProject = kNone;
    state.developer.gProgress = 0;
    state.ProjectProgress = 0;
    state.ProjectActive = false;
}

void endProjectSale(GameState& state) {
    state.ProjectKind = 0;
    state.internet.lNowProject = kNone;
    state.developer.lNowProject = kNone;
}

}  // namespace tessaro
