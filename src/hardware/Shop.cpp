#include "hardware/Shop.h"

#include "core/MainLabels.h"
#include "core/Saturating.h"
#include "core/Templates.h"

namespace tessaro {

namespace {

const char* socketName(Socket socket) {
    switch (socket) {
        case Socket::Socket7:
            return "Socket 7";
        case Socket::Slot1:
            return "Slot 1";
        case Socket::Socket370:
            return "Socket 370";
        case Socket::SocketA:
            return "Socket A";
        case Socket::Socket478:
            return "Socket 478";
        case Socket::NoSocket:
            break;
    }
    return "";
}

constexpr int kAthlonLevel = 8;
constexpr int kPentium4FirstLevel = 7;

bool blockedByInstalledProcessor(const GameState& state, const PartModel& processor) {
    const int installed = state.PartLevel[kProcessor];
    // A move from the Athlon to a Socket 478 board must be able to take the cheapest
    // Pentium IV, although it ranks below the Athlon.
    if (installed == kAthlonLevel && processor.level == kPentium4FirstLevel) {
        return false;
    }
    return processor.level <= installed;
}

// Whether a part goes into the board: a processor by its socket, memory by its type, a video
// card by its bus; any other part into any board.
bool fitsTheBoard(const PartModel& model, const PartModel& board) {
    switch (model.slot) {
        case kProcessor:
            return model.socket == board.socket;
        case kMemory:
            return model.memory == board.memory;
        case kVideo:
            return model.bus == board.bus;
        default:
            return true;
    }
}

// Boards, processors and disks may take the last dollar; everything else needs one left.
bool mayTakeLastDollar(Slot slot) {
    return slot == kMotherboard || slot == kProcessor || slot == kHardDisk;
}

// Apart from the rule: the translation tools take a text inside a function that returns a
// std::string for a text of std's.
constexpr const char* kAnyBoardNeeded = GAME_TEXT("Необходима любая системная плата");

std::string boardRefusal(const GameState& state, const PartModel& model) {
    const int board = state.PartLevel[kMotherboard];
    if (model.boardTest == kAnyBoard && board == 0) {
        return kAnyBoardNeeded;
    }
    if (model.boardTest > 0 && board != model.boardTest) {
        return fillIn(kBoardWithSocketText, {socketName(model.socket)});
    }
    return {};
}

void updateDiskSpace(GameState& state, const PartModel& disk) {
    if (disk.level == 1) {
        // The entry disk only ever goes into an empty slot.
        state.DiskTotal = disk.capacity;
        state.DiskFree = disk.capacity;
        return;
    }
    // The programs on the old disk move over with the space they take.
    state.DiskFree += disk.capacity - state.DiskTotal;
    state.DiskTotal = disk.capacity;
}

}  // namespace

int NetPrice(const GameState& state, const PartModel& model) {
    return model.price - state.PartTradeIn[model.slot];
}

bool Offered(const GameState& state, const PartModel& model) {
    const int boardLevel = state.PartLevel[kMotherboard];
    if (model.slot == kMotherboard) {
        return model.level > boardLevel;
    }
    if (boardLevel == 0 || !fitsTheBoard(model, modelAt(kMotherboard, boardLevel))) {
        return false;
    }
    return model.slot == kProcessor ? !blockedByInstalledProcessor(state, model)
                                    : model.level > state.PartLevel[model.slot];
}

const char* PartGreyedReason(const GameState& state, const PartModel& model) {
    if (Offered(state, model)) {
        return nullptr;
    }
    if (model.level == state.PartLevel[model.slot]) {
        return GAME_TEXT("установлено");
    }
    if (model.slot != kMotherboard) {
        const int boardLevel = state.PartLevel[kMotherboard];
        if (boardLevel == 0) {
            return kUnsaid;
        }
        if (!fitsTheBoard(model, modelAt(kMotherboard, boardLevel))) {
            return GAME_TEXT("не подходит к плате");
        }
    }
    return GAME_TEXT("хуже установленного");
}

std::string OfferText(const PartModel& model) {
    return std::string(model.infoName) + " - $" + std::to_string(model.price);
}

std::string TradeInText(const GameState& state, const PartModel& model) {
    return fillIn(kTradeInText, {slotDescription(model.slot).oldWord, model.infoName,
                                 std::to_string(NetPrice(state, model))});
}

std::string InfoText(const GameState& state, const PartModel& model) {
    return state.PartTradeIn[model.slot] == 0 ? OfferText(model) : TradeInText(state, model);
}

void RefreshOffer(GameState& state) {
    for (const PartModel& model : partsCatalogue()) {
        state.computer.itemEnabled[model.index] = Offered(state, model);
    }
}

void Buy(Game& game, const PartModel& model) {
    const int net = NetPrice(game, model);
    const bool refused = mayTakeLastDollar(model.slot) ? net > game.Money : net >= game.Money;
    if (refused) {
        game.shell.message(
            fillIn(kShortOfMoneyText, {std::to_string(std::int64_t{net} - game.Money)}), kGameTitle,
            MessageIcon::None);
        return;
    }
    const std::string refusal = boardRefusal(game, model);
    if (!refusal.empty()) {
        game.shell.message(refusal, kGameTitle, MessageIcon::None);
        return;
    }

    game.main.hardware[model.slot] = model.installedName;
    changeMoney(game, -net);
    game.PartTradeIn[model.slot] = static_cast<std::int16_t>(model.tradeIn);
    game.PartLevel[model.slot] = static_cast<std::uint8_t>(model.level);
    if (model.slot == kHardDisk) {
        updateDiskSpace(game, model);
    }
    for (const PartModel& sibling : modelsOf(model.slot)) {
        if (!Offered(game, sibling)) {
            game.computer.itemEnabled[sibling.index] = false;
        }
    }
    addSaturating(game.Experience, model.experience);
    // The main window learns of a processor's experience at its next clock tick.
    if (model.slot != kProcessor) {
        showExperience(game);
    }
    if (model.slot == kMotherboard) {
        RefreshOffer(game);
    }
}

}  // namespace tessaro
