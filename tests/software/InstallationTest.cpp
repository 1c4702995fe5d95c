#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "game/NewGame.h"
#include "software/Installation.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::TestGame;

const SoftwareItem& S(SoftwareIndex index) {
    return softwareItem(index);
}

// A new game on the best computer the shop sells, with a 10 GB disk and nothing installed.
class InstallationTest : public ::testing::Test {
  protected:
    InstallationTest() {
        NewGame(game);
        game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
        game.DiskTotal = 10000;
        game.DiskFree = 10000;
    }

    // Installs, checking that the installation went through.
    void Installed(SoftwareIndex index) {
        ASSERT_TRUE(Installable(game, S(index))) << S(index).caption;
        Install(game, S(index));
    }

    std::set<std::string> Available() const {
        std::set<std::string> available;
        for (const SoftwareItem& item : softwareCatalogue()) {
            if (game.software.itemEnabled[item.index]) {
                available.insert(item.control);
            }
        }
        return available;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(InstallationTest, FreeSpaceIsTestedStrictlyAndCountsTheReplacedProgramOnlyWhereItShould) {
    struct Row {
        const char* name;
        SoftwareIndex item;
        int diskFree;
        int osId;
        int osSize;
        int ideSize;
        int avSize;
        bool installable;
    };
    const Row rows[] = {
        {"Windows 98 with exactly its 200 MB free", osW98, 200, 0, 0, 0, 0, false},
        {"Windows 98 with 201 MB free", osW98, 201, 0, 0, 0, 0, true},
        {"Windows 2000 over Windows 98 counts its 200 MB", osW2K, 501, 1, 200, 0, 0, true},
        {"Windows 2000 over Windows 98 with 500 MB free", osW2K, 500, 1, 200, 0, 0, false},
        {"Longhorn with exactly its 3200 MB", osLH, 3000, 3, 200, 0, 0, false},
        {"Visual Basic over Delphi counts its 600 MB", dvVB, 901, 3, 1200, 600, 0, true},
        {"Visual Basic over Delphi with 900 MB free", dvVB, 900, 3, 1200, 600, 0, false},
        {"Dr.Web with 5 MB free", avDW, 5, 1, 200, 0, 0, false},
        {"Dr.Web with 6 MB free", avDW, 6, 1, 200, 0, 0, true},
        {"Dr.Web does not count an antivirus's space", avDW, 5, 1, 200, 0, 20, false},
        {"Norton counts the antivirus it replaces", avNA, 10, 2, 700, 0, 11, true},
        {"Norton needs more than 20 MB with it", avNA, 10, 2, 700, 0, 10, false},
        {"Kaspersky over Norton", avKA, 1, 3, 1200, 0, 20, true},
        {"Office with 400 MB free", lOffice, 400, 1, 200, 0, 0, false},
        {"Office with 401 MB free", lOffice, 401, 1, 200, 0, 0, true},
        {"Office does not count the environment's space", lOffice, 400, 1, 200, 600, 0, false},
        {"Photoshop with 151 MB free", lPhotoshop, 151, 2, 700, 0, 0, true},
    };
    for (const Row& row : rows) {
        game.DiskFree = row.diskFree;
        game.OsId = static_cast<std::uint8_t>(row.osId);
        game.OsSize = row.osSize;
        game.IdeSize = row.ideSize;
        game.AvSize = row.avSize;
        EXPECT_EQ(Installable(game, S(row.item)), row.installable) << row.name;
    }
}

TEST_F(InstallationTest, EachOperatingSystemNeedsEachOfItsPartsAtItsLevel) {
    struct Row {
        SoftwareIndex system;
        // processor, memory, video, monitor, sound: the lowest levels that pass
        int minimum[5];
    };
    const Row rows[] = {
        {osW98, {1, 1, 1, 1, 0}}, {osW2K, {3, 2, 3, 1, 1}}, {osWXP, {5, 4, 4, 2, 1}},
        {osL9, {5, 5, 4, 2, 1}},  {osLH, {10, 6, 5, 3, 2}},
    };
    const Slot slots[5] = {kProcessor, kMemory, kVideo, kMonitor, kSound};
    for (const Row& row : rows) {
        for (int i = 0; i < 5; ++i) {
            game.PartLevel[slots[i]] = static_cast<std::uint8_t>(row.minimum[i]);
        }
        EXPECT_TRUE(Installable(game, S(row.system))) << S(row.system).caption;
        for (int i = 0; i < 5; ++i) {
            if (row.minimum[i] == 0) {
                continue;
            }
            game.PartLevel[slots[i]] = static_cast<std::uint8_t>(row.minimum[i] - 1);
            EXPECT_FALSE(Installable(game, S(row.system)))
                << S(row.system).caption << " with slot " << slots[i] << " one level lower";
            game.PartLevel[slots[i]] = static_cast<std::uint8_t>(row.minimum[i]);
        }
    }
    // The second-best processor never runs Longhorn.
    game.PartLevel = {5, 9, 6, 7, 6, 2, 3, 3, 3};
    EXPECT_FALSE(Installable(game, S(osLH)));
}

TEST_F(InstallationTest, EachProgramRunsUnderItsOwnOperatingSystems) {
    struct Row {
        SoftwareIndex item;
        std::set<int> systems;  // 0 none, 1 98, 2 2000, 3 XP, 4 Linux, 5 Longhorn
    };
    const Row rows[] = {
        {dvD7, {1, 2, 3, 5}},
        {dvCB, {2, 3, 5}},
        {dvKL, {4}},
        {dvVB, {3, 5}},
        {avDW, {1, 2, 3, 5}},
        {avNA, {2, 3, 5}},
        {avKA, {3, 4, 5}},
        {lFlash, {1, 2, 3, 5}},
        {lDreamweaver, {1, 2, 3, 5}},
        {lOffice, {1, 2, 3, 5}},
        {l3dsmax, {2, 3, 5}},
        {lPhotoshop, {2, 3, 5}},
        {osW98, {0, 1, 2, 3, 4, 5}},
    };
    for (const Row& row : rows) {
        for (int os = 0; os <= 5; ++os) {
            game.OsId = static_cast<std::uint8_t>(os);
            EXPECT_EQ(Installable(game, S(row.item)), row.systems.count(os) == 1)
                << S(row.item).caption << " under OsId " << os;
        }
    }
    // The other programs' hardware: Flash a better video card, Dreamweaver a better processor,
    // 3D Studio MAX the GeForce II.
    game.OsId = kWindowsXp;
    game.PartLevel[kVideo] = 1;
    EXPECT_FALSE(Installable(game, S(lFlash)));
    game.PartLevel[kVideo] = 3;
    EXPECT_TRUE(Installable(game, S(lFlash)));
    EXPECT_FALSE(Installable(game, S(l3dsmax)));
    game.PartLevel[kProcessor] = 1;
    EXPECT_FALSE(Installable(game, S(lDreamweaver)));
}

TEST_F(InstallationTest, TheCdPictureIsStricterThanTheInstallationForTwoPrograms) {
    struct Row {
        const char* name;
        SoftwareIndex item;
        int osId;
        bool picture;
        bool installs;
    };
    const Row rows[] = {
        {"C++ Builder under 2000: red CD, yet it installs", dvCB, kWindows2000, false, true},
        {"C++ Builder under XP", dvCB, kWindowsXp, true, true},
        {"Kaspersky under Linux: red CD, yet it installs", avKA, kLinux, false, true},
        {"Kaspersky under Longhorn", avKA, kLonghorn, true, true},
        {"Delphi: the same test for both", dvD7, kWindows2000, true, true},
        {"Delphi under Linux", dvD7, kLinux, false, false},
    };
    for (const Row& row : rows) {
        game.OsId = static_cast<std::uint8_t>(row.osId);
        EXPECT_EQ(PictureShowsInstallable(game, S(row.item)), row.picture) << row.name;
        EXPECT_EQ(Installable(game, S(row.item)), row.installs) << row.name;
    }
}

TEST_F(InstallationTest, AnInstallationTakesItsSpaceGivesExperienceAndWritesOnlyItsLabel) {
    game.DiskTotal = game.DiskFree = 1000;
    Installed(osW98);
    Installed(dvD7);
    EXPECT_EQ(game.DiskFree, 200);
    EXPECT_EQ(game.OsSize, 200);
    EXPECT_EQ(game.IdeSize, 600);
    EXPECT_EQ(game.Experience, 10);
    EXPECT_EQ(game.main.lOS, "Windows 98");
    EXPECT_EQ(game.main.lIDE, "Borland Delphi 7.0");
    // The experience shows at the day clock's next tick.
    EXPECT_EQ(game.main.lExpansion, "0");
    EXPECT_EQ(game.software.gFreeSpace, 20);

    // Visual Basic needs XP or Longhorn.
    EXPECT_FALSE(Installable(game, S(dvVB)));

    // Dr.Web takes its 5 MB on top of whatever, and is the antivirus's whole size.
    Installed(avDW);
    EXPECT_EQ(game.DiskFree, 195);
    EXPECT_EQ(game.AvSize, 5);
    EXPECT_EQ(game.AvId, 1);
    EXPECT_EQ(game.main.lAV, "Dr.Web 4.29");
}

TEST_F(InstallationTest, ReplacingNortonByKasperskyGivesBackTenMegabytes) {
    game.OsId = kWindowsXp;
    Installed(avNA);
    const int free = game.DiskFree;
    Installed(avKA);
    EXPECT_EQ(game.DiskFree, free + 10);
    EXPECT_EQ(game.AvSize, 10);
    EXPECT_EQ(game.main.lAV, "Kaspersky Antivirus 4.0");
}

TEST_F(InstallationTest, ARefusedClickChangesNothing) {
    const GameState before = game;
    Install(game, S(dvD7));  // no operating system
    EXPECT_TRUE(game == before);

    Installed(osW98);
    const GameState installed = game;
    Install(game, S(osW98));  // no longer on offer
    EXPECT_TRUE(game == installed);
}

// Which items each installation takes off the offer and which it offers again.
TEST_F(InstallationTest, EveryInstallationChangesTheOfferAsItsRowSays) {
    using Set = std::set<std::string>;
    struct Row {
        SoftwareIndex item;
        int osBefore;
        Set off;
        Set on;
    };
    const Row rows[] = {
        {osW98, 0, {"osW98"}, {}},
        {osW2K, 0, {"osW98", "osW2K"}, {}},
        {osWXP, 0, {"osW98", "osW2K", "osWXP"}, {"osL9", "osLH"}},
        {osL9, kWindowsXp, {"osW98", "osW2K", "osL9"}, {"osLH", "osWXP"}},
        {osL9, kLonghorn, {"osW98", "osW2K", "osL9", "osWXP"}, {"osLH"}},
        {osLH, kWindowsXp, {"osW98", "osW2K", "osWXP", "osLH"}, {"osL9"}},
        {dvD7, kWindowsXp, {"dvD7"}, {"dvCB", "dvVB", "dvKL"}},
        {dvCB, kWindowsXp, {"dvCB"}, {"dvD7", "dvVB", "dvKL"}},
        {dvKL, kLinux, {"dvKL"}, {"dvD7", "dvCB", "dvVB"}},
        {dvVB, kWindowsXp, {"dvVB"}, {"dvD7", "dvCB", "dvKL"}},
        {avDW, kWindowsXp, {"avDW"}, {}},
        {avNA, kWindowsXp, {"avDW", "avNA"}, {}},
        {avKA, kWindowsXp, {"avDW", "avNA", "avKA"}, {}},
        {lFlash, kWindowsXp, {"lFlash"}, {}},
        {lDreamweaver, kWindowsXp, {"lDreamweaver"}, {}},
        {lOffice, kWindowsXp, {"lOffice"}, {}},
        {l3dsmax, kWindowsXp, {"l3dsmax"}, {}},
        {lPhotoshop, kWindowsXp, {"lPhotoshop"}, {}},
    };
    Set every;
    for (const SoftwareItem& item : softwareCatalogue()) {
        every.insert(item.control);
    }
    for (const Row& row : rows) {
        const std::string name =
            std::string(S(row.item).caption) + " after OsId " + std::to_string(row.osBefore);
        // From a full offer, exactly the row's items go; from an empty one, exactly the
        // row's items come.
        for (bool fullOffer : {true, false}) {
            TestGame fresh;
            Game& g = fresh.game;
            NewGame(g);
            g.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
            g.DiskTotal = g.DiskFree = 10000;
            g.OsId = static_cast<std::uint8_t>(row.osBefore);
            g.software.itemEnabled.fill(fullOffer);
            g.software.itemEnabled[row.item] = true;
            Install(g, S(row.item));
            Set available;
            for (const SoftwareItem& item : softwareCatalogue()) {
                if (g.software.itemEnabled[item.index]) {
                    available.insert(item.control);
                }
            }
            Set expected;
            if (fullOffer) {
                for (const std::string& control : every) {
                    if (row.off.count(control) == 0) {
                        expected.insert(control);
                    }
                }
            } else {
                expected = row.on;
            }
            EXPECT_EQ(available, expected)
                << name << (fullOffer ? ", full offer" : ", empty offer");
        }
    }
}

TEST_F(InstallationTest, LinuxOverXpRemovesWhatDoesNotRunUnderIt) {
    Installed(osWXP);
    Installed(dvD7);
    Installed(avNA);
    Installed(lOffice);
    const int freeBefore = game.DiskFree;
    const int experienceBefore = game.Experience;

    Installed(osL9);
    EXPECT_EQ(game.Experience, experienceBefore + 30);
    EXPECT_EQ(game.IdeId, 0);
    EXPECT_EQ(game.AvId, 0);
    EXPECT_EQ(game.main.lIDE, "Нет");
    EXPECT_EQ(game.main.lAV, "Нет");
    EXPECT_EQ(game.main.lOS, "Linux Mandrake 9.0");
    EXPECT_FALSE(game.ExtraSoft[2]);
    EXPECT_EQ(game.DiskFree, freeBefore + 1200 - 2200 + 600 + 20 + 400);
    EXPECT_EQ(game.IdeSize, 0);
    EXPECT_EQ(game.AvSize, 0);
    const auto available = Available();
    for (const char* control :
         {"osWXP", "osLH", "dvD7", "dvCB", "dvVB", "avDW", "avNA", "lOffice"}) {
        EXPECT_EQ(available.count(control), 1u) << control;
    }
    EXPECT_EQ(available.count("osL9"), 0u);

    // A removed program's size no longer counts: Delphi costs its full 600 MB again.
    Installed(osWXP);
    const int free = game.DiskFree;
    Installed(dvD7);
    EXPECT_EQ(game.DiskFree, free - 600);
}

TEST_F(InstallationTest, LinuxKeepsKylixAndKasperskyAndXpKeepsThemToo) {
    Installed(osL9);
    Installed(dvKL);
    Installed(avKA);
    Installed(osWXP);
    Installed(osL9);
    EXPECT_EQ(game.IdeId, 3);
    EXPECT_EQ(game.AvId, 3);
    EXPECT_EQ(game.main.lIDE, "Borland Kylix 2.0");
    EXPECT_EQ(game.DiskFree, 10000 - 2200 - 800 - 10);
}

TEST_F(InstallationTest, LonghornKeepsOnlyVisualBasic) {
    Installed(osWXP);
    Installed(dvVB);
    Installed(avKA);
    Installed(lFlash);
    Installed(lPhotoshop);
    Installed(osLH);
    EXPECT_EQ(game.IdeId, 4);
    EXPECT_EQ(game.AvId, 0);
    EXPECT_FALSE(game.ExtraSoft[0]);
    EXPECT_FALSE(game.ExtraSoft[4]);
    EXPECT_EQ(game.DiskFree, 10000 - 3200 - 1500);
    const auto available = Available();
    for (const char* control :
         {"osL9", "dvD7", "dvCB", "dvKL", "avDW", "avNA", "avKA", "lFlash", "lPhotoshop"}) {
        EXPECT_EQ(available.count(control), 1u) << control;
    }
    EXPECT_EQ(available.count("dvVB"), 0u);

    // Delphi replaces nothing of Visual Basic's but its slot; under Longhorn, Delphi and the
    // rest install again.
    Installed(dvD7);
    Installed(lFlash);
    // Back to Linux from Longhorn, and Linux again: XP stays closed.
    Installed(osL9);
    EXPECT_EQ(Available().count("osWXP"), 0u);
    Installed(osLH);
    Installed(osL9);
    EXPECT_EQ(Available().count("osWXP"), 0u);
}

TEST_F(InstallationTest, LinuxWithNothingElseInstalledStillGivesItsExperience) {
    Installed(osL9);
    EXPECT_EQ(game.Experience, 30);
    EXPECT_EQ(game.DiskFree, 10000 - 2200);
}

TEST_F(InstallationTest, TheGaugeRoundsHalvesToTheEvenNeighbour) {
    struct Row {
        int free;
        int total;
        int percent;
    };
    const Row rows[] = {
        {89, 200, 44},  // 44.5
        {91, 200, 46},  // 45.5
        {1, 3, 33},        {2, 3, 67},
        {1000, 1000, 100}, {5, 0, 0},  // a disk of size 0, from a loaded game
    };
    for (const Row& row : rows) {
        game.DiskFree = row.free;
        game.DiskTotal = row.total;
        RefreshFreeSpace(game);
        EXPECT_EQ(game.software.gFreeSpace, row.percent) << row.free << " of " << row.total;
    }
}

}  // namespace
}  // namespace tessaro
