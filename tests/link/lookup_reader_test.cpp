#include <gtest/gtest.h>

#include <sstream>

#include "link/engine_harness.h"
#include "link/lookup_reader.h"

namespace tessel::link {
namespace {

std::vector<ByteString> allFrames(LookupReader& reader) {
    std::vector<ByteString> frames;
    while (auto frame = reader.next()) frames.push_back(*frame);
    return frames;
}

TEST(LookupReader, SkipsBlankLinesAndLineFeedsAndSendsALastLineWithoutCr) {
    std::istringstream file("AB\r\n\r\n\r\nC\r\nDEF");
    LookupReader reader(file);
    EXPECT_EQ(allFrames(reader),
              (std::vector<ByteString>{lookupRecordFrame(bytesOf("AB")), lookupRecordFrame(bytesOf("C")),
                                       lookupRecordFrame(bytesOf("DEF"))}));
    // Every byte of the file, and one for the CR the last line lacked.
    EXPECT_EQ(reader.consumed(), file.str().size() + 1);
    EXPECT_FALSE(reader.failed());
}

// Linux tools end lines with LF alone, old Mac ones with CR alone.
TEST(LookupReader, TakesCrOrLfOrBothAsLineEnds) {
    const std::vector<ByteString> expected{lookupRecordFrame(bytesOf("ABC")), lookupRecordFrame(bytesOf("DEF")),
                                           lookupRecordFrame(bytesOf("G"))};
    for (const char* content : {"ABC\nDEF\nG\n", "ABC\rDEF\rG", "ABC\r\nDEF\n\nG\r\n", "\n\nABC\n\r\nDEF\rG"}) {
        std::istringstream file(content);
        LookupReader reader(file);
        EXPECT_EQ(allFrames(reader), expected) << content;
        const bool endsWithLineEnd = file.str().back() == '\n' || file.str().back() == '\r';
        EXPECT_EQ(reader.consumed(), file.str().size() + (endsWithLineEnd ? 0 : 1)) << content;
    }
}

TEST(LookupReader, CutsALineLongerThan255CharactersAndGoesOnWithTheNext) {
    std::istringstream file(std::string(300, 'x') + "\r\nnext\r\n");
    LookupReader reader(file);
    const auto frames = allFrames(reader);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], lookupRecordFrame(ByteString(255, 'x')));
    EXPECT_EQ(frames[1], lookupRecordFrame(bytesOf("next")));
    EXPECT_EQ(reader.cutRecords(), 1u);
    EXPECT_EQ(reader.consumed(), file.str().size());
}

TEST(LookupReader, ReadsFilesLargerThanItsBlock) {
    std::string content;
    for (int i = 0; i < 20000; ++i) content += std::to_string(i) + "\r\n";
    std::istringstream file(content);
    LookupReader reader(file);
    const auto frames = allFrames(reader);
    ASSERT_EQ(frames.size(), 20000u);
    EXPECT_EQ(frames[12345], lookupRecordFrame(bytesOf("12345")));
    EXPECT_EQ(reader.consumed(), content.size());
}

// A stream whose device fails, as a file on a vanishing disk does.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override { throw std::ios_base::failure("device gone"); }
};

TEST(LookupReader, ReportsAFailedRead) {
    FailingBuffer buffer;
    std::istream file(&buffer);
    LookupReader reader(file);
    EXPECT_EQ(reader.next(), std::nullopt);
    EXPECT_TRUE(reader.failed());
}

}  // namespace
}  // namespace tessel::link
