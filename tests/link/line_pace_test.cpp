#include "link/line_pace.h"

#include <gtest/gtest.h>

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

TEST(LinePace, BytesCrossOneAfterTheOtherAtTheLineRate) {
    LinePace line(9600);  // 10 bits a byte: 960 bytes a second, 1.0417 ms each
    const TimePoint start{};
    line.enter(bytesOf("ABC"), start);
    EXPECT_EQ(line.leave(start + 1ms), ByteString{});
    EXPECT_EQ(line.leave(start + 1042us), bytesOf("A"));
    // Bytes entered while others are on the line wait for them.
    line.enter(bytesOf("D"), start + 1100us);
    EXPECT_EQ(line.leave(start + 3100us), bytesOf("B"));
    EXPECT_EQ(line.deadline(), start + 3 * std::chrono::nanoseconds(1'041'666));
    EXPECT_EQ(line.leave(start + 4200us), bytesOf("CD"));
    EXPECT_EQ(line.deadline(), std::nullopt);
    // An idle line starts again from the time the bytes enter.
    line.enter(bytesOf("E"), start + 1s);
    EXPECT_EQ(line.leave(start + 1s + 1ms), ByteString{});
    EXPECT_EQ(line.leave(start + 1s + 2ms), bytesOf("E"));
}

TEST(LinePace, WithoutARateBytesCrossAtOnce) {
    LinePace line(0);
    line.enter(bytesOf("ACK\r"), TimePoint{});
    EXPECT_EQ(line.leave(TimePoint{}), bytesOf("ACK\r"));
}

}  // namespace
}  // namespace tessel::link
