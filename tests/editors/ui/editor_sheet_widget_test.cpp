// The sheet's own duties, with pages that stand in for the real ones: load on
// first show, ask before applying, apply only what was loaded, and mark the
// project modified exactly when the definition changed.
#include <QTabWidget>
#include <QWidget>
#include <functional>

#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

class StubPage : public QWidget, public EditorPage {
public:
    std::function<void()> onAccept = [] {};
    bool refuses = false;
    int loads = 0;
    int accepts = 0;
    int discards = 0;

    void load() override { ++loads; }
    bool mayAccept() override { return !refuses; }
    void accept() override {
        ++accepts;
        onAccept();
    }
    void discard() override { ++discards; }
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
    sheet.show();
    press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.tabs()->currentIndex(), 2);
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

}  // namespace
}  // namespace tessel
