// A whole application designed through the editor sheet's controls: a titled
// menu of two items leading to two forms, a delimited lookup and changed
// settings. It saves, reopens with the same bytes, downloads, and runs in the
// command-line simulator as it was designed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "app/main_window.h"
#include "core/application_image.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "sheet_window.h"
#include "support/recording_desktop.h"
#include "support/run_tessel.h"
#include "support/scripted_dialogs.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

using test::SheetDriver;

void designStockTaking(QDialog& sheet) {
    SheetDriver d(sheet);
    d.page(0);  // Form: form 1 asks for an item, form 2 for a quantity
    d.choose("fieldType1", 1);
    d.type("fieldPrompt1", "Item:");
    d.choose("formName", 1);
    d.choose("fieldType1", 2);
    d.type("fieldPrompt1", "Qty:");

    d.page(1);  // Menu 1: "Stock" with two items
    d.click("captionOn");
    d.type("caption", "Stock");
    d.type("itemName1", "Receive");
    d.choose("itemTarget1", 1);
    d.type("itemName2", "Count");
    d.choose("itemTarget2", 2);

    d.page(2);  // Lookup 1: three columns of at most 10, 5 and 8 characters, comma-separated
    d.choose("columnCount", 3);
    d.click("delimiter");
    d.type("delimiterCode", "44");
    d.type("length1", "10");
    d.type("length2", "5");
    d.type("length3", "8");

    d.page(4);  // Settings
    d.choose("baudRate", 4);
    d.choose("keyClick", 0);

    d.page(5);  // Startup: the program starts at menu 1
    d.choose("programStart", 1);
    test::press(sheet, QDialogButtonBox::Ok);
}

class DesignedInTheSheet : public ::testing::Test {
protected:
    DesignedInTheSheet() {
        Preferences chosen;
        chosen.portIndex = 0;
        EXPECT_TRUE(writePreferences(temp.path() / "TESSEX.ini", chosen));
        window = std::make_unique<MainWindow>(
            WindowServices{messages,
                           dialogs,
                           desktop,
                           clock,
                           temp.path() / "TESSEX.ini",
                           {},
                           [this] {
                               return link::PortList{{terminal.devicePath(), terminal.devicePath()}};
                           },
                           link::makeQtSerialPort});
    }

    std::string simulate(const std::string& file, const char* keys) {
        const auto run = test::runTessel({"sim", file, "--keys", keys}, temp.path());
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    test::ServedTerminal terminal{link::PeerSettings{}};
    test::TempDir temp;
    CapturedMessages messages{kAnswerNo};
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(DesignedInTheSheet, SavesReopensDownloadsAndRunsAsDesigned) {
    test::whenModalOpens([](QDialog& sheet) { sheet.reject(); });
    window->runCommand(kCommandNewGroup);
    test::whenModalOpens(designStockTaking);
    window->runCommand(kCommandEdit);

    const Project& project = window->project();
    EXPECT_TRUE(project.modified);
    const LookupRecord& lookup = project.definition.lookups[0];
    EXPECT_EQ(lookup.delimiter, ',');
    EXPECT_EQ(lookup.recordLength, 25);
    EXPECT_EQ(std::vector<Byte>(lookup.columnOffset.begin(), lookup.columnOffset.begin() + 3),
              (std::vector<Byte>{1, 12, 18}));
    EXPECT_EQ(project.definition.settings.baudRate, 4);
    EXPECT_EQ(project.definition.settings.keyClick, 0);
    EXPECT_EQ(project.definition.settings.programStart, 1);

    const auto file = (temp.path() / "stock.TSX").string();
    dialogs.answer(file);
    window->runCommand(kCommandSaveAs);
    EXPECT_FALSE(project.modified);
    const auto saved = readFileBytes(file, 1 << 20);
    ASSERT_TRUE(saved);

    dialogs.answer(file);
    test::whenModalOpens([](QDialog& sheet) { sheet.reject(); });
    window->runCommand(kCommandOpen);
    const auto again = (temp.path() / "again.TSX").string();
    dialogs.answer(again);
    window->runCommand(kCommandSaveAs);
    EXPECT_EQ(readFileBytes(again, 1 << 20), saved);

    window->runCommand(kCommandDownloadApplication);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Downloaded completely!");
    const ApplicationImage* image = terminal.stopServing().image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, buildImage(window->project().definition, window->project().defaults));

    const auto menu = simulate(file, "1");
    EXPECT_NE(menu.find("|Stock               |\n|Receive             |\n|Count               |"), std::string::npos)
        << menu;
    const auto first = simulate(file, "1 1");
    EXPECT_NE(first.find("state=FormScreen"), std::string::npos) << first;
    EXPECT_NE(first.find("|Item:"), std::string::npos) << first;
    const auto second = simulate(file, "1 2");
    EXPECT_NE(second.find("|Qty:"), std::string::npos) << second;
}

// Any change made in the sheet asks the save question when the window closes.
TEST_F(DesignedInTheSheet, ClosingAfterAnEditAsksToSave) {
    test::whenModalOpens([](QDialog& sheet) {
        SheetDriver d(sheet);
        d.page(4);
        d.choose("vibrator", 2);
        test::press(sheet, QDialogButtonBox::Ok);
    });
    window->runCommand(kCommandEdit);
    messages.setAnswer(kAnswerCancel);
    window->close();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Save current program ?");
}

}  // namespace
}  // namespace tessel::ui
