// The Startup page as the user drives it: what each box shows for a project's
// texts, the two delimiter boxes following each other, Reset and Import, and
// OK through the editor sheet.
#include "simulator/ui/startup_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/messages.h"
#include "core/project_file.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/placeholder_page.h"
#include "simulator/startup_texts_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel {
namespace {

class StartupPageWidget : public ::testing::Test {
protected:
    StartupPageWidget() {
        for (int tab = 0; tab < 5; ++tab) sheet.addPage(new PlaceholderPage("Placeholder"));
        page = sheet.addPage(new StartupPage(project, test::builtinStrings(), messages, dialogs, texts));
    }
    void open() { sheet.tabs()->setCurrentIndex(5); }
    template <typename Widget>
    Widget* control(const std::string& name) {
        return test::child<Widget>(page, name.c_str());
    }
    QLineEdit* line(int n) { return control<QLineEdit>("promptLine" + std::to_string(n)); }
    QLabel* label(int n) { return control<QLabel>("defaultLine" + std::to_string(n)); }
    void retype(QLineEdit* edit, const char* text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    Project project = test::projectWithOwnTexts(kFamilyGroup, "");
    CapturedMessages messages;
    test::ScriptedFileDialogs dialogs;
    std::shared_ptr<WorkingTexts> texts = std::make_shared<WorkingTexts>();
    EditorSheet sheet{project, test::builtinStrings()};
    StartupPage* page = nullptr;
};

TEST_F(StartupPageWidget, ShowsTheProjectsStartDelimitersAndTexts) {
    project.definition.settings.programStart = 1;
    project.definition.settings.fieldDelimiter1 = ';';
    project.definition.settings.fieldDelimiter2 = 0;
    open();
    EXPECT_EQ(page->objectName(), "STARTUPDLG");
    EXPECT_EQ(control<QComboBox>("programStart")->currentText(), "menu 1");
    EXPECT_EQ(control<QComboBox>("delimiterCount")->currentText(), " 1 ");
    EXPECT_EQ(control<QLineEdit>("delimiterCode1")->text(), "59");
    EXPECT_EQ(control<QLineEdit>("delimiterText1")->text(), ";");
    EXPECT_TRUE(control<QLineEdit>("delimiterText1")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("delimiterCode2")->isEnabled());
    EXPECT_EQ(control<QComboBox>("promptGroup")->count(), 26);

    const struct {
        int group;
        std::vector<const char*> lines;  // the enabled lines; the rest are blank and disabled
    } groups[] = {
        {0, {"B2 L1", "B2 L2", "B2 L3"}},
        {6, {"B8 L2", "B8 L3", "B8 L4", "B8 L5", "B8 L6", "B8 L7", "S2", "B8 L8"}},
        {20, {"B22 L1", "B22 L2"}},
        {25, {"B27 L1", "B27 L2", "B27 L3", "S1", "S3", "S4", "S5"}},
    };
    for (const auto& g : groups) {
        control<QComboBox>("promptGroup")->setCurrentIndex(g.group);
        for (int n = 1; n <= 8; ++n) {
            SCOPED_TRACE("group " + std::to_string(g.group) + " line " + std::to_string(n));
            const bool used = n <= static_cast<int>(g.lines.size());
            EXPECT_EQ(line(n)->text().toStdString(), used ? g.lines[n - 1] : std::string(20, ' '));
            EXPECT_EQ(line(n)->isEnabled(), used);
            EXPECT_EQ(label(n)->isEnabled(), used);
        }
    }
    control<QComboBox>("promptGroup")->setCurrentIndex(1);
    EXPECT_EQ(label(7)->text(), "7. Memory & Power   ");
    EXPECT_EQ(line(1)->maxLength(), 20);
}

TEST_F(StartupPageWidget, TheDelimiterBoxesFollowEachOther) {
    open();
    control<QComboBox>("delimiterCount")->setCurrentIndex(2);
    ASSERT_TRUE(control<QLineEdit>("delimiterCode2")->isEnabled());
    retype(control<QLineEdit>("delimiterCode2"), "59");
    EXPECT_EQ(control<QLineEdit>("delimiterText2")->text(), ";");
    retype(control<QLineEdit>("delimiterText1"), "A");
    EXPECT_EQ(control<QLineEdit>("delimiterCode1")->text(), "65");
    retype(control<QLineEdit>("delimiterCode1"), "13");  // "1" is taken, "13" refused
    EXPECT_EQ(control<QLineEdit>("delimiterCode1")->text(), "1");
    EXPECT_EQ(control<QLineEdit>("delimiterText1")->text(), "\x01");
    EXPECT_EQ(messages.shown().size(), 1u);
    control<QComboBox>("delimiterCount")->setCurrentIndex(0);
    EXPECT_FALSE(control<QLineEdit>("delimiterCode1")->isEnabled());
}

TEST_F(StartupPageWidget, AnEditedLineThenOkReachesTheDefinitionAndMarksTheProject) {
    open();
    retype(line(1), "1. Count stock");
    test::press(sheet, QDialogButtonBox::Ok);
    EXPECT_EQ(cellText(project.definition.texts.block(2)[0]), "1. Count stock");
    EXPECT_TRUE(project.modified);
}

TEST_F(StartupPageWidget, ResetShowsTheDefaultsAndOkWritesThem) {
    open();
    control<QComboBox>("promptGroup")->setCurrentIndex(4);
    control<QPushButton>("resetStartup")->click();
    EXPECT_EQ(control<QComboBox>("promptGroup")->currentIndex(), 0);
    EXPECT_EQ(line(1)->text(), "1. Collect data     ");
    EXPECT_EQ(control<QLineEdit>("delimiterText1")->text(), ",");
    EXPECT_EQ(control<QComboBox>("delimiterCount")->currentText(), " 1 ");
    test::press(sheet, QDialogButtonBox::Ok);
    EXPECT_EQ(cellText(project.definition.texts.block(2)[0]), "1. Collect data     ");
    EXPECT_TRUE(project.modified);
}

TEST_F(StartupPageWidget, ImportShowsTheOtherProjectsTextsAndOkKeepsThem) {
    test::TempDir dir;
    Project other = test::projectWithOwnTexts(kFamilyGroup, "x");
    const auto path = (dir.path() / "other.TSX").string();
    ASSERT_EQ(writeProject(other, path, nullptr), 1);
    dialogs.answer(path);
    open();
    control<QComboBox>("promptGroup")->setCurrentIndex(9);
    control<QPushButton>("importPrompts")->click();
    EXPECT_EQ(control<QComboBox>("promptGroup")->currentIndex(), 0);
    EXPECT_EQ(line(1)->text(), "B2 L1x");
    test::press(sheet, QDialogButtonBox::Ok);
    EXPECT_EQ(cellText(project.definition.texts.block(25)[5]), "B25 L6x");
    EXPECT_EQ(cellText(project.definition.settings.textLines[4]), "S5x");
    EXPECT_TRUE(project.modified);
}

TEST_F(StartupPageWidget, CancelDropsTheEdits) {
    open();
    retype(line(2), "changed");
    control<QPushButton>("resetStartup")->click();
    test::press(sheet, QDialogButtonBox::Cancel);
    EXPECT_EQ(cellText(project.definition.texts.block(2)[0]), "B2 L1");
    EXPECT_FALSE(project.modified);
}

}  // namespace
}  // namespace tessel
