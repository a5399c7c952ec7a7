#include "link/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <cerrno>
#include <cstring>

#include "core/file_io.h"
#include "link/wire.h"
#include "support/temp_dir.h"

namespace tessel::link {
namespace {

namespace fs = std::filesystem;

class DataFileTest : public ::testing::Test {
protected:
    std::unique_ptr<DataFile> create(const fs::path& path, DataPlacement placement = DataPlacement::Replace,
                                     DataFile::NextName nextName = {}) {
        return DataFile::create(path, placement, problem, std::move(nextName));
    }
    std::unique_ptr<DataFile> create(DataPlacement placement = DataPlacement::Replace) {
        return create(target(), placement);
    }
    std::filesystem::path target() const { return dir.path() / "data.txt"; }
    std::optional<std::string> content() const { return readFileBytes(target(), 1 << 20); }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }

    test::TempDir dir;
    WriteOutcome problem;
};

TEST_F(DataFileTest, AnExistingFileStaysAsItWasUntilTheFirstRecord) {
    ASSERT_EQ(writeFileAtomically(target(), "kept\r\n"), WriteResult::Written);
    {
        auto file = create();
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(content(), "kept\r\n");
        EXPECT_FALSE(file->placed());
    }
    EXPECT_EQ(content(), "kept\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DataFileTest, TheFirstRecordReplacesTheFileAndTheOthersFollowIt) {
    ASSERT_EQ(writeFileAtomically(target(), "old\r\n"), WriteResult::Written);
    auto file = create();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->append(bytesOf("12")));
    EXPECT_TRUE(file->placed());
    EXPECT_EQ(content(), "12\r\n");
    ASSERT_TRUE(file->append(bytesOf("")));
    ASSERT_TRUE(file->append(bytesOf("A;7")));
    file.reset();
    EXPECT_EQ(content(), "12\r\n\r\nA;7\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DataFileTest, AReceiveThatBroughtNothingLeavesNoFileBehind) {
    { EXPECT_NE(create(), nullptr); }
    EXPECT_FALSE(std::filesystem::exists(target()));
    EXPECT_EQ(filesInFolder(), 0u);
}

// A limit on the size of files this process writes, in place of a full disk:
// the write that crosses it stops part way, as on a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(DataFileTest, ARecordThatDoesNotFitIsNotWrittenAtAllAndSaysWhy) {
    auto file = create();
    ASSERT_NE(file, nullptr);
    {
        FileSizeLimit limit(15);
        ASSERT_TRUE(file->append(bytesOf("aaaa")));
        ASSERT_TRUE(file->append(bytesOf("bbbb")));
        EXPECT_FALSE(file->append(bytesOf("cccc")));
    }
    EXPECT_NE(file->failure().find("data.txt"), std::string::npos) << file->failure();
    EXPECT_NE(file->failure().find(std::strerror(EFBIG)), std::string::npos) << file->failure();
    EXPECT_EQ(content(), "aaaa\r\nbbbb\r\n");
    // The file goes on after the last whole record once there is room again.
    ASSERT_TRUE(file->append(bytesOf("dd")));
    EXPECT_EQ(content(), "aaaa\r\nbbbb\r\ndd\r\n");
}

TEST_F(DataFileTest, AFolderThatTakesNoFileGivesNothingAndTheSystemsReason) {
    EXPECT_EQ(create(dir.path() / "missing" / "data.txt"), nullptr);
    EXPECT_EQ(problem.result, WriteResult::Failed);
    EXPECT_EQ(problem.reason, std::strerror(ENOENT));
    EXPECT_EQ(dataFileProblem(dir.path() / "missing" / "data.txt", problem),
              "Cannot write " + (dir.path() / "missing" / "data.txt").string() + ": " + std::strerror(ENOENT));
}

// The data file is kept as a project file is: these are the rules of
// writeFileAtomically, for every way a receive may place its records.
TEST_F(DataFileTest, AReadOnlyFileIsRefusedBeforeAnythingIsReceived) {
    for (const auto placement : {DataPlacement::Replace, DataPlacement::Append, DataPlacement::Keep}) {
        ASSERT_EQ(writeFileAtomically(target(), "kept\r\n"), WriteResult::Written);
        fs::permissions(target(), fs::perms(0444));
        EXPECT_EQ(create(placement), nullptr);
        EXPECT_EQ(problem.result, WriteResult::ReadOnly);
        EXPECT_EQ(dataFileProblem(target(), problem), target().string() + " is read-only; it was left unchanged.");
        EXPECT_EQ(content(), "kept\r\n");
        EXPECT_EQ(fs::status(target()).permissions(), fs::perms(0444));
        EXPECT_EQ(filesInFolder(), 1u);
        fs::remove(target());
    }
}

TEST_F(DataFileTest, RecordsGoThroughASymbolicLinkAndTheLinkStays) {
    for (const auto placement : {DataPlacement::Replace, DataPlacement::Append}) {
        fs::create_directory(dir.path() / "real");
        ASSERT_EQ(writeFileAtomically(dir.path() / "real" / "day.txt", "old\r\n"), WriteResult::Written);
        fs::create_symlink("real/day.txt", target());
        auto file = create(placement);
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(file->append(bytesOf("12")));
        file.reset();
        EXPECT_TRUE(fs::is_symlink(target()));
        EXPECT_EQ(content(), placement == DataPlacement::Append ? "old\r\n12\r\n" : "12\r\n");
        fs::remove_all(dir.path() / "real");
        fs::remove(target());
    }
}

TEST_F(DataFileTest, AReplacedFileKeepsItsModeAndGroupAndANewOneGetsAProjectFilesMode) {
    ASSERT_EQ(writeFileAtomically(target(), "old\r\n"), WriteResult::Written);
    fs::permissions(target(), fs::perms(0640));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(target().c_str(), 1, 2), 0);
    }
    struct stat before {};
    ASSERT_EQ(::stat(target().c_str(), &before), 0);
    {
        auto file = create();
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(file->append(bytesOf("12")));
    }
    struct stat after {};
    ASSERT_EQ(::stat(target().c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);

    // A new data file gets the mode a new project file gets.
    const auto project = dir.path() / "new.TSX";
    ASSERT_EQ(writeFileAtomically(project, "x"), WriteResult::Written);
    {
        auto file = create(dir.path() / "new.txt");
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(file->append(bytesOf("12")));
    }
    EXPECT_EQ(fs::status(dir.path() / "new.txt").permissions(), fs::status(project).permissions());
}

