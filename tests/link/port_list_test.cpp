#include <gtest/gtest.h>

#include "link/port_list.h"

namespace tessel::link {
namespace {

TEST(PortKind, FollowsTheLastComponentOfTheDevicePath) {
    const std::pair<std::string_view, PortKind> cases[] = {
        {"\\Device\\bthmodem0", PortKind::Bluetooth},
        {"\\Device\\BtModem3", PortKind::Bluetooth},
        {"\\Device\\Serial0", PortKind::Serial},
        {"\\Device\\Silabser0", PortKind::Virtual},
        {"\\Device\\VCP0", PortKind::Virtual},
        {"/dev/ttyS0", PortKind::Serial},
        {"/dev/rfcomm1", PortKind::Bluetooth},
        {"/dev/ttyUSB0", PortKind::Virtual},
        {"/dev/ttyACM0", PortKind::Virtual},
        {"/dev/pts/7", PortKind::Virtual},
        {"Serial0", PortKind::NoPath},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(portKindOf(path), kind) << path;
}

TEST(PortListLine, NamesThePortAndItsKind) {
    const Strings strings;
    EXPECT_EQ(portListLine({"\\Device\\Serial0", "COM1"}, strings), "COM1 - Serial port");
    EXPECT_EQ(portListLine({"/dev/rfcomm0", "rfcomm0"}, strings), "rfcomm0 - Bluetooth port");
    EXPECT_EQ(portListLine({"/dev/ttyUSB0", "ttyUSB0"}, strings), "ttyUSB0 - Virtual port");
    EXPECT_EQ(portListLine({"Serial5", "COM5"}, strings), "COM5 - Unknown port");
}

TEST(PortNumber, IsTheNumberOfCOMnAndOneMoreThanTheTrailingNumberElsewhere) {
    const std::pair<std::string_view, std::optional<int>> cases[] = {
        {"COM12", 12}, {"com3", 3}, {"ttyS0", 1}, {"ttyUSB2", 3}, {"/dev/pts/4", 5}, {"rfcomm", std::nullopt},
    };
    for (const auto& [name, number] : cases) EXPECT_EQ(portNumberOf(name), number) << name;
}

TEST(ChosenPort, AnUnresolvedIndexTakesTheFirstPortWithThePreferredNumber) {
    const PortList ports{{"\\Device\\Serial0", "COM1"}, {"\\Device\\Serial1", "COM4"}};
    EXPECT_EQ(resolveChosenPort(ports, -1, 4), 1);
    EXPECT_EQ(resolveChosenPort(ports, 0, 4), 0);
    EXPECT_EQ(resolveChosenPort(ports, -1, 7), -1);
    const PortList linux{{"/dev/ttyS0", "ttyS0"}, {"/dev/ttyS1", "ttyS1"}};
    EXPECT_EQ(resolveChosenPort(linux, -1, 1), 0);
}

// A transfer goes only to the port that was chosen: never to another one
// that has moved up to its position in the list.
TEST(ChosenPort, AStoredPositionCountsOnlyWhileItNamesTheChosenPort) {
    const PortList now{{"/dev/ttyS0", "ttyS0"}, {"/dev/pts/7", "/dev/pts/7"}};
    struct Case {
        const char* what;
        int storedIndex;
        std::string storedName;
        int preferredNumber;
        std::optional<int> chosen;
        std::size_t listed;  // ports in the list afterwards
    };
    const Case cases[] = {
        {"the chosen terminal is still there", 1, "/dev/pts/7", 1, 1, 2},
        {"another terminal took its position", 1, "/dev/pts/4", 1, std::nullopt, 2},
        {"the list is shorter now", 2, "/dev/pts/9", 1, std::nullopt, 2},
        {"an older file without the name", 1, "", 1, 1, 2},
        {"an older file past the end", 5, "", 1, std::nullopt, 2},
        {"nothing chosen, the preferred number decides", -1, "", 1, 0, 2},
        {"nothing chosen, no port of that number", -1, "", 9, std::nullopt, 2},
        {"a typed path that is listed", -1, "/dev/pts/7", 1, 1, 2},
        {"a typed path listed by its device path", -1, "/dev/ttyS0", 1, 0, 2},
        {"a typed path the list lacks", -1, "/dev/rfcomm0", 1, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PortList ports = now;
        EXPECT_EQ(chosenPortIn(ports, c.storedIndex, c.storedName, c.preferredNumber), c.chosen);
        ASSERT_EQ(ports.size(), c.listed);
        if (c.listed > now.size()) {
            EXPECT_EQ(ports.back(), (PortEntry{c.storedName, c.storedName}));
        }
    }
}

TEST(FindPort, ComparesOnlyTheNameBeforeTheFirstSpace) {
    const PortList ports{{"\\Device\\Serial0", "COM1"}, {"\\Device\\Serial2", "COM3"}};
    EXPECT_EQ(findPortIndex(ports, "COM3 - Serial port"), 1);
    EXPECT_EQ(findPortIndex(ports, "COM33 - Serial port"), 0);
    EXPECT_EQ(findPort(ports, "COM3"), 1);
    EXPECT_EQ(findPort(ports, "\\Device\\Serial0"), 0);
    EXPECT_EQ(findPort(ports, "COM2"), std::nullopt);
    EXPECT_EQ(portKindAt(ports, 2), PortKind::None);
}

}  // namespace
}  // namespace tessel::link
