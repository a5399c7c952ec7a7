// The editor sheet's preview, driven through the real sheet: it shows what
// `tessel sim` shows on entering the same form and menu, follows every
// change of a control, and shows a form's sample record.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/popup_menu.h"
#include "sheet_window.h"
#include "simulator/ui/design_preview_pane.h"
#include "support/run_tessel.h"

namespace tessel::test {
namespace {

class SheetPreview : public SheetWindowTest {
protected:
    static ui::DesignPreviewPane& preview(QDialog& sheet) {
        auto* pane = sheet.findChild<ui::DesignPreviewPane*>("designPreview");
        EXPECT_NE(pane, nullptr);
        // Changes come in through the event loop.
        QCoreApplication::processEvents();
        return *pane;
    }

    // The rows `tessel sim` prints after `keys`, without their bars.
    QStringList simulated(const std::string& file, const char* keys) {
        const auto run = runTessel({"sim", file, "--keys", keys}, temp.path());
        EXPECT_EQ(run.status, 0) << run.err;
        QStringList rows;
        for (const auto& line : QString::fromStdString(run.out).split('\n')) {
            if (line.startsWith('|')) rows << line.mid(1, line.size() - 2);
        }
        return rows;
    }
};

TEST_F(SheetPreview, ShowsWhatTheSimulatorShowsOnEnteringTheFormAndMenu) {
    for (const int command : {kCommandNew4760, kCommandNewGroup}) {
        newProject(command);
        QStringList formRows;
        QStringList menuRows;
        QStringList rowsWhileTyping;
        whenModalOpens([&](QDialog& sheet) {
            SheetDriver d(sheet);
            d.page(0);
            d.choose("fieldType1", 1);
            d.type("fieldPrompt1", "It");
            rowsWhileTyping = preview(sheet).textRows();
            d.type("fieldPrompt1", "Item:");
            d.type("maxLength1", "8");
            d.choose("fieldType2", 9);  // a prompt line
            d.type("fieldPrompt2", "Scan the shelf");
            d.choose("fieldType3", 2);
            d.type("fieldPrompt3", "Qty:");
            formRows = preview(sheet).textRows();

            d.page(1);
            d.click("captionOn");
            d.type("caption", "Stock");
            d.type("itemName1", "Count");
            d.choose("itemTarget1", 1);
            d.type("itemName2", "Back");
            menuRows = preview(sheet).textRows();

            d.page(5);
            d.choose("programStart", 1);
            press(sheet, QDialogButtonBox::Ok);
        });
        window->runCommand(kCommandEdit);
        const auto file = (temp.path() / ("preview" + std::to_string(command) + ".TSX")).string();
        dialogs.answer(file);
        window->runCommand(kCommandSaveAs);

        EXPECT_EQ(rowsWhileTyping.first(), "It                  ") << command;
        EXPECT_EQ(formRows, simulated(file, "1 1")) << command;
        EXPECT_EQ(menuRows, simulated(file, "1")) << command;
        EXPECT_EQ(menuRows.first(), "Stock               ") << command;
    }
}

TEST_F(SheetPreview, OtherPagesShowTheStartScreenAndStartupGroupsTheirScreen) {
    newProject(kCommandNew4760);
    QStringList lookupRows;
    QStringList mainMenuRows;
    QStringList utilityRows;
    whenModalOpens([&](QDialog& sheet) {
        SheetDriver d(sheet);
        d.page(5);
        d.type("promptLine1", "1.Count stock");
        mainMenuRows = preview(sheet).textRows();
        d.choose("promptGroup", 1);
        utilityRows = preview(sheet).textRows();
        d.page(2);
        lookupRows = preview(sheet).textRows();
        messages.setAnswer(kAnswerDiscard);
        sheet.reject();
    });
    window->runCommand(kCommandEdit);
    EXPECT_EQ(mainMenuRows.first(), "1.Count stock       ");
    EXPECT_EQ(lookupRows, mainMenuRows);
    ASSERT_EQ(utilityRows.size(), 9);
    EXPECT_EQ(utilityRows[7].trimmed(), "8. Calculator");
    // Cancel dropped the edit: the preview never wrote into the definition.
    EXPECT_NE(window->project().definition.texts.block(2)[0][2], 'C');
}

TEST_F(SheetPreview, AFormShowsTheRecordItsSampleEntryOutputs) {
    newProject(kCommandNewGroup);
    QString record;
    bool menuHasRecord = true;
    whenModalOpens([&](QDialog& sheet) {
        SheetDriver d(sheet);
        d.page(5);  // one delimiter, ';'
        d.type("delimiterCode1", "59");
        d.page(0);
        d.choose("fieldType1", 1);
        d.type("fieldPrompt1", "Item:");
        d.choose("fieldType2", 2);
        d.type("fieldPrompt2", "Qty:");
        d.type("maxLength2", "3");
        record = preview(sheet).recordText();
        d.page(1);
        menuHasRecord = !preview(sheet).recordText().isEmpty();
        messages.setAnswer(kAnswerDiscard);
        sheet.reject();
    });
    window->runCommand(kCommandEdit);
    EXPECT_EQ(record.toStdString(), "TEXT;123");
    EXPECT_FALSE(menuHasRecord);
}

}  // namespace
}  // namespace tessel::test
