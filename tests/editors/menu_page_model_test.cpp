#include "editors/menu_page_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/application_image.h"
#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

// A Menu page opened on a new project of the group family.
class MenuPage : public ::testing::Test {
protected:
    void SetUp() override { page.load(project.definition); }

    Project project = test::newProject(kFamilyGroup);
    MenuPageModel page;
};

TEST_F(MenuPage, NameListNamesTheTenMenus) {
    const ListEntries names = MenuPageModel::menuNameEntries(test::builtinStrings());
    ASSERT_EQ(names.size(), kMenuCount);
    EXPECT_EQ(names.front(), "menu  1");
    EXPECT_EQ(names.back(), "menu  10");
}

TEST_F(MenuPage, OpensOnMenuOneWithTheDefinitionsFlag) {
    project.definition.menus[0].captionOn = 1;
    setCellText(project.definition.menus[4].itemName[2], "Count");
    project.definition.settings.separateDataFiles = 1;
    page.selectMenu(3);
    page.load(project.definition);
    EXPECT_EQ(page.currentMenu(), 0u);
    EXPECT_EQ(page.menu().captionOn, 1);
    EXPECT_TRUE(page.separateDataFiles());
    page.selectMenu(4);
    EXPECT_EQ(page.itemName(2), "Count");
}

// The pass-down box follows the save boxes and the separate-files flag.
TEST_F(MenuPage, PassDownRule) {
    struct Case {
        bool separate, saveCaption, saveItem, passDownBefore;
        Byte passDown;
        bool enabled;
    };
    const Case cases[] = {
        {true, true, false, false, 1, false},  {true, false, true, false, 1, false},
        {true, true, true, false, 1, false},   {true, false, false, true, 0, false},
        {false, true, false, true, 1, true},   {false, false, true, false, 0, true},
        {false, false, false, true, 0, false}, {false, false, false, false, 0, false},
    };
    for (const Case& c : cases) {
        MenuRecord& stored = project.definition.menus[2];
        stored.saveCaption = c.saveCaption;
        stored.saveSelectedItem = c.saveItem;
        stored.menuPassDown = c.passDownBefore;
        project.definition.settings.separateDataFiles = c.separate;
        page.load(project.definition);
        page.selectMenu(2);
        SCOPED_TRACE(testing::Message() << c.separate << c.saveCaption << c.saveItem << c.passDownBefore);
        EXPECT_EQ(page.menu().menuPassDown, c.passDown);
        EXPECT_EQ(page.passDownEnabled(), c.enabled);
    }
}

TEST_F(MenuPage, EveryTriggerAppliesThePassDownRule) {
    page.setSeparateDataFiles(true);
    page.setSaveCaption(true);
    EXPECT_EQ(page.menu().menuPassDown, 1);
    page.setSaveCaption(false);
    EXPECT_EQ(page.menu().menuPassDown, 0);
    page.setSaveSelectedItem(true);
    EXPECT_EQ(page.menu().menuPassDown, 1);

    page.setSeparateDataFiles(false);
    EXPECT_TRUE(page.passDownEnabled());
    page.setPassDown(false);
    page.setSaveSelectedItem(false);
    EXPECT_FALSE(page.passDownEnabled());
    EXPECT_EQ(page.menu().menuPassDown, 0);
}

TEST_F(MenuPage, TextsAreCutToTwentyCharacters) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"Twenty-five characters !!", "Twenty-five characte"},
        {"Stock", "Stock"},
        {"", ""},
        {"Двадцать пять символов ещё", "Двадцать пять символ"},
        {"Price \xF0\x9F\x98\x80", "Price ?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(page.setCaption(c.typed), c.shown);
        EXPECT_EQ(page.caption(), c.shown);
        EXPECT_EQ(page.setItemName(9, c.typed), c.shown);
        EXPECT_EQ(page.itemName(9), c.shown);
        EXPECT_LE(cellText(page.menu().itemName[9]).size(), kLineChars);
    }
}

TEST_F(MenuPage, AnotherMenuShowsItsOwnItems) {
    for (std::size_t item = 0; item < kItemsPerMenu; ++item) page.setItemName(item, "Item");
    page.setEscTarget(13);
    page.selectMenu(1);
    for (std::size_t item = 0; item < kItemsPerMenu; ++item) EXPECT_EQ(page.itemName(item), "");
    EXPECT_EQ(page.menu().menuEscTarget, 0);
    page.selectMenu(0);
    EXPECT_EQ(page.itemName(9), "Item");
    EXPECT_EQ(page.menu().menuEscTarget, 13);
}

TEST_F(MenuPage, ResetEmptiesEveryMenuAndShowsMenuOne) {
    project.definition.settings.separateDataFiles = 1;
    for (MenuRecord& menu : project.definition.menus) recordBytes(menu)[100] = 0x55;
    page.load(project.definition);
    page.selectMenu(7);
    page.reset();
    EXPECT_EQ(page.currentMenu(), 0u);
    EXPECT_FALSE(page.separateDataFiles());
    const MenuTable empty{};
    EXPECT_EQ(std::memcmp(&page.workingCopy(), &empty, sizeof empty), 0);
}

TEST_F(MenuPage, AcceptStoresTheMenusAndOnlyTheFlag) {
    page.selectMenu(5);
    page.setCaptionOn(true);
    page.setCaption("Receiving");
    page.setItemTarget(0, 3);
    page.setSeparateDataFiles(true);
    // Another page has meanwhile stored its settings.
    project.definition.settings.baudRate = 3;
    project.definition.settings.programStart = 1;
    page.accept(project.definition);

    EXPECT_EQ(std::memcmp(&project.definition.menus, &page.workingCopy(), sizeof(MenuTable)), 0);
    EXPECT_EQ(project.definition.settings.separateDataFiles, 1);
    EXPECT_EQ(project.definition.settings.baudRate, 3);
    EXPECT_EQ(project.definition.settings.programStart, 1);
}

// Items in use are counted when the image is built: names that are empty or
// hold only blanks and control characters do not count, gaps are allowed.
TEST_F(MenuPage, ItemCountOfTheImageFollowsTheNames) {
    page.setItemName(0, "Receive");
    page.setItemName(2, "Count");
    page.setItemName(4, " \t\x01 ");
    page.setItemName(6, "!");
    page.setItemName(9, "Двадцать");
    page.accept(project.definition);
    prepareForDownload(project.definition);
    EXPECT_EQ(project.definition.menus[0].itemCount, 4);
    EXPECT_EQ(project.definition.menus[1].itemCount, 0);
}

}  // namespace
}  // namespace tessel
