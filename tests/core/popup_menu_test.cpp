#include "core/popup_menu.h"

#include <gtest/gtest.h>

#include "core/strings.h"

namespace tessel {
namespace {

std::vector<int> commandsOf(const std::vector<MenuEntry>& entries) {
    std::vector<int> commands;
    for (const auto& entry : entries) commands.push_back(entry.separator ? -1 : entry.command);
    return commands;
}

TEST(PopupMenu, EntriesInPositionOrder) {
    const auto entries = popupMenuEntries(Strings(), {});
    EXPECT_EQ(commandsOf(entries), (std::vector<int>{0, 1020, 1030, 1040, -1, 2000, 2100, 5120, -1, 3020, 3040, 3030,
                                                     -1, 0, 5143, 5144, -1, 9030, 1090}));
    EXPECT_EQ(entries[0].text, "&New\tCtrl+N");
    EXPECT_EQ(commandsOf(entries[0].submenu), (std::vector<int>{1010, 40006}));
    EXPECT_EQ(entries[7].text, "Check &Design\tCtrl+K");
    EXPECT_EQ(commandsOf(entries[13].submenu), (std::vector<int>{5140, 5141, 5142}));
    EXPECT_EQ(entries[17].text, "A&bout...\tF1");
}

TEST(PopupMenu, RecentFilesComeBeforeAboutWithASeparator) {
    const auto entries = popupMenuEntries(Strings(), {"/a.TSX", "/b.TSX"});
    EXPECT_EQ(commandsOf(entries), (std::vector<int>{0,    1020, 1030, 1040, -1,   2000, 2100, 5120, -1, 3020, 3040,
                                                     3030, -1,   0,    5143, 5144, -1,   3300, 3301, -1, 9030, 1090}));
    EXPECT_EQ(entries[17].text, "&1:  /a.TSX");
    EXPECT_EQ(entries[18].text, "&2:  /b.TSX");
}

TEST(PopupMenu, LongPathsAreShortened) {
    const std::string path40 = "/home/warehouse/projects/stock/count.TSX";
    ASSERT_EQ(path40.size(), 40u);
    EXPECT_EQ(recentFileLabel(0, path40), "&1:  " + path40);
    const std::string path41 = "/home/warehouse/projects/stock/counts.TSX";
    EXPECT_EQ(recentFileLabel(3, path41), "&4:  /home/warehouse...jects/stock/counts.TSX");
}

TEST(PopupMenu, ALanguageReplacesTheCommandEntries) {
    Strings strings;
    for (int slot = 20; slot <= 30; ++slot) strings.language().store(slot, "slot" + std::to_string(slot));
    strings.language().setActive(true);
    const auto entries = popupMenuEntries(strings, {});
    EXPECT_EQ(entries[0].text, "slot20");
    EXPECT_EQ(entries[0].command, kCommandNew4760);
    EXPECT_TRUE(entries[0].submenu.empty());
    // Check Design has no slot of its own and keeps its built-in text.
    EXPECT_EQ(entries[7].command, kCommandCheckDesign);
    EXPECT_EQ(entries[9].text, "slot26");
    EXPECT_EQ(entries[9].command, kCommandDownloadApplication);
    EXPECT_EQ(entries[18].text, "slot30");
    EXPECT_EQ(entries[18].command, kCommandExit);
}

}  // namespace
}  // namespace tessel
