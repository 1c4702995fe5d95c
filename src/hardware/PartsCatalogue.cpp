#include "hardware/PartsCatalogue.h"

namespace tessaro {

namespace {

using enum Socket;
using enum MemoryKind;
using enum VideoBus;

// clang-format off
constexpr std::array<PartModel, kPartModelCount> kCatalogue = {{
    // Motherboards: the board decides which processor, memory and video card fit.
    {0, kMotherboard, "mbP1", "ASUS TXP4 (Socket 7)", 1, 45, 23, 5, "ASUS TXP4 (Socket 7, SIMM)", "ASUS TXP4 (Socket 7, SIMM)", Socket7, SIMM, PCI, 0, kNoBoardTest},
    {1, kMotherboard, "mbP2", "ASUS P2B (Slot 1)", 2, 60, 30, 10, "ASUS P2B (Slot 1, DIMM)", "ASUS P2B (Slot 1, DIMM)", Slot1, DIMM, AGP, 0, kNoBoardTest},
    {2, kMotherboard, "mbP3", "A-Bit BE6 II (Socket 370)", 3, 90, 45, 15, "A-Bit BE6 II (Socket 370, DIMM)", "A-Bit BE6 II (Socket 370, DIMM)", Socket370, DIMM, AGP, 0, kNoBoardTest},
    {3, kMotherboard, "mbA", "ASUS A7V (Socket A)", 4, 110, 55, 20, "ASUS A7V (Socket A, DIMM)", "ASUS A7V (Socket A, DIMM)", SocketA, DIMM, AGP, 0, kNoBoardTest},
    {4, kMotherboard, "mbP4", "A-Bit BL-7 (Socket 478)", 5, 150, 75, 25, "A-Bit BL-7 (Socket 478, DIMM)", "A-Bit BL-7 (Socket 478, DIMM)", Socket478, DIMM, AGP, 0, kNoBoardTest},
    // Processors: levels follow the price, not the socket.
    {5, kProcessor, "prP166", "Intel Pentium 166MHz", 1, 30, 15, 3, "Intel Pentium 166MHz", "Intel Pentium 166MHz (Socket 7)", Socket7, NoMemory, NoBus, 0, kNoBoardTest},
    {6, kProcessor, "prK233", "AMD K6-2 233MHz", 2, 40, 20, 5, "AMD K6-2 233MHz", "AMD K6-2 233MHz (Socket 7)", Socket7, NoMemory, NoBus, 0, 1},
    {7, kProcessor, "prP366", "Intel Pentium II 366MHz", 3, 50, 25, 8, "Intel Pentium II 366MHz", "Intel Pentium II 366MHz (Slot 1)", Slot1, NoMemory, NoBus, 0, 2},
    {8, kProcessor, "prP500", "Intel Pentium II 500MHz", 4, 60, 30, 10, "Intel Pentium II 500MHz", "Intel Pentium II 500MHz (Slot 1)", Slot1, NoMemory, NoBus, 0, 2},
    {9, kProcessor, "prP700", "Intel Pentium III 700MHz", 5, 70, 35, 12, "Intel Pentium III 700MHz", "Intel Pentium III 700MHz (Socket 370)", Socket370, NoMemory, NoBus, 0, 3},
    {10, kProcessor, "prD900", "AMD Duron 900MHz", 6, 75, 37, 13, "AMD Duron 900MHz", "AMD Duron 900MHz (Socket A)", SocketA, NoMemory, NoBus, 0, 4},
    {11, kProcessor, "prP1000", "Intel Pentium IV 1GHz", 7, 80, 40, 15, "Intel Pentium IV 1GHz", "Intel Pentium IV 1GHz (Socket 478)", Socket478, NoMemory, NoBus, 0, 5},
    {12, kProcessor, "prA1200", "AMD Athlon 1.2GHz", 8, 100, 50, 20, "AMD Athlon 1.2GHz", "AMD Athlon 1.2GHz (Socket A)", SocketA, NoMemory, NoBus, 0, 4},
    {13, kProcessor, "prP1500", "Intel Pentium IV 1.5GHz", 9, 120, 60, 25, "Intel Pentium IV 1.5GHz", "Intel Pentium IV 1.5GHz (Socket 478)", Socket478, NoMemory, NoBus, 0, 5},
    {14, kProcessor, "prP3000", "Intel Pentium IV 3GHz", 10, 350, 175, 35, "Intel Pentium IV 3GHz", "Intel Pentium IV 3GHz (Socket 478)", Socket478, NoMemory, NoBus, 0, 5},
    // Memory. The shop caption of the 64 MB DIMM has two blanks; its installed name one.
    {15, kMemory, "mm32S", "32MB (SIMM)", 1, 4, 2, 1, "32MB (SIMM)", "32MB (SIMM)", NoSocket, SIMM, NoBus, 0, kNoBoardTest},
    {16, kMemory, "mm64S", "64MB (SIMM)", 2, 8, 4, 2, "64MB (SIMM)", "64MB (SIMM)", NoSocket, SIMM, NoBus, 0, kNoBoardTest},
    {17, kMemory, "mm64D", "64MB  (DIMM)", 3, 10, 5, 5, "64MB (DIMM)", "64MB (DIMM)", NoSocket, DIMM, NoBus, 0, kNoBoardTest},
    {18, kMemory, "mm128D", "128MB (DIMM)", 4, 20, 10, 10, "128MB (DIMM)", "128MB (DIMM)", NoSocket, DIMM, NoBus, 0, kNoBoardTest},
    {19, kMemory, "mm256D", "256MB (DIMM)", 5, 40, 20, 20, "256MB (DIMM)", "256MB (DIMM)", NoSocket, DIMM, NoBus, 0, kNoBoardTest},
    {20, kMemory, "mm512D", "512MB (DIMM)", 6, 80, 40, 30, "512MB (DIMM)", "512MB (DIMM)", NoSocket, DIMM, NoBus, 0, kNoBoardTest},
    // Hard disks, with the capacity that a purchase puts on the computer.
    {21, kHardDisk, "hd1", "Matrox 1GB 5200RPM", 1, 50, 25, 10, "Matrox 1GB 5200RPM", "Matrox 1GB 5200RPM", NoSocket, NoMemory, NoBus, 1000, kNoBoardTest},
    {22, kHardDisk, "hd3", "Quantum 3GB 5200RPM", 2, 60, 30, 15, "Quantum 3GB 5200RPM", "Quantum 3GB 5200RPM", NoSocket, NoMemory, NoBus, 3000, kNoBoardTest},
    {23, kHardDisk, "hd6", "Fujitsu 6GB 5200RPM", 3, 70, 35, 20, "Fujitsu 6GB 5200RPM", "Fujitsu 6GB 5200RPM", NoSocket, NoMemory, NoBus, 6000, kNoBoardTest},
    {24, kHardDisk, "hd8", "Quantum 8GB 5200RPM", 4, 80, 40, 25, "Quantum 8GB 5200RPM", "Quantum 8GB 5200RPM", NoSocket, NoMemory, NoBus, 8000, kNoBoardTest},
    {25, kHardDisk, "hd13", "Fujitsu 13GB 7200RPM", 5, 90, 45, 30, "Fujitsu 13GB 7200RPM", "Fujitsu 13GB 7200RPM", NoSocket, NoMemory, NoBus, 13000, kAnyBoard},
    {26, kHardDisk, "hd20", "IBM 20GB 7200RPM", 6, 130, 65, 40, "IBM 20GB 7200RPM", "IBM 20GB 7200RPM", NoSocket, NoMemory, NoBus, 20000, kAnyBoard},
    {27, kHardDisk, "hd40", "Quantum 40GB 7200RPM", 7, 200, 100, 50, "Quantum 40GB 7200RPM", "Quantum 40GB 7200RPM", NoSocket, NoMemory, NoBus, 40000, kAnyBoard},
    // Video cards. The top card's caption leaves out the "MB" that its name has.
    {28, kVideo, "vd4P", "Voodoo 4MB (PCI)", 1, 30, 15, 5, "Voodoo 4MB (PCI)", "Voodoo 4MB (PCI)", NoSocket, NoMemory, PCI, 0, kNoBoardTest},
    {29, kVideo, "vd12P", "Voodoo II 12MB (PCI)", 2, 45, 23, 10, "Voodoo II 12MB (PCI)", "Voodoo II 12MB (PCI)", NoSocket, NoMemory, PCI, 0, kNoBoardTest},
    {30, kVideo, "vd16A", "Voodoo III 16MB (AGP)", 3, 55, 27, 13, "Voodoo III 16MB (AGP)", "Voodoo III 16MB (AGP)", NoSocket, NoMemory, AGP, 0, kNoBoardTest},
    {31, kVideo, "vd32A", "GeForce II 32MB (AGP)", 4, 70, 35, 15, "GeForce II 32MB (AGP)", "GeForce II 32MB (AGP)", NoSocket, NoMemory, AGP, 0, kNoBoardTest},
    {32, kVideo, "vd64A", "GeForce III 64MB (AGP)", 5, 90, 45, 20, "GeForce III 64MB (AGP)", "GeForce III 64MB (AGP)", NoSocket, NoMemory, AGP, 0, kNoBoardTest},
    {33, kVideo, "vd256A", "GeForce IV 256 (AGP)", 6, 450, 225, 30, "GeForce IV 256MB (AGP)", "GeForce IV 256MB (AGP)", NoSocket, NoMemory, AGP, 0, kNoBoardTest},
    // Sound cards.
    {34, kSound, "snLive", "Creative SB Live", 1, 45, 23, 5, "Creative SB Live", "Creative SB Live", NoSocket, NoMemory, NoBus, 0, kNoBoardTest},
    {35, kSound, "snAudigy", "Creative SB Audigy 2", 2, 65, 33, 10, "Creative SB Audigy 2", "Creative SB Audigy 2", NoSocket, NoMemory, NoBus, 0, kNoBoardTest},
    // Monitors: the inch sign belongs to the name.
    {36, kMonitor, "mn15", "ViewSonic 15\"", 1, 120, 60, 15, "ViewSonic 15\"", "ViewSonic 15\"", NoSocket, NoMemory, NoBus, 0, kNoBoardTest},
    {37, kMonitor, "mn17", "LG Flatron 17\"", 2, 250, 125, 30, "LG Flatron 17\"", "LG Flatron 17\"", NoSocket, NoMemory, NoBus, 0, kNoBoardTest},
    {38, kMonitor, "mn21", "SONY 21\"", 3, 450, 225, 50, "SONY 21\"", "SONY 21\"", NoSocket, NoMemory, NoBus, 0, kNoBoardTest},
    // CD/DVD drives.
    {39, kCdDvd, "cdR", "Philips CD-ROM", 1, 80, 40, 20, "Philips CD-ROM", "Philips CD-ROM", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
    {40, kCdDvd, "cdRW", "Nec CD-RW", 2, 110, 55, 25, "Nec CD-RW", "Nec CD-RW", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
    {41, kCdDvd, "cdDVDRW", "Creative CD/DVD-RW", 3, 350, 175, 50, "Creative CD/DVD-RW", "Creative CD/DVD-RW", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
    // Modems.
    {42, kModem, "md28", "Acorp 28800BPS", 1, 30, 15, 10, "Acorp 28800BPS", "Acorp 28800BPS", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
    {43, kModem, "md38", "US.Robotics 38400BPS", 2, 40, 20, 20, "US.Robotics 38400BPS", "US.Robotics 38400BPS", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
    {44, kModem, "md57", "ZyXEL 57600BPS", 3, 80, 40, 30, "ZyXEL 57600BPS", "ZyXEL 57600BPS", NoSocket, NoMemory, NoBus, 0, kAnyBoard},
}};
// clang-format on

constexpr std::array<SlotInfo, kSlotCount> kSlots = {{
    {GAME_TEXT("Системная плата"), GAME_TEXT("старую")},
    {GAME_TEXT("Процессор"), GAME_TEXT("старый")},
    {GAME_TEXT("Память"), GAME_TEXT("старую")},
    {GAME_TEXT("Жесткий диск"), GAME_TEXT("старый")},
    {GAME_TEXT("Видео карта"), GAME_TEXT("старую")},
    {GAME_TEXT("Звуковая карта"), GAME_TEXT("старую")},
    {GAME_TEXT("Монитор"), GAME_TEXT("старый")},
    {GAME_TEXT("CD/DVD-Привод"), GAME_TEXT("старый")},
    {GAME_TEXT("Модем"), GAME_TEXT("старый")},
}};

// Where each slot's models begin in the catalogue, and where the last slot's end.
constexpr std::array<int, kSlotCount + 1> kSlotStart = {0, 5, 15, 21, 28, 34, 36, 39, 42, 45};

constexpr bool catalogueIsInOrder() {
    for (int i = 0; i < kPartModelCount; ++i) {
        const PartModel& model = kCatalogue[i];
        if (model.index != i || i < kSlotStart[model.slot] || i >= kSlotStart[model.slot + 1] ||
            model.level != i - kSlotStart[model.slot] + 1) {
            return false;
        }
    }
    return true;
}
static_assert(catalogueIsInOrder(), "models go slot by slot, each slot by level from 1");

}  // namespace

const std::array<PartModel, kPartModelCount>& partsCatalogue() {
    return kCatalogue;
}

const SlotInfo& slotDescription(Slot slot) {
    return kSlots[slot];
}

int modelCount(Slot slot) {
    return kSlotStart[slot + 1] - kSlotStart[slot];
}

std::span<const PartModel> modelsOf(Slot slot) {
    return std::span<const PartModel>(kCatalogue).subspan(kSlotStart[slot], modelCount(slot));
}

const PartModel& modelAt(Slot slot, int level) {
    return kCatalogue[kSlotStart[slot] + level - 1];
}

const PartModel* findModel(const std::string& control) {
    for (const PartModel& model : kCatalogue) {
        if (control == model.control) {
            return &model;
        }
    }
    return nullptr;
}

}  // namespace tessaro
