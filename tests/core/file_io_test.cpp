#include "core/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_dir.h"

namespace tessel {
namespace {

namespace fs = std::filesystem;

class SavingFiles : public ::testing::Test {
protected:
    fs::path path(const std::string& name) const { return temp.path() / name; }
    void write(const std::string& name, const std::string& content, fs::perms mode = fs::perms(0644)) const {
        std::ofstream(path(name), std::ios::binary) << content;
        fs::permissions(path(name), mode);
    }
    std::string content(const std::string& name) const { return readFileBytes(path(name), 1 << 20).value_or(""); }
    fs::perms mode(const std::string& name) const { return fs::status(path(name)).permissions(); }
    // The names in the folder: a failed save leaves no temporary file.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(temp.path())) found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }

    test::TempDir temp;
};

TEST_F(SavingFiles, ReplacesAFileAndCreatesANewOne) {
    write("a.TSX", "old");
    EXPECT_EQ(writeFileAtomically(path("a.TSX"), "new"), WriteResult::Written);
    EXPECT_EQ(content("a.TSX"), "new");
    EXPECT_EQ(writeFileAtomically(path("b.TSX"), "fresh"), WriteResult::Written);
    EXPECT_EQ(content("b.TSX"), "fresh");
    EXPECT_EQ(names(), (std::vector<std::string>{"a.TSX", "b.TSX"}));
}

TEST_F(SavingFiles, SavesThroughSymbolicLinksToTheirTarget) {
    write("real.TSX", "old");
    fs::create_directory(path("links"));
    fs::create_symlink("../real.TSX", path("links/first.TSX"));  // relative to the link's folder
    fs::create_symlink(path("links/first.TSX"), path("second.TSX"));
    fs::create_symlink("later.TSX", path("dangling.TSX"));

    EXPECT_EQ(writeFileAtomically(path("second.TSX"), "new"), WriteResult::Written);
    EXPECT_EQ(content("real.TSX"), "new");
    EXPECT_TRUE(fs::is_symlink(path("second.TSX")));
    EXPECT_TRUE(fs::is_symlink(path("links/first.TSX")));

    EXPECT_EQ(writeFileAtomically(path("dangling.TSX"), "made"), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(path("dangling.TSX")));
    EXPECT_EQ(content("later.TSX"), "made");
}

TEST_F(SavingFiles, KeepsThePermissionBits) {
    for (const auto bits : {0600, 0640, 0604, 0755}) {
        write("a.TSX", "old", fs::perms(bits));
        EXPECT_EQ(writeFileAtomically(path("a.TSX"), "new"), WriteResult::Written) << std::oct << bits;
        EXPECT_EQ(mode("a.TSX"), fs::perms(bits)) << std::oct << bits;
        EXPECT_EQ(content("a.TSX"), "new");
    }
}

TEST_F(SavingFiles, KeepsTheOwnerWhereThatIsAllowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another owner";
    write("a.TSX", "old");
    ASSERT_EQ(::chown(path("a.TSX").c_str(), 4321, 4322), 0);
    EXPECT_EQ(writeFileAtomically(path("a.TSX"), "new"), WriteResult::Written);
    struct stat after {};
    ASSERT_EQ(::stat(path("a.TSX").c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 4322u);
}

// Read-only is the file's marking, so it holds for root too, who could write it.
TEST_F(SavingFiles, RefusesAReadOnlyFile) {
    for (const auto bits : {0444, 0400, 0044}) {
        write("a.TSX", "old", fs::perms(bits));
        fs::create_symlink("a.TSX", path("link.TSX"));
        EXPECT_EQ(writeFileAtomically(path("a.TSX"), "new"), WriteResult::ReadOnly) << std::oct << bits;
        EXPECT_EQ(writeFileAtomically(path("link.TSX"), "new"), WriteResult::ReadOnly) << std::oct << bits;
        EXPECT_EQ(content("a.TSX"), "old");
        EXPECT_EQ(mode("a.TSX"), fs::perms(bits));
        fs::remove(path("link.TSX"));
        fs::permissions(path("a.TSX"), fs::perms(0644));
    }
    EXPECT_EQ(names(), std::vector<std::string>{"a.TSX"});
}

TEST_F(SavingFiles, EveryFailureLeavesTheOldFileWhole) {
    write("a.TSX", "old");
    fs::create_directory(path("folder.TSX"));
    fs::create_symlink("folder.TSX", path("to-folder.TSX"));
    fs::create_symlink("loop-b.TSX", path("loop-a.TSX"));
    fs::create_symlink("loop-a.TSX", path("loop-b.TSX"));
    fs::create_symlink("missing/x.TSX", path("to-missing.TSX"));
    const auto before = names();
    // Each failure carries the system's reason, for the message that reports it.
    const std::pair<const char*, const char*> cases[] = {
        {"folder.TSX", "Is a directory"},
        {"to-folder.TSX", "Is a directory"},
        {"loop-a.TSX", "Too many levels of symbolic links"},
        {"to-missing.TSX", "No such file or directory"},
        {"missing/b.TSX", "No such file or directory"},
    };
    for (const auto& [name, reason] : cases) {
        const auto outcome = writeFileAtomically(path(name), "new");
        EXPECT_EQ(outcome, WriteResult::Failed) << name;
        EXPECT_EQ(outcome.reason, reason) << name;
    }
    EXPECT_EQ(names(), before);
    EXPECT_EQ(content("a.TSX"), "old");
    EXPECT_TRUE(fs::is_directory(path("folder.TSX")));
    EXPECT_TRUE(fs::is_empty(path("folder.TSX")));
}

}  // namespace
}  // namespace tessel
