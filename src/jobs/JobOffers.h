#pragma once

#include <array>
#include <string>

#include "core/GameState.h"

namespace tessaro {

// One job offer: its wage, the courses it needs and the texts the windows show for it.
struct JobOffer {
    int id;  // the JobId it gives, 1..9
    const char* control;
    const char* caption;
    int wage;                    // dollars a day
    std::array<int, 8> courses;  // the Knowledge flags it needs
    int courseCount;
    int experience;
    const char* mainText;   // lJob on the main window
    const char* wageLabel;  // the control of the wage shown beside the caption
    const char* wageText;
    std::array<const char*, 5> lines;  // the requirement lines, in the job's own words
};

const std::array<JobOffer, kJobCount>& jobOffers();

// Every course the job needs has been taken.
// An interview needs a mood above this.
inline constexpr int kInterviewMood = 50;

bool JobRequirementsMet(const GameState& state, const JobOffer& offer);
// The verdict under the pointer, which does not consider the mood.
std::string JobVerdict(const GameState& state, const JobOffer& offer);
// Why an offer is greyed, where the player owns the reason: it is his job, or below it.
// Nothing otherwise.
const char* OfferGreyedReason(const GameState& state, const JobOffer& offer);

// Showing the window offers only the jobs above the current one.
void RefreshOffers(GameState& state);

// A click on an offer. Missing courses: nothing happens. A mood of 50 or less fails the
// interview with a message. Otherwise the job is taken, and every other offer is open until
// the window is shown again. Returns whether the job was taken.
bool TakeJob(Game& game, const JobOffer& offer);

}  // namespace tessaro
