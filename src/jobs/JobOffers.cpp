#include "jobs/JobOffers.h"

#include "core/Saturating.h"

namespace tessaro {

namespace {

constexpr int kInterviewMood = 50;  // the interview needs a mood above it

// In the order of JobId. The requirement lines name the courses in the job's own words,
// slips included ("Знать Borlad Delphi").
// clang-format off
constexpr std::array<JobOffer, kJobCount> kOffers = {{
    {1, "jTyper", "Верстальщик", 3, {16}, 1, 10, "Верстальщик $3/день", "lTyperMPM", "$3/день",
     {"Знать Microsoft Office 98", "", "", "", ""}},
    {2, "jDeveloper1", "Программист", 5, {3, 0}, 2, 10, "Программист $5/день", "lDeveloper1MPM", "$5/день",
     {"Знать Borlad Delphi", "Знать Microsoft Windows 9x/Me", "", "", ""}},
    {3, "jWebdesigner", "Web-дизайнер", 7, {13, 12, 7}, 3, 15, "Web-дизайнер $7/день", "lWebdesignerMPM", "$7/день",
     {"Знать Macromedia Flash", "Знать Macromedia Dreamweaver", "Владеть технологией HTML", "", ""}},
    {4, "jDeveloper2", "Программист", 10, {4, 1}, 2, 20, "Программист $10/день", "lDeveloper2MPM", "$10/день",
     {"Знать Borland C++ Buider", "Знать Microsoft Windows 2000/XP", "", "", ""}},
    {5, "jDesigner", "Дизайнер", 12, {15, 14, 13}, 3, 30, "Дизайнер $12/день", "lDesignerMPM", "$12/день",
     {"Знать 3D Studio MAX", "Знать Adobe Photoshop", "Знать Macromedia Flash", "", ""}},
    {6, "jWebcoder", "Web-программист", 15, {7, 8, 9, 10, 11}, 5, 35, "Web-программист $15/день", "lWebcoderMPM", "$15/день",
     {"Владеть технологией HTML", "Владеть технологией PHP", "Владеть технологией Perl", "Знать MySQL Server", "Знать Apache Web Server"}},
    {7, "jDeveloper3", "Программист", 17, {6, 1}, 2, 40, "Программист $17/день", "lDeveloper3MPM", "$17/день",
     {"Знать Microsoft Visual Basic.net", "Знать Microsoft Windows 2000/XP", "", "", ""}},
    {8, "jWebmaster", "Web-мастер", 20, {7, 8, 9, 10, 11, 14, 12, 13}, 8, 45, "Web-мастер $20/день", "lWebmasterMPM", "$20/день",
     {"Владеть всеми web-технологии", "Знать Macromedia Flash", "Знать Macromedia Dreamweaver", "Знать Adobe Photoshop", ""}},
    {9, "jLinuxcoder", "Linux-программист", 25, {2, 5}, 2, 50, "Linux-программист $25/день", "lLinuxcoderMPM", "$25/день",
     {"Знать Linux Mandrake 9.0", "Знать Borland Kylix 2.0", "", "", ""}},
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

std::string JobVerdict(const GameState& state, const JobOffer& offer) {
    return JobRequirementsMet(state, offer) ? "Вы можете получить эту работу"
                                            : "С вашими знаниями эта работа недоступна";
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
        game.shell.message("У плохое настроение. Вы не прошли собеседовние", kGameTitle,
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

}  // namespace tessaro
