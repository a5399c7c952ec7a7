#include "link/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <cerrno>
#include <cstring>

#include "core/file_io.h"
#include "link/wire.h"
#include "support/temp_dir.h"

namespace tessel::link {
namespace {

class DataFileTest : public ::testing::Test {
protected:
    std::filesystem::path target() const { return dir.path() / "data.txt"; }
    std::optional<std::string> content() const { return readFileBytes(target(), 1 << 20); }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }

    test::TempDir dir;
};

TEST_F(DataFileTest, AnExistingFileStaysAsItWasUntilTheFirstRecord) {
    ASSERT_EQ(writeFileAtomically(target(), "kept\r\n"), WriteResult::Written);
    {
        auto file = DataFile::create(target());
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(content(), "kept\r\n");
        EXPECT_FALSE(file->placed());
    }
    EXPECT_EQ(content(), "kept\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DataFileTest, TheFirstRecordReplacesTheFileAndTheOthersFollowIt) {
    ASSERT_EQ(writeFileAtomically(target(), "old\r\n"), WriteResult::Written);
    auto file = DataFile::create(target());
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
    { EXPECT_NE(DataFile::create(target()), nullptr); }
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
    auto file = DataFile::create(target());
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

TEST_F(DataFileTest, AFolderThatTakesNoFileGivesNothing) {
    EXPECT_EQ(DataFile::create(dir.path() / "missing" / "data.txt"), nullptr);
}

}  // namespace
}  // namespace tessel::link
