// The sheet's own duties, with pages that stand in for the real ones: load on
// first show, ask before applying, apply only what was loaded, mark the
// project modified exactly when the definition changed, keep those changes as
// steps, and ask before dropping changes.
#include <QCloseEvent>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <functional>

#include "core/messages.h"
#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

class StubPage : public QWidget, public EditorPage {
public:
    std::function<void()> onAccept = [] {};
    std::function<void()> onExplain = [] {};
    bool refuses = false;
    bool changed = false;
    int loads = 0;
    int accepts = 0;
    int discards = 0;

    void load() override { ++loads; }
    bool mayAccept() const override { return !refuses; }
    void explainRefusal() override { onExplain(); }
    void accept() override {
        ++accepts;
        onAccept();
    }
    void discard() override { ++discards; }
    bool hasChanges() const override { return changed; }
    // As a page's dialog that stores its setting at once.
    void writeAtOnce(Project& project, const std::string& change) {
        project.definition.settings.btPrintMode = static_cast<Byte>(project.definition.settings.btPrintMode + 1);
        wroteAtOnce(change);
    }
};

class EditorSheetFramework : public ::testing::Test {
protected:
    EditorSheetFramework() {
        for (auto*& page : pages) page = sheet.addPage(new StubPage);
    }

    void press(QDialogButtonBox::StandardButton which) { test::press(sheet, which); }

    Project project = test::newProject(kFamily4760);
    EditorSheet sheet{project, test::builtinStrings()};
    std::array<StubPage*, 6> pages{};
};

TEST_F(EditorSheetFramework, PagesTakeTheTabTitlesInOrderAndLoadWhenFirstShown) {
    const char* titles[] = {"Form", "Menu", "Lookup", "Barcode", "Settings", "Startup"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(sheet.tabs()->tabText(i), titles[i]);
    EXPECT_EQ(pages[0]->loads, 1);
    EXPECT_EQ(pages[4]->loads, 0);
    sheet.tabs()->setCurrentIndex(4);
    sheet.tabs()->setCurrentIndex(0);
    sheet.tabs()->setCurrentIndex(4);
    EXPECT_EQ(pages[4]->loads, 1);
}

TEST_F(EditorSheetFramework, OkAppliesOnlyTheLoadedPages) {
    sheet.tabs()->setCurrentIndex(2);
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pages[i]->accepts, i == 0 || i == 2 ? 1 : 0) << i;
}

TEST_F(EditorSheetFramework, ARefusingPageKeepsTheSheetOpenOnItAndNothingIsApplied) {
    sheet.tabs()->setCurrentIndex(2);
    sheet.tabs()->setCurrentIndex(0);
    pages[2]->refuses = true;
    int tabWhenExplained = -1;
    pages[2]->onExplain = [&] { tabWhenExplained = sheet.tabs()->currentIndex(); };
    sheet.show();
    press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.tabs()->currentIndex(), 2);
    EXPECT_EQ(tabWhenExplained, 2);  // on top before it says why
    EXPECT_EQ(pages[0]->accepts, 0);
    EXPECT_EQ(pages[2]->accepts, 0);
}

TEST_F(EditorSheetFramework, ModifiedExactlyWhenTheDefinitionChanged) {
    struct Case {
        const char* what;
        bool changeOnAccept;
        bool writeAtOnce;  // as a dialog that stores its setting immediately
        QDialogButtonBox::StandardButton button;
        bool modified;
    };
    const Case cases[] = {
        {"OK without a change", false, false, QDialogButtonBox::Ok, false},
        {"OK with a change", true, false, QDialogButtonBox::Ok, true},
        {"Cancel without a change", false, false, QDialogButtonBox::Cancel, false},
        {"Cancel after a direct write", false, true, QDialogButtonBox::Cancel, true},
    };
    for (const auto& c : cases) {
        Project own = test::newProject(kFamily4760);
        EditorSheet one(own, test::builtinStrings());
        auto* page = one.addPage(new StubPage);
        if (c.changeOnAccept) page->onAccept = [&own] { own.definition.menus[3].captionOn = 1; };
        if (c.writeAtOnce) own.definition.settings.btPrintMode = 2;
        test::press(one, c.button);
        EXPECT_EQ(own.modified, c.modified) << c.what;
    }
}

