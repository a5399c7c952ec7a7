// `tessel lookup-file` and the lookup check of `tessel download-lookup`,
// against a project whose first lookup is delimited by ';'.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

class LookupCommands : public ::testing::Test {
protected:
    LookupCommands() {
        Project project = test::newProject(kFamilyGroup);
        LookupRecord& items = project.definition.lookups[0];
        items.recordLength = 17;
        items.columnCount = 3;
        items.keyColumn = 0;
        items.columnLength = {6, 8, 1};
        items.delimiter = ';';
        EXPECT_EQ(writeProject(project, path("p.TSX"), nullptr), 1);
    }
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    void write(const std::string& name, const std::string& content) const {
        EXPECT_EQ(writeFileAtomically(path(name), content), WriteResult::Written);
    }
    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, dir.path(), {"APPDATA=" + path("appdata")});
    }

    test::TempDir dir;
};

TEST_F(LookupCommands, LookupFileMakesRecordsFromACsvAndReportsWhatDidNotFit) {
    write("items.csv", "name;code;n\r\nMilk;A1;3\r\n\"Tea; green\";A2;4\r\nBread;;5\r\nChocolates;A4;6\r\n");
    const auto made = run({"lookup-file", path("p.TSX"), "1", path("items.csv"), "-o", path("items.txt"), "--header",
                           "--columns", "code,name,3"});
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.out, "2 records written to " + path("items.txt") + ".\n");
    EXPECT_EQ(readFileBytes(path("items.txt"), 1000), "A1;Milk;3\r\nA4;Chocolat;6\r\n");
    const std::string csv = path("items.csv");
    EXPECT_NE(made.err.find(csv + ":3: left out: column 2 holds the delimiter"), std::string::npos) << made.err;
    EXPECT_NE(made.err.find(csv + ":4: left out: the key column 1 is empty"), std::string::npos) << made.err;
    EXPECT_NE(made.err.find(csv + ":5: column 2 cut from 10 to 8 characters"), std::string::npos) << made.err;

    run({"lookup-file", path("p.TSX"), "1", path("items.csv"), "-o", path("strict.txt"), "--header", "--columns",
         "2,1,3", "--strict"});
    EXPECT_EQ(readFileBytes(path("strict.txt"), 1000), "A1;Milk;3\r\n");

    const auto unused = run({"lookup-file", path("p.TSX"), "2", path("items.csv"), "-o", path("x.txt")});
    EXPECT_EQ(unused.status, 1);
    EXPECT_NE(unused.err.find("Lookup 2 of"), std::string::npos) << unused.err;
}

TEST_F(LookupCommands, DownloadLookupRefusesLinesThatDoNotFitUnlessForced) {
    write("items.txt", "A1;Milk;3\r\nA2 Tea 4\r\n;Rye;5\r\n");
    test::ServedTerminal terminal(link::PeerSettings{});
    const std::vector<std::string> download{
        "download-lookup", path("items.txt"),     "--project", path("p.TSX"), "--lookup", "1",
        "--port",          terminal.devicePath(), "--via",     "cable"};
    const auto refused = run(download);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(path("items.txt") + ":2: 0 delimiters; the records have 2"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find(path("items.txt") + ":3: the key column 1 is empty"), std::string::npos) << refused.err;

    auto forced = download;
    forced.push_back("--force");
    const auto sent = run(forced);
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(terminal.stopServing().lookupRecords(),
              (std::vector<link::ByteString>{link::bytesOf("A1;Milk;3"), link::bytesOf("A2 Tea 4"),
                                             link::bytesOf(";Rye;5")}));
}

}  // namespace
}  // namespace tessel
