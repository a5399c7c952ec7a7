#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/file_io.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

// Runs the tool with space-separated arguments; the output joins stdout and stderr.
struct Run {
    int status;
    std::string out;
};

Run runTool(const std::string& arguments) {
    static test::TempDir scratch;
    std::vector<std::string> words;
    std::istringstream split(arguments);
    for (std::string word; split >> word;) words.push_back(word);
    const auto run = test::runTessel(words, scratch.path());
    return {run.status, run.out + run.err};
}

class ProjectCommands : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (temp.path() / name).string(); }
    std::string bytes(const std::string& name) const { return readFileBytes(path(name), 1 << 20).value_or(""); }
    test::TempDir temp;
};

TEST_F(ProjectCommands, NewWritesTheGoldenHeader) {
    struct Case {
        const char* family;
        std::string magic;
    };
    for (const auto& c : {Case{"4760", std::string("4760RU004\0", 10)}, Case{"4130", std::string("4130RU004\0", 10)}}) {
        const auto file = std::string("p") + c.family + ".TSX";
        ASSERT_EQ(runTool("new --family " + std::string(c.family) + " " + path(file)).status, 0);
        const auto project = bytes(file);
        EXPECT_EQ(project.size(), 19279u);
        EXPECT_EQ(project.substr(0, 10), c.magic);
    }
}

TEST_F(ProjectCommands, InfoDescribesTheProject) {
    ASSERT_EQ(runTool("new --family 4760 " + path("a.TSX")).status, 0);
    const auto info = runTool("info " + path("a.TSX"));
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "family: 4760\nmagic: 4760RU004\nsettings version: 4\nforms in use: none\nmenus in use: none\n"
              "lookups in use: none\n");
}

TEST_F(ProjectCommands, ImageLeavesTheProjectAlone) {
    ASSERT_EQ(runTool("new --family 4130 " + path("a.TSX")).status, 0);
    const auto before = bytes("a.TSX");
    ASSERT_EQ(runTool("image " + path("a.TSX") + " -o " + path("a.img")).status, 0);
    const auto image = bytes("a.img");
    ASSERT_EQ(image.size(), 20100u);
    EXPECT_EQ(image.substr(16039, 21), std::string(20, ' ') + '\0');
    EXPECT_EQ(image.substr(19167), std::string(933, '\0'));
    EXPECT_EQ(bytes("a.TSX"), before);
}

TEST_F(ProjectCommands, ExportThenImportIsByteExact) {
    ASSERT_EQ(runTool("new --family 4760 " + path("a.TSX")).status, 0);
    ASSERT_EQ(runTool("export " + path("a.TSX") + " -o " + path("a.json")).status, 0);
    ASSERT_EQ(runTool("import " + path("a.json") + " -o " + path("b.TSX")).status, 0);
    EXPECT_EQ(bytes("a.TSX"), bytes("b.TSX"));
    EXPECT_EQ(runTool("export " + path("a.TSX")).out, bytes("a.json"));
}

TEST_F(ProjectCommands, FailuresAndUsageErrors) {
    std::ofstream(path("junk.TSX")) << "not a project at all";
    std::ofstream(path("junk.json")) << "{\"format\": 2, \"magic\": 3}";
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"info " + path("junk.TSX"), 1, "Format mismatch !!!"},
        {"image " + path("junk.TSX") + " -o " + path("x.img"), 1, "Format mismatch !!!"},
        {"export " + path("junk.TSX"), 1, "Format mismatch !!!"},
        {"info " + path("missing.TSX"), 1, "Cannot read"},
        {"import " + path("junk.json") + " -o " + path("x.TSX"), 1, "magic"},
        {"new --family 4120 " + path("x.TSX"), 2, "--family"},
        {"new " + path("x.TSX"), 2, "--family"},
        {"frobnicate", 2, ""},
        {"", 2, "subcommand"},
    };
    for (const auto& c : cases) {
        const auto run = runTool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(path("x.img")));
    EXPECT_FALSE(std::filesystem::exists(path("x.TSX")));
}

TEST(StringsCommand, PrintsALanguageFileTemplate) {
    const auto run = runTool("strings");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("English\r\n2=\r\n", 0), 0u);
    EXPECT_NE(run.out.find("\r\n1131=Save current program ?\r\n"), std::string::npos);
    EXPECT_EQ(runTool("strings --language Klingon").status, 1);
}

}  // namespace
}  // namespace tessel
