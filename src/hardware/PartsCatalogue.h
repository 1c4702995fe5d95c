#pragma once

#include <array>
#include <span>
#include <string>

#include "core/GameState.h"

namespace tessaro {

enum class Socket { NoSocket, Socket7, Slot1, Socket370, SocketA, Socket478 };
enum class MemoryKind { NoMemory, SIMM, DIMM };
enum class VideoBus { NoBus, PCI, AGP };

// Which board a purchase checks for once the money test has passed.
inline constexpr int kNoBoardTest = 0;
inline constexpr int kAnyBoard = -1;

// One model of the shop.
struct PartModel {
    int index;  // position in the catalogue, 0..44
    Slot slot;
    const char* control;
    const char* caption;
    int level;
    int price;
    int tradeIn;
    int experience;
    const char* installedName;
    const char* infoName;
    Socket socket;      // motherboards, processors
    MemoryKind memory;  // motherboards, memory
    VideoBus bus;       // motherboards, video cards
    int capacity;       // hard disks, in MB
    int boardTest;      // kNoBoardTest, kAnyBoard or the board level the model needs
};

struct SlotInfo {
    const char* groupTitle;
    const char* oldWord;  // "старую" or "старый" in the trade-in text
};

const std::array<PartModel, kPartModelCount>& partsCatalogue();
const SlotInfo& slotDescription(Slot slot);
const PartModel& modelAt(Slot slot, int level);
int modelCount(Slot slot);
std::span<const PartModel> modelsOf(Slot slot);
// The model whose shop label has this control name, or nullptr.
const PartModel* findModel(const std::string& control);

}  // namespace tessaro
