#include "jobs/JobOffers.h"

#include "core/Saturating.h"

namespace tessaro {

namespace {

// In the order of JobId. The requirement lines name the courses in the job's own words,
// slips included ("Знать Borlad Delphi").
// clang-format off
constexpr std::array<JobOffer, kJobCount> kOffers = {{
    {1, "jTyper", GAME_TEXT("Верстальщик"), 3, {16}, 1, 10, GAME_TEXT("Верстальщик $3/день"), "lTyperMPM", GAME_TEXT("$3/день"),
     {GAME_TEXT("Знать Microsoft Office 98"), "", "", "", ""}},
    {2, "jDeveloper1", GAME_TEXT("Программист"), 5, {3, 0}, 2, 10, GAME_TEXT("Программист $5/день"), "lDeveloper1MPM", GAME_TEXT("$5/день"),
     {GAME_TEXT("Знать Borlad Delphi"), GAME_TEXT("Знать Microsoft Windows 9x/Me"), "", "", ""}},
    {3, "jWebdesigner", GAME_TEXT("Web-дизайнер"), 7, {13, 12, 7}, 3, 15, GAME_TEXT("Web-дизайнер $7/день"), "lWebdesignerMPM", GAME_TEXT("$7/день"),
     {GAME_TEXT("Знать Macromedia Flash"), GAME_TEXT("Знать Macromedia Dreamweaver"), GAME_TEXT("Владеть технологией HTML"), "", ""}},
    {4, "jDeveloper2", GAME_TEXT("Программист"), 10, {4, 1}, 2, 20, GAME_TEXT("Программист $10/день"), "lDeveloper2MPM", GAME_TEXT("$10/день"),
     {GAME_TEXT("Знать Borland C++ Buider"), GAME_TEXT("Знать Microsoft Windows 2000/XP"), "", "", ""}},
    {5, "jDesigner", GAME_TEXT("Дизайнер"), 12, {15, 14, 13}, 3, 30, GAME_TEXT("Дизайнер $12/день"), "lDesignerMPM", GAME_TEXT("$12/день"),
     {GAME_TEXT("Знать 3D Studio MAX"), GAME_TEXT("Знать Adobe Photoshop"), GAME_TEXT("Знать Macromedia Flash"), "", ""}},
    {6, "jWebcoder", GAME_TEXT("Web-программист"), 15, {7, 8, 9, 10, 11}, 5, 35, GAME_TEXT("Web-программист $15/день"), "lWebcoderMPM", GAME_TEXT("$15/день"),
     {GAME_TEXT("Владеть технологией HTML"), GAME_TEXT("Владеть технологией PHP"), GAME_TEXT("Владеть технологией Perl"), GAME_TEXT("Знать MySQL Server"), GAME_TEXT("Знать Apache Web Server")}},
    {7, "jDeveloper3", GAME_TEXT("Программист"), 17, {6, 1}, 2, 40, GAME_TEXT("Программист $17/день"), "lDeveloper3MPM", GAME_TEXT("$17/день"),
     {GAME_TEXT("Знать Microsoft Visual Basic.net"), GAME_TEXT("Знать Microsoft Windows 2000/XP"), "", "", ""}},
    {8, "jWebmaster", GAME_TEXT("Web-мастер"), 20, {7, 8, 9, 10, 11, 14, 12, 13}, 8, 45, GAME_TEXT("Web-мастер $20/день"), "lWebmasterMPM", GAME_TEXT("$20/день"),
     {GAME_TEXT("Владеть всеми web-технологии"), GAME_TEXT("Знать Macromedia Flash"), GAME_TEXT("Знать Macromedia Dreamweaver"), GAME_TEXT("Знать Adobe Photoshop"), ""}},
    {9, "jLinuxcoder", GAME_TEXT("Linux-программист"), 25, {2, 5}, 2, 50, GAME_TEXT("Linux-программист $25/день"), "lLinuxcoderMPM", GAME_TEXT("$25/день"),
     {GAME_TEXT("Знать Linux Mandrake 9.0"), GAME_TEXT("Знать Borland Kylix 2.0"), "", "", ""}},
}};
// clang-format on

constexpr bool offersAreInOrder() {
    for (int i = 0; i < kJobCount; ++i) {
        if (kOffers[static_cast<std::size_t>(i)].id != i + 1) {
            return false;
        }
    }
    return true;
}
static_assert(offersAreInOrder(), "offers in JobId order");

}  // namespace

const std::array<JobOffer, kJobCount>& jobOffers() {
    return kOffers;
}

bool JobRequirementsMet(const GameState& state, const JobOffer& offer) {
    for (int i = 0; i < offer.courseCount; ++i) {
        if (!state
                 .Knowledge[static_cast<std::size_t>(offer.courses[static_cast<std::size_t>(i)])]) {
            return false;
        }
    }
    return true;
}

// The verdicts stand apart from the rule: the translation tools take a text inside a function
// that returns a std::string for a text of std's.
constexpr const char* kJobPossible = GAME_TEXT("Вы можете получить эту работу");
constexpr const char* kJobImpossible = GAME_TEXT("С вашими знаниями эта работа недоступна");

std::string JobVerdict(const GameState& state, const JobOffer& offer) {
    return JobRequirementsMet(state, offer) ? kJobPossible : kJobImpossible;
}

void RefreshOffers(GameState& state) {
    for (const JobOffer& offer : kOffers) {
        state.jobs.itemEnabled[static_cast<std::size_t>(offer.id - 1)] = offer.id > state.JobId;
    }
}

bool TakeJob(Game& game, const JobOffer& offer) {
    const auto item = static_cast<std::size_t>(offer.id - 1);
    if (!game.jobs.itemEnabled[item] || !JobRequirementsMet(game, offer)) {
        return false;
    }
    if (game.Mood <= kInterviewMood) {
        game.shell.message(GAME_TEXT("У плохое настроение. Вы не прошли собеседовние"), kGameTitle,
                           MessageIcon::Question);
        return false;
    }
    game.main.lJob = offer.mainText;
    game.JobId = static_cast<std::uint8_t>(offer.id);
    game.Wage = offer.wage;
    game.jobs.itemEnabled.fill(true);
    game.jobs.itemEnabled[item] = false;
    addSaturating(game.Experience, offer.experience);
    return true;
}

const char* OfferGreyedReason(const GameState& state, const JobOffer& offer) {
    if (offer.id == state.JobId) {
        return GAME_TEXT("ваша работа");
    }
    return offer.id < state.JobId ? GAME_TEXT("ниже вашей работы") : nullptr;
}

}  // namespace tessaro
