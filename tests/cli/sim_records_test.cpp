// The whole job without hardware: a design's form checks items against
// lookup 1 and takes quantities from their remains; the records `tessel sim
// --records` writes are, byte for byte, what `tessel receive` gets from a
// `tessel terminal --state` after `tessel sim --state` ran the same keys.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "core/file_io.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

extern char** environ;

namespace tessel {
namespace {

const std::string kItems = "A1,Widget,10\r\nB2,Bolt,5\r\nC3,Nut,8\r\n";
// Menu 1, item 1 opens the form; A1 takes 3, C3 takes 2; Esc back to the menu.
const std::string kKeys = "1 1 A-B tick:7 1 ENTER 3 ENTER C-D tick:7 3 ENTER 2 ENTER ESC";

// `tessel terminal --state FOLDER` in the background, for the life of the
// object; it prints its device path first.
class BackgroundTerminal {
public:
    BackgroundTerminal(const std::filesystem::path& state, const std::filesystem::path& errors) {
        int out[2];
        if (::pipe(out) != 0) return;
        std::vector<std::string> all{TESSEL_CLI, "terminal", "--state", state.string()};
        std::vector<char*> argv;
        for (auto& argument : all) argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char c;
        while (pid_ > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(out[0]);
    }
    ~BackgroundTerminal() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    const std::string& device() const { return device_; }

private:
    pid_t pid_ = -1;
    std::string device_;
};

class SimRecords : public ::testing::Test {
protected:
    SimRecords() {
        Project project = test::newProject(kFamily4760);
        Definition& definition = project.definition;
        LookupRecord& items = definition.lookups[0];
        items.columnCount = 3;
        items.columnLength = {6, 12, 5, 0, 0, 0, 0, 0};
        items.recordLength = 25;
        items.delimiter = ',';
        items.noMatchAction = 1;  // warning
        FormRecord& form = definition.forms[0];
        form.formLookup = 1;
        form.fieldType[0] = 1;  // text, the item code: the key column
        setCellText(form.fieldPrompt[0], "Item:");
        form.maxLength[0] = 6;
        form.fieldLink[0] = 1;
        form.fieldType[1] = 7;  // lookup: the description, saved in the record
        form.fieldLink[1] = 2;
        form.initialValueOn[1] = 1;
        form.fieldType[2] = 2;  // integer, taken from the remains
        setCellText(form.fieldPrompt[2], "Qty:");
        form.maxLength[2] = 3;
        form.fieldLink[2] = 11;  // -field 3
        form.recordAction = 0;   // save
        form.nextTarget = 1;
        form.escTarget = 11;
        form.stampPosition = 2;  // the date after the fields
        form.stampHour = form.stampMinute = form.stampSecond = 0;
        form.stampSplit = 0;
        MenuRecord& menu = definition.menus[0];
        setCellText(menu.itemName[0], "1.Count");
        menu.itemTarget[0] = 1;
        definition.settings.programStart = 1;  // menu 1
        definition.settings.fieldDelimiter1 = ',';
        definition.settings.fieldDelimiter2 = 0;
        EXPECT_EQ(writeProject(project, path("stock.tsx"), nullptr), 1);
        EXPECT_EQ(writeFileAtomically(path("items.txt"), kItems), WriteResult::Written);
    }

    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    test::ToolRun tessel(const std::vector<std::string>& arguments) {
        return test::runTessel(arguments, scratch.path());
    }
    std::string content(const std::string& name) const { return readFileBytes(path(name), 1 << 20).value_or("?"); }
    // The PC does not wait for the terminal's answer to the end of a lookup
    // download, so the terminal may still be writing the file.
    std::string awaitedContent(const std::string& name) const {
        for (int tries = 0; tries < 100 && !std::filesystem::exists(path(name)); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return content(name);
    }

    test::TempDir dir;
    test::TempDir scratch;
};

TEST_F(SimRecords, RecordsOfARunAreWhatTheTerminalUploads) {
    const auto run = tessel({"sim", path("stock.tsx"), "--at", "2026-03-05 09:05:00", "--lookup",
                             "1=" + path("items.txt"), "--records", path("run.txt"), "--keys", kKeys});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Lookup 1: 3 records loaded.\n");
    EXPECT_EQ(content("run.txt"), "A1,Widget,3,2026/03/05\r\nC3,Nut,2,2026/03/05\r\n");

    const auto state = dir.path() / "terminal";
    BackgroundTerminal terminal(state, path("terminal-errors.txt"));
    ASSERT_FALSE(terminal.device().empty()) << content("terminal-errors.txt");
    const std::vector<std::string> port{"--port", terminal.device(), "--via", "bluetooth"};
    auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), port.begin(), port.end());
        return arguments;
    };
    ASSERT_EQ(tessel(with({"download", path("stock.tsx")})).status, 0);
    ASSERT_EQ(tessel(with({"download-lookup", path("items.txt")})).status, 0);
    EXPECT_EQ(awaitedContent("terminal/lookup-1.txt"), kItems);
    const auto onTerminal =
        tessel({"sim", path("stock.tsx"), "--at", "2026-03-05 09:05:00", "--state", state.string(), "--keys", kKeys});
    ASSERT_EQ(onTerminal.status, 0) << onTerminal.err;
    EXPECT_EQ(content("terminal/lookup-1.txt"), "A1,Widget,7\r\nB2,Bolt,5\r\nC3,Nut,6\r\n");

    const auto received = tessel(with({"receive", path("received.txt")}));
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(content("received.txt"), content("run.txt"));
    // The terminal deleted what the PC acknowledged.
    EXPECT_EQ(content("terminal/records.txt"), "");
    const auto again = tessel(with({"receive", path("again.txt")}));
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.out, "No data received!\nNo file was written.\n");
}

TEST_F(SimRecords, BadLookupDataAndStateFoldersAreRefusedWithAReason) {
    ASSERT_EQ(writeFileAtomically(path("bad.txt"), "A1,Widget,10\r\nB2,Bolt,5,extra\r\n"), WriteResult::Written);
    ASSERT_EQ(writeFileAtomically(path("plain-file"), "x"), WriteResult::Written);
    struct Case {
        std::vector<std::string> options;
        std::string error;
    };
    const Case cases[] = {
        {{"--lookup", "1=" + path("bad.txt")},
         "Lookup 1: line 2 does not fit the lookup's record format; nothing was loaded (" + path("bad.txt") + ").\n"},
        {{"--lookup", "2=" + path("items.txt")},
         "Lookup 2 is not in use in this design: give it a record format on the Lookup page first (" +
             path("items.txt") + ").\n"},
        {{"--state", path("plain-file")}, "The state folder " + path("plain-file") + " is not a folder\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"sim", path("stock.tsx"), "--records", path("out.txt")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const auto run = tessel(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.error);
        EXPECT_FALSE(std::filesystem::exists(path("out.txt")));
    }
    EXPECT_EQ(tessel({"sim", path("stock.tsx"), "--lookup", "4=x"}).status, 2);
}

TEST_F(SimRecords, TraceShowsEachSearch) {
    const auto run = tessel({"sim", path("stock.tsx"), "--lookup", "1=" + path("items.txt"), "--trace", "--keys",
                             "1 1 C-D C-D tick:7 9 ENTER"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("> ENTER\nlookup 1: \"D9\" not found\nstate=MessageScreen"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace tessel
