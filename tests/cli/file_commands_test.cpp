// The tool's file commands on files that are not what they should be:
// unreadable, cut short, malformed, too large, or the input named as output.
#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

class FileCommands : public ::testing::Test {
protected:
    FileCommands() {
        Project project = test::newProject(kFamily4760);
        EXPECT_EQ(writeProject(project, path("a.TSX"), nullptr), 1);
    }

    std::string path(const std::string& name) const { return (temp.path() / name).string(); }
    std::string bytes(const std::string& name) const { return readFileBytes(path(name), 64 << 20).value_or(""); }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
    }

    // Runs with preferences and language folders of this test only.
    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, temp.path(), {"APPDATA=" + path("appdata"), "XDG_DATA_HOME=" + path("data")});
    }

    test::TempDir temp;
};

TEST_F(FileCommands, UnreadableProjectsAreExplained) {
    // Reading this file fails for every user, root included.
    const std::string unreadable = "/proc/self/mem";
    const std::vector<std::vector<std::string>> commands{
        {"image", unreadable, "-o", path("x.img")},
        {"sim", unreadable},
        {"download", unreadable, "--port", "/dev/null"},
        {"info", unreadable},
        {"export", unreadable},
    };
    for (const auto& arguments : commands) {
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_NE(result.err.find("Cannot read " + unreadable), std::string::npos)
            << arguments[0] << ": " << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(path("x.img")));
}

TEST_F(FileCommands, ImportRefusesDeepNesting) {
    write("deep.json", std::string(20000, '[') + std::string(20000, ']'));
    const auto result = run({"import", path("deep.json"), "-o", path("x.TSX")});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("nested more than"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(path("x.TSX")));
}

TEST_F(FileCommands, ImportNamesTheLineAndColumnOfASyntaxError) {
    write("bad.json", "{\n  \"magic\": \"4760RU004\",\n  \"headerWord\": tru\n}\n");
    const auto result = run({"import", path("bad.json"), "-o", path("x.TSX")});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("not valid JSON at line 3, column"), std::string::npos) << result.err;
}

TEST_F(FileCommands, ImportCallsAnOversizedFileTooLarge) {
    write("big.json", "{}" + std::string((8 << 20) + 10, ' '));
    const auto result = run({"import", path("big.json"), "-o", path("x.TSX")});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("too large"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("not valid JSON"), std::string::npos) << result.err;
}

TEST_F(FileCommands, AnOutputThatIsTheInputIsRefused) {
    ASSERT_EQ(run({"export", path("a.TSX"), "-o", path("a.json")}).status, 0);
    std::filesystem::create_symlink(path("a.TSX"), path("link.TSX"));
    const auto project = bytes("a.TSX");
    const auto json = bytes("a.json");
    const std::vector<std::vector<std::string>> commands{
        {"export", path("a.TSX"), "-o", path("a.TSX")},
        {"export", path("a.TSX"), "-o", (temp.path() / "." / "a.TSX").string()},
        {"export", path("link.TSX"), "-o", path("a.TSX")},
        {"image", path("a.TSX"), "-o", path("link.TSX")},
        {"import", path("a.json"), "-o", path("a.json")},
    };
    for (const auto& arguments : commands) {
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0] << " " << arguments[3];
        EXPECT_NE(result.err.find("is the input"), std::string::npos) << result.err;
    }
    EXPECT_EQ(bytes("a.TSX"), project);
    EXPECT_EQ(bytes("a.json"), json);
    EXPECT_TRUE(std::filesystem::is_symlink(path("link.TSX")));
}

TEST_F(FileCommands, ReadOnlyOutputsAreRefused) {
    write("kept.json", "old");
    write("kept.TSX", "old");
    std::filesystem::permissions(path("kept.json"), std::filesystem::perms(0444));
    std::filesystem::permissions(path("kept.TSX"), std::filesystem::perms(0444));
    const std::vector<std::vector<std::string>> commands{
        {"export", path("a.TSX"), "-o", path("kept.json")},
        {"new", "--family", "4130", path("kept.TSX")},
    };
    for (const auto& arguments : commands) {
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_NE(result.err.find("read-only"), std::string::npos) << result.err;
    }
    EXPECT_EQ(bytes("kept.json"), "old");
    EXPECT_EQ(bytes("kept.TSX"), "old");
}

// A write that fails names the file and gives the system's reason.
TEST_F(FileCommands, FailedWritesSayWhy) {
    std::filesystem::create_directory(path("folder"));
    const std::string missing = (temp.path() / "missing" / "out").string();
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"export", path("a.TSX"), "-o", path("folder")}, "Cannot write " + path("folder") + ": Is a directory\n"},
        {{"image", path("a.TSX"), "-o", missing}, "Cannot write " + missing + ": No such file or directory\n"},
        {{"new", "--family", "4760", missing},
         "File open/create failed!\n" + missing + ": No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const auto result = run(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments[0];
        EXPECT_EQ(result.err, c.message) << c.arguments[0];
    }
}

TEST_F(FileCommands, InfoShowsTheSettingsVersionOfAnyFileReadably) {
    const auto whole = bytes("a.TSX");
    constexpr std::size_t kVersionOffset = kMagicSize + offsetof(Definition, settings);
    auto odd = whole;
    odd[kVersionOffset] = '\x01';
    write("cut.TSX", whole.substr(0, 17000));
    write("odd.TSX", odd);
    struct Case {
        std::string file, version, note;
    };
    const Case cases[] = {
        {"cut.TSX", "settings version: none, the file is cut short before it\n",
         "note: the file is cut short (17000 of 19279 bytes)\n"},
        {"odd.TSX", "settings version: byte 1\n", ""},
        {"a.TSX", "settings version: 4\n", ""},
    };
    for (const auto& c : cases) {
        const auto result = run({"info", path(c.file)});
        EXPECT_EQ(result.status, 0) << c.file;
        EXPECT_EQ(result.out.find('\0'), std::string::npos) << c.file;
        EXPECT_NE(result.out.find(c.version), std::string::npos) << c.file << ":\n" << result.out;
        if (!c.note.empty()) {
            EXPECT_NE(result.out.find(c.note), std::string::npos) << result.out;
        }
    }
}

}  // namespace
}  // namespace tessel
