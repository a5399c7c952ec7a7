// Whole transfers through a real pseudo-terminal, with the real port class on
// the PC's side and the simulated terminal served on the other.
#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>
#include <thread>

#include "link/application_download.h"
#include "link/engine_harness.h"
#include "link/lookup_download.h"
#include "link/platform/qt_serial_port.h"
#include "link/platform/virtual_terminals.h"
#include "link/receive_data.h"
#include "link/simulated_link.h"
#include "support/projects.h"
#include "support/served_terminal.h"

namespace tessel::link {
namespace {

using test::ServedTerminal;

TEST(PseudoTerminalLink, DownloadsTheApplicationImage) {
    PeerSettings settings;
    settings.identification = "4130RU004";
    ServedTerminal terminal(settings);
    Project project = test::newProject(kFamily4760);
    ApplicationDownload handler(project.definition, project.defaults);
    ASSERT_EQ(terminal.run(handler).result, kCompleted);
    const ApplicationImage* image = terminal.stopServing().image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, buildImage(project.definition, project.defaults));
}

TEST(PseudoTerminalLink, LookupAndReceiveRoundTrip) {
    PeerSettings settings;
    settings.uploads = {bytesOf("12"), bytesOf("\xC1\xE0;7"), {}};
    ServedTerminal terminal(settings);
    std::istringstream file("ABC\r\n\r\nDEF");
    LookupDownload lookup(file, file.str().size());
    ASSERT_EQ(terminal.run(lookup).result, kCompleted);
    ReceiveData receive;
    test::MemoryRecords records;
    ASSERT_EQ(terminal.run(receive, &records).result, kCompleted);
    EXPECT_EQ(records.lines, settings.uploads);
    EXPECT_EQ(terminal.stopServing().lookupRecords(), (std::vector<ByteString>{bytesOf("ABC"), bytesOf("DEF")}));
}

TEST(PseudoTerminalLink, ServedTerminalsAreListedWhileRegistered) {
    ServedTerminal terminal(PeerSettings{});
    const PortEntry expected{terminal.devicePath(), terminal.devicePath()};
    {
        VirtualTerminalEntry entry(terminal.devicePath());
        const PortList listed = listVirtualTerminals();
        EXPECT_NE(std::find(listed.begin(), listed.end(), expected), listed.end());
    }
    const PortList listed = listVirtualTerminals();
    EXPECT_EQ(std::find(listed.begin(), listed.end(), expected), listed.end());
}

TEST(QtSerialPort, AMissingDeviceSaysSo) {
    QtSerialPort port;
    const PortEntry missing{"/dev/tessel-no-such-port", "tessel-no-such-port"};
    const OpenResult result = port.open(missing);
    EXPECT_FALSE(result.opened());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(adviceText(openFailureAdvice(missing, result)).find("tessel-no-such-port"), std::string::npos);
}

// Another program holding the port is no permission problem: the message
// must not send the user to change groups.
TEST(QtSerialPort, APortInUseIsReportedAsInUse) {
    ServedTerminal terminal(PeerSettings{});
    const PortEntry entry{terminal.devicePath(), terminal.devicePath()};
    QtSerialPort holder;
    ASSERT_TRUE(holder.open(entry).opened());
    QtSerialPort second;
    const OpenResult result = second.open(entry);
    EXPECT_EQ(result.status, OpenResult::Status::Busy) << result.detail;
    const std::string explained = adviceText(openFailureAdvice(entry, result));
    EXPECT_NE(explained.find("in use by another program"), std::string::npos) << explained;
    EXPECT_EQ(explained.find("dialout"), std::string::npos) << explained;
    // The holder is this very test program, which the advice names.
    EXPECT_NE(explained.find("(process " + std::to_string(::getpid()) + ")"), std::string::npos) << explained;
    holder.close();
    EXPECT_TRUE(second.open(entry).opened());
}

}  // namespace
}  // namespace tessel::link
