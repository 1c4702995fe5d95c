#pragma once

#include <string>

#include "core/GameState.h"
#include "hardware/PartsCatalogue.h"

namespace tessaro {

// What the player pays for a model: its price less the trade-in value of the part it
// replaces in the same slot.
int NetPrice(const GameState& state, const PartModel& model);

// Whether the shop sells the model now: it fits the installed board and is better than
// what its slot holds.
bool Offered(const GameState& state, const PartModel& model);

// The shop's info line for a model under the pointer: its price, or what it costs when the
// part in its slot is sold back.
std::string OfferText(const PartModel& model);
std::string TradeInText(const GameState& state, const PartModel& model);
std::string InfoText(const GameState& state, const PartModel& model);

// Why the shop does not offer a model, as a screen reader says it with the window: the part
// installed, one no better than it, one that does not fit the board; kUnsaid for the parts
// that wait for a board (all but the boards, at first), whose long list would say nothing new.
const char* PartGreyedReason(const GameState& state, const PartModel& model);

// Enables exactly the model labels that the shop offers.
void RefreshOffer(GameState& state);

// Buys the model, trading in the part its slot holds; refuses with one message when the
// money or the board is not there.
void Buy(Game& game, const PartModel& model);

}  // namespace tessaro
