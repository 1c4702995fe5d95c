#include "software/SoftwareCatalogue.h"

namespace tessaro {

namespace {

constexpr OsSet kWindowsAndLonghorn = osSet({kWindows98, kWindows2000, kWindowsXp, kLonghorn});
constexpr OsSet kFromWindows2000 = osSet({kWindows2000, kWindowsXp, kLonghorn});
constexpr OsSet kXpOrLonghorn = osSet({kWindowsXp, kLonghorn});

using K = SoftwareKind;

constexpr HardwareNeed processor(int level, bool exact = false) {
    return {kProcessor, level, exact};
}
constexpr HardwareNeed memory(int level, bool exact = false) {
    return {kMemory, level, exact};
}
constexpr HardwareNeed video(int level) {
    return {kVideo, level};
}
constexpr HardwareNeed monitor(int level, bool exact = false) {
    return {kMonitor, level, exact};
}
constexpr HardwareNeed sound(int level, bool exact = false) {
    return {kSound, level, exact};
}

// clang-format off
constexpr std::array<SoftwareItem, kSoftwareItemCount> kCatalogue = {{
    {osW98, K::OperatingSystem, "osW98", "Microsoft Windows 98", kWindows98, 200, 5, "Windows 98",
     kAnyOs, kAnyOs, {processor(1), memory(1), video(1), monitor(1)}, 4, true,
     {GAME_TEXT("Процессор: Intel Pentium 166MHz"), GAME_TEXT("Системная память: 32MB RAM"), GAME_TEXT("Видеокарта: Voodoo 4MB"),
      GAME_TEXT("Монитор: ViewSonic 15\""), GAME_TEXT("Свободное пространство: 200MB"), ""}},
    {osW2K, K::OperatingSystem, "osW2K", "Microsoft Windows 2000", kWindows2000, 700, 10, "Windows 2000",
     kAnyOs, kAnyOs, {processor(3), memory(2), video(3), monitor(1), sound(1)}, 5, true,
     {GAME_TEXT("Процессор: Intel Pentium II 366MHz"), GAME_TEXT("Системная память: 64MB RAM"), GAME_TEXT("Видеокарта: Voodoo III 16MB"),
      GAME_TEXT("Монитор: ViewSonic 15\""), GAME_TEXT("Свободное пространство: 700MB"), GAME_TEXT("Звуковая карта: Creative SB Live")}},
    {osWXP, K::OperatingSystem, "osWXP", "Microsoft Windows XP", kWindowsXp, 1200, 20, "Windows XP",
     kAnyOs, kAnyOs, {processor(5), memory(4), video(4), monitor(2), sound(1)}, 5, true,
     {GAME_TEXT("Процессор: Intel Pentium III 700MHz"), GAME_TEXT("Системная память: 128MB RAM"), GAME_TEXT("Видеокарта: GeForce II 32MB"),
      GAME_TEXT("Монитор: LG Flatron 17\""), GAME_TEXT("Свободное пространство: 1200MB"), GAME_TEXT("Звуковая карта: Creative SB Live")}},
    {osL9, K::OperatingSystem, "osL9", "Linux Mandrake 9.0", kLinux, 2200, 30, "Linux Mandrake 9.0",
     kAnyOs, kAnyOs, {processor(5), memory(5), video(4), monitor(2), sound(1)}, 5, true,
     {GAME_TEXT("Процессор: Intel Pentium III 700MHz"), GAME_TEXT("Системная память: 256MB RAM"), GAME_TEXT("Видеокарта: GeForce II 32MB"),
      GAME_TEXT("Монитор: LG Flatron 17\""), GAME_TEXT("Свободное пространство: 2200MB"), GAME_TEXT("Звуковая карта: Creative SB Live")}},
    // Longhorn needs the top processor, memory, monitor and sound card. Its last line names
    // the sound card without the "2" of the shop's model: the game's own text.
    {osLH, K::OperatingSystem, "osLH", "Microsoft Longhorn", kLonghorn, 3200, 40, "Microsoft Longhorn",
     kAnyOs, kAnyOs, {processor(10, true), memory(6, true), video(5), monitor(3, true), sound(2, true)}, 5, true,
     {GAME_TEXT("Процессор: Intel Pentium IV 3GHz"), GAME_TEXT("Системная память: 512MB RAM"), GAME_TEXT("Видеокарта: GeForce III 64MB"),
      GAME_TEXT("Монитор: SONY 21\""), GAME_TEXT("Свободное пространство: 3200MB"), GAME_TEXT("Звуковая карта: Creative SB Audigy")}},
    {dvD7, K::Environment, "dvD7", "Borland Delphi 7.0", 1, 600, 5, "Borland Delphi 7.0",
     kWindowsAndLonghorn, kWindowsAndLonghorn, {}, 0, true,
     {GAME_TEXT("Операционная система: Windows 98"), GAME_TEXT("Свободное пространство: 600MB"), "", "", "", ""}},
    // The picture promises C++ Builder under XP and Longhorn only; it installs from 2000 on.
    {dvCB, K::Environment, "dvCB", "Borland C++ Builder 6.0", 2, 700, 10, "Borland C++ Builder 6.0",
     kFromWindows2000, kXpOrLonghorn, {}, 0, true,
     {GAME_TEXT("Операционная система: Windows XP"), GAME_TEXT("Свободное пространство: 700MB"), "", "", "", ""}},
    {dvVB, K::Environment, "dvVB", "Microsoft Visual Basic.net", 4, 1500, 30, "Microsoft Visual Basic.net",
     kXpOrLonghorn, kXpOrLonghorn, {}, 0, true,
     {GAME_TEXT("Операционная система: Windows XP"), GAME_TEXT("Свободное пространство: 1500MB"), "", "", "", ""}},
    {dvKL, K::Environment, "dvKL", "Borland Kylix 2.0", 3, 800, 20, "Borland Kylix 2.0",
     osSet({kLinux}), osSet({kLinux}), {}, 0, true,
     {GAME_TEXT("Операционная система: Linux Mandrake 9.0"), GAME_TEXT("Свободное пространство: 800MB"), "", "", "", ""}},
    {lFlash, K::Other, "lFlash", "Macromedia Flash MX", 0, 50, 5, nullptr,
     kWindowsAndLonghorn, kWindowsAndLonghorn, {video(2)}, 1, false,
     {GAME_TEXT("Операционная система Windows 98"), GAME_TEXT("Видеокарта Voodoo II 12MB"), GAME_TEXT("Свободное пространство: 50MB"), "", "", ""}},
    {lDreamweaver, K::Other, "lDreamweaver", "Macromedia Dreamweaver MX", 1, 50, 5, nullptr,
     kWindowsAndLonghorn, kWindowsAndLonghorn, {processor(2)}, 1, false,
     {GAME_TEXT("Операционная система Windows 98"), GAME_TEXT("Процессор AMD K6-2 233MHz"), GAME_TEXT("Свободное пространство: 50MB"), "", "", ""}},
    {lOffice, K::Other, "lOffice", "Microsoft Office 97", 2, 400, 5, nullptr,
     kWindowsAndLonghorn, kWindowsAndLonghorn, {}, 0, false,
     {GAME_TEXT("Операционная система Windows 98"), GAME_TEXT("Свободное пространство: 400MB"), "", "", "", ""}},
    {l3dsmax, K::Other, "l3dsmax", "3D Studio MAX 5.0", 3, 600, 10, nullptr,
     kFromWindows2000, kFromWindows2000, {video(4)}, 1, false,
     {GAME_TEXT("Операционная система Windows 2000"), GAME_TEXT("Видеокарта GeForce II 32MB"), GAME_TEXT("Свободное пространство: 600MB"), "", "", ""}},
    {lPhotoshop, K::Other, "lPhotoshop", "Adobe Photoshop 7.0", 4, 150, 10, nullptr,
     kFromWindows2000, kFromWindows2000, {}, 0, false,
     {GAME_TEXT("Операционная система Windows 2000"), GAME_TEXT("Свободное пространство: 150MB"), "", "", "", ""}},
    // Dr.Web is offered only while no antivirus is installed, and tests its size alone.
    {avDW, K::Antivirus, "avDW", "Dr.Web 4.29", 1, 5, 5, "Dr.Web 4.29",
     kWindowsAndLonghorn, kWindowsAndLonghorn, {}, 0, false,
     {GAME_TEXT("Операционная система: Windows 98"), GAME_TEXT("Свободное пространство: 5MB"), "", "", "", ""}},
    {avNA, K::Antivirus, "avNA", "Norton Antivirus 2002", 2, 20, 10, "Norton Antivirus 2002",
     kFromWindows2000, kFromWindows2000, {}, 0, true,
     {GAME_TEXT("Операционная система: Windows 2000"), GAME_TEXT("Свободное пространство: 20MB"), "", "", "", ""}},
    // The picture promises Kaspersky under XP and Longhorn only; it installs under Linux too.
    {avKA, K::Antivirus, "avKA", "Kaspersky Antivirus 4.0", 3, 10, 15, "Kaspersky Antivirus 4.0",
     osSet({kWindowsXp, kLinux, kLonghorn}), kXpOrLonghorn, {}, 0, true,
     {GAME_TEXT("Операционная система: Windows XP"), GAME_TEXT("Свободное пространство: 10MB"), "", "", "", ""}},
}};
// clang-format on

constexpr bool catalogueIsInOrder() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].index) != i) {
            return false;
        }
    }
    return true;
}
static_assert(catalogueIsInOrder(), "items in the order of their saved availability flags");

}  // namespace

const std::array<SoftwareItem, kSoftwareItemCount>& softwareCatalogue() {
    return kCatalogue;
}

const SoftwareItem& softwareItem(SoftwareIndex index) {
    return kCatalogue[static_cast<std::size_t>(index)];
}

}  // namespace tessaro
