#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/wire.h"

namespace tessel::link {
namespace {

using test::bytes;

TEST(LookupRecordFrame, CarriesTheSumHighThenLowWithCrSentAs14) {
    EXPECT_EQ(lookupRecordFrame(bytesOf("ABC")), bytes({0x41, 0x42, 0x43, 0x00, 0xC6, 0x0D}));
    // 0x0D = 13 as the low byte of the sum goes as 14; so does a high byte of 13.
    EXPECT_EQ(lookupRecordFrame(bytes({0x0D - 1, 0x01})), bytes({0x0C, 0x01, 0x00, 0x0E, 0x0D}));
    ByteString highThirteen(13, 0xFF);  // the sum 0x0D01
    highThirteen.push_back(0x0E);
    const ByteString frame = lookupRecordFrame(highThirteen);
    EXPECT_EQ(ByteString(frame.end() - 3, frame.end()), bytes({0x0E, 0x01, 0x0D}));
}

TEST(UploadRecord, CarriesTheSumOfSequenceAndDataLowThenHigh) {
    EXPECT_EQ(uploadRecord(0, bytesOf("12")), bytes({0x00, 0x31, 0x32, 0x63, 0x00, 0x0D}));
    EXPECT_EQ(uploadRecord(3, bytes({0x0A})), bytes({0x03, 0x0A, 0x0E, 0x00, 0x0D}));
    EXPECT_EQ(uploadRecord(0, {}), bytes({0x00, 0x00, 0x00, 0x0D}));
}

TEST(UploadRecord, ChecksumIsCheckedAfterTheSameReplacement) {
    EXPECT_TRUE(uploadChecksumMatches(uploadRecord(3, bytes({0x0A}))));
    EXPECT_TRUE(uploadChecksumMatches(bytes({0x00, 0x31, 0x32, 0x63, 0x00, 0x0D})));
    EXPECT_FALSE(uploadChecksumMatches(bytes({0x00, 0x31, 0x33, 0x63, 0x00, 0x0D})));
    EXPECT_FALSE(uploadChecksumMatches(bytes({0x00, 0x00, 0x0D})));
}

TEST(Keywords, AreFoundAnywhereBeforeTheFirstZeroByte) {
    struct Case {
        ByteString line;
        bool found;
    };
    const Case cases[] = {
        {bytesOf("ACK\r"), true},
        {bytesOf("xxACK\r"), true},
        {bytesOf("ACK"), false},
        {bytes({0x00, 'A', 'C', 'K', 0x0D}), false},
        {bytes({'N', 'A', 'C', 'K', 0x0D, 0x00}), true},
    };
    for (const auto& c : cases) EXPECT_EQ(containsKeyword(c.line, kAck), c.found) << textOf(c.line);
}

TEST(Identification, ComparesTheFirstNineCharacters) {
    for (auto id : kIdentifications) EXPECT_TRUE(isIdentification(bytesOf(std::string(id) + "\r")));
    EXPECT_TRUE(isIdentification(bytesOf("4130RU004xyz\r")));
    EXPECT_FALSE(isIdentification(bytesOf("4130RU005\r")));
    EXPECT_FALSE(isIdentification(bytesOf("4130RU\r")));
}

}  // namespace
}  // namespace tessel::link
