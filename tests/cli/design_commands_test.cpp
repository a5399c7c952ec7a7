// `tessel check` and `tessel diff` on project files and JSON exports, their
// exit statuses, and `tessel diff --git` as the diff driver of a real git
// repository.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/project_file.h"
#include "core/records/field_type.h"
#include "design/sample_design.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

class DesignCommands : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (temp.path() / name).string(); }

    void writeDesign(const std::string& name, const Definition& definition, int family = kFamily4760) const {
        Project project = test::newProject(family);
        project.definition = definition;
        ASSERT_EQ(writeProject(project, path(name), nullptr), 1);
    }

    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, temp.path(), {"APPDATA=" + path("appdata"), "XDG_DATA_HOME=" + path("data")});
    }

    static Definition withMinAboveMax() {
        Definition design = test::sampleDesign();
        design.forms[0].minLength[0] = 50;
        design.forms[0].maxLength[0] = 40;
        return design;
    }

    test::TempDir temp;
};

TEST_F(DesignCommands, NewProjectsOfEitherFamilyHaveNothingToRun) {
    for (const char* family : {"4760", "4130"}) {
        const auto file = path(std::string(family) + ".TSX");
        ASSERT_EQ(run({"new", "--family", family, file}).status, 0);
        const auto result = run({"check", file});
        EXPECT_EQ(result.status, 1) << family << ": " << result.out << result.err;
        EXPECT_EQ(result.out, "start: form 1 takes no input and menu 1 has no items: there is nothing to run\n")
            << family;
    }
}

TEST_F(DesignCommands, CheckPrintsEachFindingAndFails) {
    writeDesign("broken.TSX", withMinAboveMax());
    ASSERT_EQ(run({"export", path("broken.TSX"), "-o", path("broken.json")}).status, 0);
    for (const char* name : {"broken.TSX", "broken.json"}) {
        const auto result = run({"check", path(name)});
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.out, "form 1, field 1: min length 50 is above max length 40\n") << name;
    }
}

// Editors may save an export with a UTF-8 byte-order mark; import takes it,
// and so must the commands that read exports.
TEST_F(DesignCommands, CheckAndDiffReadAnExportThatStartsWithAByteOrderMark) {
    writeDesign("broken.TSX", withMinAboveMax());
    ASSERT_EQ(run({"export", path("broken.TSX"), "-o", path("plain.json")}).status, 0);
    std::ifstream plain(path("plain.json"), std::ios::binary);
    std::ofstream(path("marked.json"), std::ios::binary) << "\xEF\xBB\xBF" << plain.rdbuf();
    ASSERT_EQ(run({"import", path("marked.json"), "-o", path("imported.TSX")}).status, 0);

    const auto check = run({"check", path("marked.json")});
    EXPECT_EQ(check.status, 1) << check.err;
    EXPECT_EQ(check.out, "form 1, field 1: min length 50 is above max length 40\n");
    const auto diff = run({"diff", path("marked.json"), path("broken.TSX")});
    EXPECT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out, "");
}

TEST_F(DesignCommands, CheckAndDiffRefuseWhatIsNoDesign) {
    std::ofstream(path("notes.txt")) << "shopping list";
    std::ofstream(path("broken.json")) << "{\"forms\": [";
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"check", path("notes.txt")},
             {"diff", path("notes.txt"), path("notes.txt")},
             {"check", path("missing.TSX")},
         }) {
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments[1];
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
    const auto json = run({"check", path("broken.json")});
    EXPECT_EQ(json.status, 2);
    EXPECT_NE(json.err.find("broken.json: "), std::string::npos) << json.err;
}

TEST_F(DesignCommands, DiffExitsByWhetherTheDesignsDiffer) {
    writeDesign("a.TSX", test::sampleDesign());
    Definition renamed = test::sampleDesign();
    test::setText(renamed.menus[0].itemName[1], "Inventory");
    renamed.forms[0].fieldType[1] = kFieldReal;
    writeDesign("b.TSX", renamed);
    ASSERT_EQ(run({"export", path("a.TSX"), "-o", path("a.json")}).status, 0);

    const auto same = run({"diff", path("a.TSX"), path("a.json")});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const auto differ = run({"diff", path("a.json"), path("b.TSX")});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out,
              "form 1, field 2, type: integer -> real\n"
              "menu 1, item 2, name: \"Count\" -> \"Inventory\"\n");
}

