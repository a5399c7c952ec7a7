// The desktop's commands for the simulated terminal's data: loading lookup
// data into a lookup from the popup menu, what New clears, and the window of
// the collected records with Save As and Clear.
#include <gtest/gtest.h>

#include <QListWidget>

#include "app/main_window.h"
#include "app/records_window.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "support/modal_closer.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace tessel::ui {
namespace {

class SimulatorData : public ::testing::Test {
protected:
    SimulatorData()
        : window(WindowServices{messages, dialogs, desktop, clock, temp.path() / "TESSEX.ini", {},
                                [] { return link::PortList{}; }, {}}) {
        LookupRecord& items = window.project().definition.lookups[0];
        items.columnCount = 2;
        items.columnLength = {4, 10, 0, 0, 0, 0, 0, 0};
        items.recordLength = 15;
        items.delimiter = ',';
    }

    std::string file(const std::string& name, const std::string& content) {
        const auto path = temp.path() / name;
        EXPECT_EQ(writeFileAtomically(path, content), WriteResult::Written);
        return path.string();
    }
    std::string lastMessage() const { return messages.shown().empty() ? "" : messages.shown().back().text; }
    sim::TerminalData& data() { return window.simulator().terminalData(); }

    test::TempDir temp;
    CapturedMessages messages;
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    test::ModalCloser closer;
    MainWindow window;
};

TEST_F(SimulatorData, LoadLookupDataSaysWhatWasLoadedAndNewClearsIt) {
    dialogs.answer(file("items.txt", "A1,Widget\r\nB2,Bolt\r\n"));
    window.runCommand(kCommandLoadLookupData1);
    EXPECT_EQ(lastMessage(), "Lookup 1: 2 records loaded.");
    ASSERT_NE(data().lookup(1), nullptr);
    EXPECT_EQ(data().lookup(1)->find("B2"), 1u);

    window.runCommand(kCommandClearLookupData);
    EXPECT_EQ(data().lookup(1), nullptr);

    dialogs.answer(file("items.txt", "A1,Widget\r\n"));
    window.runCommand(kCommandLoadLookupData1);
    window.runCommand(kCommandNewGroup);
    EXPECT_EQ(data().lookup(1), nullptr);
}

TEST_F(SimulatorData, DataThatCannotBeLoadedLeavesWhatWasLoaded) {
    dialogs.answer(file("items.txt", "A1,Widget\r\n"));
    window.runCommand(kCommandLoadLookupData1);
    const struct {
        int command;
        std::string content;
        std::string message;
    } cases[] = {
        {kCommandLoadLookupData1, "A1,Widget,extra\r\n", "Lookup 1: line 1 does not fit the lookup's record format"},
        {kCommandLoadLookupData1, std::string("A1,W\0\r\n", 7), "Lookup 1: line 1 holds a NUL byte"},
        {kCommandLoadLookupData3, "A1,Widget\r\n", "Lookup 3 is not in use in this design"},
    };
    for (const auto& c : cases) {
        dialogs.answer(file("bad.txt", c.content));
        window.runCommand(c.command);
        EXPECT_EQ(lastMessage().rfind(c.message, 0), 0u) << lastMessage();
        EXPECT_EQ(messages.shown().back().style.icon, MessageIcon::Warning);
        ASSERT_NE(data().lookup(1), nullptr);
        EXPECT_EQ(data().lookup(1)->size(), 1u);
    }
    // A cancelled choice changes nothing and says nothing.
    const auto shown = messages.shown().size();
    window.runCommand(kCommandLoadLookupData2);
    EXPECT_EQ(messages.shown().size(), shown);
}

TEST_F(SimulatorData, TheRecordsWindowListsSavesAndClearsTheRecords) {
    data().records = {"A1,3", "B2,\t5"};
    const Strings strings;  // the window keeps a reference to it
    RecordsWindow records(data(), strings, messages, dialogs, &window);
    ASSERT_EQ(records.list().count(), 2);
    EXPECT_EQ(records.list().item(1)->text().toStdString(), "B2,\u24095");

    const auto saved = temp.path() / "saved.txt";
    dialogs.answer(saved.string());
    records.saveAs();
    EXPECT_EQ(readFileBytes(saved, 1024), "A1,3\r\nB2,\t5\r\n");

    dialogs.answer((temp.path() / "no-such-folder" / "x.txt").string());
    records.saveAs();
    EXPECT_EQ(lastMessage().rfind("File open/create failed!", 0), 0u) << lastMessage();

    records.clear();
    EXPECT_EQ(records.list().count(), 0);
    EXPECT_TRUE(data().records.empty());
}

}  // namespace
}  // namespace tessel::ui