TEST_F(DataFileTest, AppendingAddsAfterWhatIsThereAndAFailureLeavesItWhole) {
    ASSERT_EQ(writeFileAtomically(target(), "monday\r\n"), WriteResult::Written);
    auto file = create(DataPlacement::Append);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->placed());
    ASSERT_TRUE(file->append(bytesOf("aaaa")));
    {
        FileSizeLimit limit(18);
        EXPECT_FALSE(file->append(bytesOf("bbbb")));
    }
    EXPECT_NE(file->failure().find(std::strerror(EFBIG)), std::string::npos) << file->failure();
    EXPECT_EQ(content(), "monday\r\naaaa\r\n");
    file.reset();
    EXPECT_EQ(content(), "monday\r\naaaa\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DataFileTest, AppendingToNoFileMakesOneOnlyWithTheFirstRecord) {
    { ASSERT_NE(create(DataPlacement::Append), nullptr); }
    EXPECT_EQ(filesInFolder(), 0u);
    auto file = create(DataPlacement::Append);
    ASSERT_TRUE(file->append(bytesOf("12")));
    EXPECT_EQ(content(), "12\r\n");
}

// Keeping never replaces a file, even one that appeared during the receive:
// the records go to the next name, or to none.
TEST_F(DataFileTest, KeepingTakesTheNextNameWhenTheChosenOneWasTakenMeanwhile) {
    const auto second = dir.path() / "data-2.txt";
    auto file = create(target(), DataPlacement::Keep, [&] { return second; });
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(writeFileAtomically(target(), "someone else's\r\n"), WriteResult::Written);
    ASSERT_TRUE(file->append(bytesOf("12")));
    EXPECT_EQ(file->path(), second);
    EXPECT_EQ(content(), "someone else's\r\n");
    EXPECT_EQ(readFileBytes(second, 100), "12\r\n");

    auto refused = create(dir.path() / "other.txt", DataPlacement::Keep);
    ASSERT_NE(refused, nullptr);
    ASSERT_EQ(writeFileAtomically(dir.path() / "other.txt", "theirs"), WriteResult::Written);
    EXPECT_FALSE(refused->append(bytesOf("12")));
    EXPECT_EQ(readFileBytes(dir.path() / "other.txt", 100), "theirs");
}

// A hidden file of a receive that was killed is removed by the next receive
// into the folder; one of a receive still running is not.
TEST_F(DataFileTest, TheNextReceiveRemovesTheHiddenFileOfAnEndedOne) {
    const auto stale = dir.path() / ".day.txt.receiving";
    const auto staleNumbered = dir.path() / ".day.txt.receiving3";
    ASSERT_EQ(writeFileAtomically(stale, "1\r\n"), WriteResult::Written);
    ASSERT_EQ(writeFileAtomically(staleNumbered, ""), WriteResult::Written);
    ASSERT_EQ(writeFileAtomically(dir.path() / ".receiving", "not one"), WriteResult::Written);
    auto running = create(dir.path() / "other.txt");
    ASSERT_NE(running, nullptr);
    const auto runningStaging = dir.path() / ".other.txt.receiving";
    ASSERT_TRUE(fs::exists(runningStaging));

    auto file = create();
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(staleNumbered));
    EXPECT_TRUE(fs::exists(runningStaging));
    EXPECT_TRUE(fs::exists(dir.path() / ".receiving"));
    ASSERT_TRUE(running->append(bytesOf("12")));
    EXPECT_EQ(readFileBytes(dir.path() / "other.txt", 100), "12\r\n");
}

}  // namespace
}  // namespace tessel::link
