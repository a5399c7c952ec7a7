#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/line_assembler.h"

namespace tessel::link {
namespace {

using test::bytes;

struct Collected {
    std::vector<ByteString> lines;
    std::function<int(std::span<const Byte>)> handler(int result = 1) {
        return [this, result](std::span<const Byte> line) {
            lines.emplace_back(line.begin(), line.end());
            return result;
        };
    }
};

TEST(LineAssembler, JoinsALineSplitOverSeveralChunks) {
    LineAssembler assembler(false);
    Collected collected;
    for (std::string_view chunk : {"AC", "", "K", "\r"}) assembler.feed(bytesOf(chunk), collected.handler());
    EXPECT_EQ(collected.lines, std::vector<ByteString>{bytesOf("ACK\r")});
}

TEST(LineAssembler, HandsOverTwoLinesOfOneChunkInOrder) {
    LineAssembler assembler(false);
    Collected collected;
    assembler.feed(bytesOf("NAK\rACK\rOV"), collected.handler());
    EXPECT_EQ(collected.lines, (std::vector<ByteString>{bytesOf("NAK\r"), bytesOf("ACK\r")}));
}

TEST(LineAssembler, DropsBytesAbove7FOnlyOutsideTheReceiveMode) {
    const ByteString chunk = bytes({'A', 0xC1, 'C', 'K', 0x0D});
    Collected download, receive;
    LineAssembler(false).feed(chunk, download.handler());
    LineAssembler(true).feed(chunk, receive.handler());
    EXPECT_EQ(download.lines.at(0), bytesOf("ACK\r"));
    EXPECT_EQ(receive.lines.at(0), chunk);
}

TEST(LineAssembler, KeepsTheFirst1024BytesOfALongLine) {
    LineAssembler assembler(true);
    Collected collected;
    ByteString chunk(1500, 'x');
    chunk.push_back(kCr);
    assembler.feed(chunk, collected.handler());
    ASSERT_EQ(collected.lines.size(), 1u);
    EXPECT_EQ(collected.lines[0], ByteString(1024, 'x'));
}

TEST(LineAssembler, StopsAtTheFirstFailingLineAndDropsTheRest) {
    LineAssembler assembler(false);
    Collected collected;
    EXPECT_EQ(assembler.feed(bytesOf("FULL\rACK\r"), collected.handler(1146)), 1146);
    EXPECT_EQ(collected.lines.size(), 1u);
}

}  // namespace
}  // namespace tessel::link
