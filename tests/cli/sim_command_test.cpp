// `tessel sim`: a saved project run from a key script, printed as screens.
#include <gtest/gtest.h>

#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

const char* const kAt = "2026-03-05 09:05:00";

// A 4760 project whose form 1 takes a text and a three-digit number and
// passes "text,number" down, then returns to the main menu.
class SimCommand : public ::testing::Test {
protected:
    SimCommand() {
        Project project = test::newProject(kFamily4760);
        FormRecord& form = project.definition.forms[0];
        form.fieldType[0] = 1;  // text
        setCellText(form.fieldPrompt[0], "T:");
        form.fieldType[1] = 2;  // integer
        setCellText(form.fieldPrompt[1], "N:");
        form.maxLength[1] = 3;
        form.fixedLengthOn[1] = 1;
        form.fixedLength[1] = 3;
        form.alignment[1] = 3;  // right aligned, filled with zeros
        form.recordAction = 3;  // pass down
        form.nextTarget = 0;
        project.definition.settings.fieldDelimiter1 = ',';
        EXPECT_EQ(writeProject(project, projectPath(), nullptr), 1);
    }

    std::filesystem::path projectPath() const { return dir.path() / "collect.tsx"; }

    test::ToolRun sim(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"sim", projectPath().string()});
        return test::runTessel(arguments, dir.path());
    }

    test::TempDir dir;
};

TEST_F(SimCommand, PrintsTheMainMenuWithItsClockLine) {
    const auto run = sim({"--at", kAt});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "state=MainMenu highlight=1 cursor=0,0 counter=0\n"
              "output=\n"
              "|1. Collect data     |\n"
              "|2. Upload data      |\n"
              "|3. Utilities        |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|МАР 05, 09:05  00000|\n");
}

TEST_F(SimCommand, RunsAFormToItsOutputRecord) {
    const auto run = sim({"--at", kAt, "--keys", "1 a-b tick:7 A-B a-b tick:7 enter 7 ENTER tick:5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "state=MainMenu highlight=1 cursor=3,1 counter=1\n"
              "output=AB,007\n"
              "|1. Collect data     |\n"
              "|2. Upload data      |\n"
              "|3. Utilities        |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|                    |\n"
              "|МАР 05, 09 05  00001|\n");
}

TEST_F(SimCommand, TracePrintsTheScreenAfterEveryToken) {
    const auto run = sim({"--at", kAt, "--trace", "--keys", "1 C-D"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string blanks;
    for (int i = 0; i < 7; ++i) blanks += "|                    |\n";
    EXPECT_EQ(run.out,
              "state=MainMenu highlight=1 cursor=0,0 counter=0\n"
              "output=\n"
              "|1. Collect data     |\n"
              "|2. Upload data      |\n"
              "|3. Utilities        |\n" +
                  blanks.substr(0, 5 * 23) +
                  "|МАР 05, 09:05  00000|\n"
                  "> 1\n"
                  "state=FormScreen highlight=0 cursor=2,0 counter=0\n"
                  "output=\n"
                  "|T:                  |\n"
                  "|N:                  |\n" +
                  blanks +
                  "> C-D\n"
                  "state=FormScreen highlight=0 cursor=2,0 counter=0\n"
                  "output=\n"
                  "|T:C                 |\n"
                  "|N:                  |\n" +
                  blanks);
}

TEST_F(SimCommand, ABadTokenIsAUsageErrorNamingIt) {
    const auto run = sim({"--keys", "1 A-B F1 ENTER"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("'F1'"), std::string::npos) << run.err;
}

// A tick count beyond a day would keep the tool busy for hours: refused
// before anything runs.
TEST_F(SimCommand, MoreThanADayOfTicksIsAUsageError) {
    const auto run = sim({"--keys", "1 tick:2147483647"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("'tick:2147483647' lets more than a day pass (at most tick:864000)"), std::string::npos)
        << run.err;
}

TEST_F(SimCommand, ABadStartTimeIsAUsageError) {
    const auto run = sim({"--at", "2026-02-30 10:00:00"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("2026-02-30 10:00:00"), std::string::npos) << run.err;
}

TEST_F(SimCommand, AMissingProjectFails) {
    const auto run = test::runTessel({"sim", (dir.path() / "none.tsx").string()}, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

TEST_F(SimCommand, AnApplicationWithNothingToRunSaysSo) {
    Project empty = test::newProject(kFamilyGroup);
    const auto path = dir.path() / "empty.tsx";
    ASSERT_EQ(writeProject(empty, path, nullptr), 1);
    const auto run = test::runTessel({"sim", path.string(), "--keys", "1"}, dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Please define your program!"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("4760"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "state=MainMenu highlight=1 cursor=0,0 counter=0");
}

}  // namespace
}  // namespace tessel
