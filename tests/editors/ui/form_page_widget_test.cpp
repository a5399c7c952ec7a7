#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <vector>

#include "core/messages.h"
#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/form_page.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

class EditorSheetTest : public ::testing::Test {
protected:
    template <typename Widget>
    Widget* control(const char* name) {
        return test::child<Widget>(&sheet, name);
    }

    Project project = test::newProject(kFamilyGroup);
    CapturedMessages messages;
    std::vector<int> keysSent;
    EditorSheet sheet{project, test::builtinStrings()};
    FormPage* formPage = sheet.addPage(
        new FormPage(project, test::builtinStrings(), messages, [this](int key) { keysSent.push_back(key); }));
};

TEST_F(EditorSheetTest, CaptionAndFirstTab) {
    EXPECT_EQ(sheet.windowTitle(), "Tessel Studio - [ New file ]");
    ASSERT_EQ(sheet.tabs()->count(), 1);
    EXPECT_EQ(sheet.tabs()->tabText(0), "Form");
}

TEST_F(EditorSheetTest, TypeChangeEnablesTheRowPerType) {
    auto* type = control<QComboBox>("fieldType1");
    auto* prompt = control<QLineEdit>("fieldPrompt1");
    auto* source = control<QComboBox>("inputSource1");
    auto* maxLength = control<QLineEdit>("maxLength1");
    auto* link = control<QComboBox>("fieldLink1");
    auto* more = control<QPushButton>("more1");
    EXPECT_FALSE(prompt->isEnabled());
    EXPECT_FALSE(more->isEnabled());

    type->setCurrentIndex(1);  // text
    for (QWidget* w : std::initializer_list<QWidget*>{prompt, source, maxLength, link, more}) {
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    EXPECT_EQ(link->count(), 25);

    type->setCurrentIndex(13);  // pause
    EXPECT_TRUE(prompt->isEnabled());
    EXPECT_TRUE(source->isEnabled());
    EXPECT_EQ(source->currentIndex(), 1);
    EXPECT_FALSE(maxLength->isEnabled());

    type->setCurrentIndex(0);
    EXPECT_FALSE(prompt->isEnabled());
    EXPECT_FALSE(source->isEnabled());
}

TEST_F(EditorSheetTest, TypedValuesAreCorrectedInTheEdits) {
    control<QComboBox>("fieldType2")->setCurrentIndex(1);
    auto* maxLength = control<QLineEdit>("maxLength2");
    maxLength->clear();
    QTest::keyClicks(maxLength, "200");
    EXPECT_EQ(maxLength->text(), "160");
    auto* prompt = control<QLineEdit>("fieldPrompt2");
    QTest::keyClicks(prompt, "Twenty-one characters");
    EXPECT_EQ(prompt->text(), "Twenty-one character");
}

TEST_F(EditorSheetTest, LookupChoiceRelabelsTheLinkColumn) {
    auto* heading = control<QLabel>("linkHeading");
    EXPECT_EQ(heading->text(), "Variables");
    control<QComboBox>("fieldType1")->setCurrentIndex(7);  // lookup
    EXPECT_FALSE(control<QComboBox>("fieldLink1")->isEnabled());
    control<QComboBox>("formLookup")->setCurrentIndex(2);
    EXPECT_EQ(heading->text(), "Lookup");
    EXPECT_TRUE(control<QComboBox>("fieldLink1")->isEnabled());
    EXPECT_EQ(control<QComboBox>("fieldLink1")->count(), 9);
}

TEST_F(EditorSheetTest, OkAppliesTheFormsAndNudgesTheSimulator) {
    control<QComboBox>("formName")->setCurrentIndex(2);
    control<QComboBox>("fieldType1")->setCurrentIndex(2);
    control<QComboBox>("escTarget")->setCurrentIndex(11);
    sheet.findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(project.definition.forms[2].fieldType[0], 2);
    EXPECT_EQ(project.definition.forms[2].escTarget, 11);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(keysSent, std::vector<int>{51});
}

TEST_F(EditorSheetTest, CancelDropsTheWorkingCopy) {
    const FormTable before = project.definition.forms;
    control<QComboBox>("fieldType1")->setCurrentIndex(2);
    sheet.findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(std::memcmp(&project.definition.forms, &before, sizeof before), 0);
    EXPECT_FALSE(project.modified);
    EXPECT_TRUE(keysSent.empty());
}

}  // namespace
}  // namespace tessel
