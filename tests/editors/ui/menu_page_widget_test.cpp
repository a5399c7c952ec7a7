#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/project.h"
#include "core/text_encoding.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/menu_page.h"
#include "editors/ui/placeholder_page.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

// Menu 3 with a caption, three items and its data boxes set.
void designMenu(MenuRecord& menu) {
    menu.captionOn = 1;
    setCellText(menu.caption, "Twenty chars caption");
    menu.menuEscTarget = 12;
    setCellText(menu.itemName[0], "Receive");
    setCellText(menu.itemName[2], "Count \xC4\xE0");  // Cyrillic in Windows-1251
    setCellText(menu.itemName[9], "Last");
    menu.itemTarget = {1, 0, 2, 0, 0, 0, 0, 0, 0, 20};
    menu.saveCaption = 1;
    menu.menuPassDown = 1;
}

class MenuPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        designMenu(project.definition.menus[2]);
        sheet.addPage(new PlaceholderPage("Form"));
        sheet.addPage(new MenuPage(project, test::builtinStrings()));
        sheet.tabs()->setCurrentIndex(1);
    }

    template <typename Widget>
    Widget* control(const char* name) {
        return test::child<Widget>(&sheet, name);
    }
    template <typename Widget>
    Widget* control(const std::string& name) {
        return control<Widget>(name.c_str());
    }
    void pressOk() { sheet.findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Ok)->click(); }

    // Every control of the page against the menu it shows.
    void expectShows(const MenuRecord& menu, std::size_t index) {
        EXPECT_EQ(control<QComboBox>("menuName")->currentIndex(), static_cast<int>(index));
        EXPECT_EQ(control<QComboBox>("escTarget")->currentIndex(), menu.menuEscTarget);
        EXPECT_EQ(control<QCheckBox>("captionOn")->isChecked(), menu.captionOn != 0);
        EXPECT_EQ(control<QLineEdit>("caption")->isEnabled(), menu.captionOn != 0);
        EXPECT_EQ(control<QLineEdit>("caption")->text(),
                  QString::fromUtf8(cp1251ToUtf8(cellText(menu.caption)).c_str()));
        EXPECT_EQ(control<QCheckBox>("saveCaption")->isChecked(), menu.saveCaption != 0);
        EXPECT_EQ(control<QCheckBox>("saveSelectedItem")->isChecked(), menu.saveSelectedItem != 0);
        EXPECT_EQ(control<QCheckBox>("passDown")->isChecked(), menu.menuPassDown != 0);
        for (std::size_t item = 0; item < kItemsPerMenu; ++item) {
            const std::string n = std::to_string(item + 1);
            EXPECT_EQ(control<QLineEdit>("itemName" + n)->text(),
                      QString::fromUtf8(cp1251ToUtf8(cellText(menu.itemName[item])).c_str()))
                << n;
            EXPECT_EQ(control<QComboBox>("itemTarget" + n)->currentIndex(), menu.itemTarget[item]) << n;
        }
    }

    Project project = test::newProject(kFamilyGroup);
    EditorSheet sheet{project, test::builtinStrings()};
};

TEST_F(MenuPageTest, BoxesShowTheRecords) {
    auto* page = sheet.findChild<QWidget*>("MENUDLG");
    ASSERT_NE(page, nullptr);
    expectShows(project.definition.menus[0], 0);
    EXPECT_FALSE(control<QCheckBox>("separateDataFiles")->isChecked());
    EXPECT_EQ(control<QComboBox>("escTarget")->count(), 21);
    control<QComboBox>("menuName")->setCurrentIndex(2);
    expectShows(project.definition.menus[2], 2);
    EXPECT_EQ(control<QComboBox>("itemTarget10")->currentText(), "menu  10");
    EXPECT_TRUE(control<QCheckBox>("passDown")->isEnabled());
    // From a menu with items to an empty one: every row empty.
    control<QComboBox>("menuName")->setCurrentIndex(3);
    expectShows(project.definition.menus[3], 3);
}

TEST_F(MenuPageTest, SeparateFilesDrivePassDown) {
    auto* saveCaption = control<QCheckBox>("saveCaption");
    auto* passDown = control<QCheckBox>("passDown");
    EXPECT_FALSE(passDown->isEnabled());
    control<QCheckBox>("separateDataFiles")->click();
    saveCaption->click();
    EXPECT_TRUE(passDown->isChecked());
    EXPECT_FALSE(passDown->isEnabled());
    control<QCheckBox>("separateDataFiles")->click();
    EXPECT_TRUE(passDown->isEnabled());
    saveCaption->click();
    EXPECT_FALSE(passDown->isChecked());
    EXPECT_FALSE(passDown->isEnabled());
}

TEST_F(MenuPageTest, CaptionBoxEnablesTheCaptionAndTextsAreCut) {
    auto* caption = control<QLineEdit>("caption");
    EXPECT_FALSE(caption->isEnabled());
    control<QCheckBox>("captionOn")->click();
    EXPECT_TRUE(caption->isEnabled());
    QTest::keyClicks(caption, "Menu of the stock room");
    EXPECT_EQ(caption->text(), "Menu of the stock ro");
    QTest::keyClicks(control<QLineEdit>("itemName4"), "Twenty-five characters !!");
    EXPECT_EQ(control<QLineEdit>("itemName4")->text(), "Twenty-five characte");
}

TEST_F(MenuPageTest, OkStoresTheMenusAndTheFlag) {
    control<QComboBox>("menuName")->setCurrentIndex(1);
    control<QCheckBox>("captionOn")->click();
    QTest::keyClicks(control<QLineEdit>("caption"), "Stock");
    QTest::keyClicks(control<QLineEdit>("itemName1"), "Receive");
    control<QComboBox>("itemTarget1")->setCurrentIndex(2);
    control<QComboBox>("escTarget")->setCurrentIndex(11);
    control<QCheckBox>("separateDataFiles")->click();
    pressOk();
    const MenuRecord& menu = project.definition.menus[1];
    EXPECT_EQ(menu.captionOn, 1);
    EXPECT_EQ(cellText(menu.caption), "Stock");
    EXPECT_EQ(cellText(menu.itemName[0]), "Receive");
    EXPECT_EQ(menu.itemTarget[0], 2);
    EXPECT_EQ(menu.menuEscTarget, 11);
    EXPECT_EQ(project.definition.settings.separateDataFiles, 1);
    EXPECT_TRUE(project.modified);
}

TEST_F(MenuPageTest, ResetEmptiesTheMenus) {
    control<QComboBox>("menuName")->setCurrentIndex(2);
    control<QCheckBox>("separateDataFiles")->click();
    control<QPushButton>("resetButton")->click();
    expectShows(MenuRecord{}, 0);
    EXPECT_FALSE(control<QCheckBox>("separateDataFiles")->isChecked());
    pressOk();
    EXPECT_EQ(project.definition.menus[2].captionOn, 0);
    EXPECT_EQ(project.definition.settings.separateDataFiles, 0);
}

}  // namespace
}  // namespace tessel
