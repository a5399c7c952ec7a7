// What a failed transfer tells the user beside its message: the filled-in
// sentences, the frame named in the user's words, and who holds a port.
#include <gtest/gtest.h>

#include <grp.h>
#include <unistd.h>

#include <fstream>

#include "core/application_image.h"
#include "link/failure_advice.h"
#include "link/port_holders.h"
#include "support/temp_dir.h"

namespace tessel::link {
namespace {

TEST(FailureAdvice, FillsNumberedPlacesAndLeavesOthers) {
    EXPECT_EQ(fillPlaces("%2 of %1, %1", {"a", "b"}), "b of a, a");
    EXPECT_EQ(fillPlaces("100% and %3 and %", {"a"}), "100% and %3 and %");
    EXPECT_EQ(adviceText({{"One %1.", {"x"}}, {"Two.", {}}}), "One x.\nTwo.");
}

TEST(FailureAdvice, NamesTheFrameThatWasNotAnswered) {
    EXPECT_EQ(describeFrame(bytesOf(kOpenDownload)), "KORVAN");
    EXPECT_EQ(describeFrame(bytesOf(kAck)), "ACK");
    ByteString frame(kFrameSize, 0);
    frame.back() = 11;
    EXPECT_EQ(describeFrame(frame), "frame 12 of 200");
    EXPECT_EQ(describeFrame(bytesOf("ABC\r")), "a lookup record");
}

TEST(FailureAdvice, SaysWhatToCheckForEachWayOfConnecting) {
    const PortEntry port{"/dev/ttyUSB0", "ttyUSB0"};
    const std::string cradle =
        adviceText(noAnswerAdvice(TransferMode::Application, bytesOf(kOpenDownload), port, 57600, 10, true));
    EXPECT_NE(cradle.find("Nothing answered KORVAN on ttyUSB0 (/dev/ttyUSB0) at 57600 bit/s, sent 11 times."),
              std::string::npos)
        << cradle;
    EXPECT_NE(cradle.find("download screen"), std::string::npos);
    EXPECT_NE(cradle.find("sits in the cradle"), std::string::npos);
    const std::string cable =
        adviceText(noAnswerAdvice(TransferMode::Receive, bytesOf(kOpenReceive), port, 9600, 10, false));
    EXPECT_NE(cable.find("upload screen"), std::string::npos);
    EXPECT_NE(cable.find("cable"), std::string::npos);
    EXPECT_EQ(cable.find("cradle"), std::string::npos);
}

TEST(FailureAdvice, APortThatIsGoneIsNamed) {
    EXPECT_EQ(adviceText(portGoneAdvice("/dev/ttyUSB0")),
              "The port /dev/ttyUSB0 chosen in the preferences is not there any more.\n"
              "Plug the device in again, or choose another port.");
}

TEST(PortHolders, FindsTheProcessesThatHoldADevice) {
    test::TempDir temp;
    const auto device = temp.path() / "ttyUSB0";
    std::ofstream(device) << "";
    const auto proc = temp.path() / "proc";
    for (const auto& [pid, program, target] :
         {std::tuple{"41", "minicom", device}, std::tuple{"42", "bash", temp.path() / "other"}}) {
        std::filesystem::create_directories(proc / pid / "fd");
        std::filesystem::create_symlink(target, proc / pid / "fd" / "3");
        std::ofstream(proc / pid / "comm") << program << "\n";
    }
    std::filesystem::create_directories(proc / "self-not-a-pid" / "fd");
    const auto holders = processesHolding(device, proc);
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders[0].pid, 41);
    EXPECT_EQ(holders[0].program, "minicom");
    EXPECT_TRUE(processesHolding(device, temp.path() / "no-such-proc").empty());
}

TEST(PortHolders, NamesTheGroupThatOwnsADevice) {
    test::TempDir temp;
    const auto device = temp.path() / "ttyS0";
    std::ofstream(device) << "";
    const group* mine = ::getgrgid(::getgid());
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(deviceGroup(device), std::string(mine->gr_name));
    EXPECT_EQ(deviceGroup(temp.path() / "missing"), std::nullopt);
}

}  // namespace
}  // namespace tessel::link