TEST_F(DesignCommands, DiffUsageErrorsExitWith2) {
    writeDesign("a.TSX", test::sampleDesign());
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"diff", path("a.TSX")},
             {"diff", path("a.TSX"), path("a.TSX"), path("a.TSX")},
             {"diff", "--git", path("a.TSX"), path("a.TSX")},
             {"diff", "--git", "1", "2", "3", "4", "5", "6", "7", "8"},
         }) {
        EXPECT_EQ(run(arguments).status, 2) << arguments.size();
    }
}

// The output and exit status of a shell command run in `folder`.
test::ToolRun shell(const std::string& command, const std::filesystem::path& folder) {
    test::ToolRun result;
    FILE* pipe = popen(("cd " + test::shellQuoted(folder.string()) + " && " + command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int waited = pclose(pipe);
    result.status = WIFEXITED(waited) ? WEXITSTATUS(waited) : -1;
    return result;
}

TEST_F(DesignCommands, DiffDrivesGitDiffs) {
    const auto repo = temp.path() / "repo";
    std::filesystem::create_directories(repo);
    // A git of the test's own: no user or system configuration.
    const std::string git = "env HOME=" + test::shellQuoted(temp.path().string()) +
                            " GIT_CONFIG_NOSYSTEM=1 git -c user.name=Test -c user.email=test@example.com";
    if (shell(git + " --version", repo).status != 0) GTEST_SKIP() << "git is not installed";
    ASSERT_EQ(shell(git + " init -q .", repo).status, 0);
    ASSERT_EQ(
        shell(git + " config diff.tessel.command " + test::shellQuoted(test::shellQuoted(TESSEL_CLI) + " diff --git"),
              repo)
            .status,
        0);
    std::ofstream(repo / ".gitattributes") << "*.[Tt][Ss][XxAa] diff=tessel\n";
    writeDesign("repo/stock.TSX", test::sampleDesign());
    ASSERT_EQ(shell(git + " add . && " + git + " commit -qm first", repo).status, 0);

    Definition renamed = test::sampleDesign();
    test::setText(renamed.menus[0].itemName[1], "Inventory");
    writeDesign("repo/stock.TSX", renamed);
    const auto diff = shell(git + " diff", repo);
    EXPECT_EQ(diff.status, 0) << diff.out;
    EXPECT_EQ(diff.out, "tessel diff a/stock.TSX b/stock.TSX\nmenu 1, item 2, name: \"Count\" -> \"Inventory\"\n");

    ASSERT_EQ(shell(git + " commit -qam second", repo).status, 0);
    const auto log = shell(git + " log -p --ext-diff --format=%s", repo);
    EXPECT_EQ(log.status, 0) << log.out;
    EXPECT_NE(log.out.find("menu 1, item 2, name: \"Count\" -> \"Inventory\""), std::string::npos) << log.out;
    // The first commit shows what was designed beyond a new project.
    EXPECT_NE(log.out.find("new design\nform 1, esc: main -> menu 1\n"), std::string::npos) << log.out;

    ASSERT_EQ(shell(git + " mv stock.TSX moved.TSX", repo).status, 0);
    test::setText(renamed.menus[0].itemName[0], "Goods");
    writeDesign("repo/moved.TSX", renamed);
    const auto moved = shell(git + " add . && " + git + " diff --cached -M", repo);
    EXPECT_EQ(moved.status, 0) << moved.out;
    EXPECT_EQ(moved.out, "tessel diff a/stock.TSX b/moved.TSX\nmenu 1, item 1, name: \"Stock\" -> \"Goods\"\n");
}

TEST_F(DesignCommands, DiffTakesEveryCallingFormOfGit) {
    writeDesign("a.TSX", test::sampleDesign());
    const auto unmerged = run({"diff", "--git", "stock.TSX"});
    EXPECT_EQ(unmerged.status, 0);
    EXPECT_EQ(unmerged.out, "stock.TSX: unmerged\n");

    const auto removed = run({"diff", "--git", "a.TSX", path("a.TSX"), "1234", "100644", "/dev/null", ".", "."});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_TRUE(removed.out.starts_with("tessel diff a/a.TSX b/a.TSX\ndesign removed\n")) << removed.out;

    const auto unreadable =
        run({"diff", "--git", "a.TSX", path("gone.TSX"), "1", "100644", path("a.TSX"), "2", "100644"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("gone.TSX"), std::string::npos) << unreadable.err;
}

}  // namespace
}  // namespace tessel
