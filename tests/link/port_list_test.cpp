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