TEST_F(EditorSheetFramework, ChangesBecomeStepsInTheOrderTheyReachedTheDefinition) {
    pages[0]->onAccept = [this] { project.definition.menus[3].captionOn = 1; };
    const Definition found = project.definition;
    pages[0]->writeAtOnce(project, "Reader Type");
    pages[0]->writeAtOnce(project, "Reset to Default");
    press(QDialogButtonBox::Ok);
    const auto& steps = sheet.steps();
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].name, "Reader Type");
    EXPECT_TRUE(sameBytes(steps[0].before, found));
    EXPECT_EQ(steps[1].name, "Reset to Default");
    EXPECT_TRUE(sameBytes(steps[1].before, steps[0].after));
    EXPECT_EQ(steps[2].name, "Edit");
    EXPECT_TRUE(sameBytes(steps[2].before, steps[1].after));
    EXPECT_TRUE(sameBytes(steps[2].after, project.definition));
}

TEST_F(EditorSheetFramework, AnOkThatChangesNothingIsNoStep) {
    press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet.steps().empty());
    EXPECT_FALSE(project.modified);
}

// Cancel, Esc and the window's close button drop the pages' working copies
// only after the user agreed; keep editing is the safe answer.
class DiscardQuestion : public EditorSheetFramework {
protected:
    DiscardQuestion() {
        sheet.askBeforeDiscarding(messages);
        sheet.show();
    }
    void closeBy(const std::string& how) {
        if (how == "Cancel") {
            press(QDialogButtonBox::Cancel);
        } else if (how == "Esc") {
            QTest::keyClick(&sheet, Qt::Key_Escape);
        } else {
            QCloseEvent event;
            QApplication::sendEvent(&sheet, &event);
        }
    }

    CapturedMessages messages{kAnswerCancel};
};

TEST_F(DiscardQuestion, WithoutAChangeTheSheetClosesAtOnce) {
    for (const std::string how : {"Cancel", "Esc", "close"}) {
        sheet.show();
        closeBy(how);
        EXPECT_FALSE(sheet.isVisible()) << how;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DiscardQuestion, KeepEditingLeavesTheSheetOpenAndDiscardDropsTheCopies) {
    for (const std::string how : {"Cancel", "Esc", "close"}) {
        messages = CapturedMessages{kAnswerCancel};
        pages[0]->changed = true;
        pages[0]->discards = 0;
        sheet.show();
        closeBy(how);
        EXPECT_TRUE(sheet.isVisible()) << how;
        EXPECT_EQ(pages[0]->discards, 0) << how;
        ASSERT_EQ(messages.shown().size(), 1u) << how;
        EXPECT_EQ(messages.shown()[0].style.buttons, MessageButtons::DiscardKeepEditing);
        EXPECT_EQ(messages.shown()[0].text, "Discard the changes made in the editor?");

        messages.setAnswer(kAnswerDiscard);
        closeBy(how);
        EXPECT_FALSE(sheet.isVisible()) << how;
        EXPECT_EQ(pages[0]->discards, 1) << how;
    }
}

TEST_F(DiscardQuestion, AWriteMadeAtOnceIsAskedAboutAndStays) {
    pages[0]->writeAtOnce(project, "Print Mode");
    const Definition written = project.definition;
    messages.setAnswer(kAnswerDiscard);
    closeBy("Esc");
    EXPECT_FALSE(sheet.isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.shown()[0].text.find("stays and can be undone"), std::string::npos);
    EXPECT_TRUE(sameBytes(project.definition, written));
    ASSERT_EQ(sheet.steps().size(), 1u);
    EXPECT_EQ(sheet.steps()[0].name, "Print Mode");
    EXPECT_TRUE(project.modified);
}

// Esc in an open drop-down list closes the list, not the sheet.
TEST_F(DiscardQuestion, EscInAnOpenListClosesOnlyTheList) {
    pages[0]->changed = true;
    auto* list = new QComboBox(pages[0]);
    list->addItems({"one", "two"});
    list->show();
    list->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace tessel
