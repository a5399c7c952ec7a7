#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/terminal_peer.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

class TerminalPeerTest : public ::testing::Test {
protected:
    PeerSettings settings;
    std::unique_ptr<TerminalPeer> peer;
    TimePoint now{};

    void make() { peer = std::make_unique<TerminalPeer>(settings); }
    std::string say(std::string_view text, Milliseconds after = 10ms) { return sayBytes(bytesOf(text), after); }
    std::string sayBytes(const ByteString& bytes, Milliseconds after = 10ms) {
        now += after;
        peer->receive(bytes, now);
        return std::string(textOf(peer->takeOutput()));
    }
};

TEST_F(TerminalPeerTest, IdentifiesAsConfigured) {
    for (std::string id : {"4760RU004", "4130RU004", "4150RU004", "9999RU999"}) {
        settings.identification = id;
        make();
        EXPECT_EQ(say("KORVAN\r"), id + "\r");
    }
    settings.full = true;
    make();
    EXPECT_EQ(say("KORVAN\r"), "FULL\r");
}

TEST_F(TerminalPeerTest, TakesFramesCheckingSumAndNumber) {
    make();
    say("KORVAN\r");
    ApplicationImage image{};
    image[5] = 0x42;
    auto frame = applicationFrame(image, 0);
    ByteString bad(frame.begin(), frame.end());
    bad[3] ^= 1;
    EXPECT_EQ(sayBytes(bad), "NAK\r");
    EXPECT_EQ(sayBytes(ByteString(frame.begin(), frame.end())), "ACK\r");
    EXPECT_EQ(sayBytes(ByteString(frame.begin(), frame.end())), "ACK\r") << "a frame sent again is acknowledged";
    auto skipped = applicationFrame(image, 2);
    EXPECT_EQ(sayBytes(ByteString(skipped.begin(), skipped.end())), "NAK\r");
}

TEST_F(TerminalPeerTest, DropsAPartFrameAfterAPause) {
    make();
    say("KORVAN\r");
    ApplicationImage image{};
    const auto frame = applicationFrame(image, 0);
    EXPECT_EQ(sayBytes(ByteString(frame.begin(), frame.begin() + 50)), "");
    peer->tick(now + 300ms);
    EXPECT_EQ(sayBytes(ByteString(frame.begin(), frame.end()), 1000ms), "ACK\r");
}

TEST_F(TerminalPeerTest, AnImmediateSecondKorvanOpensALookupDownload) {
    make();
    EXPECT_EQ(say("KORVAN\r"), "4760RU004\r");
    EXPECT_EQ(say("KORVAN\r", 5ms), "ACK\r");
    EXPECT_EQ(sayBytes(lookupRecordFrame(bytesOf("ABC"))), "ACK\r");
    EXPECT_EQ(say("AB\x01\x02\r"), "NAK\r");
    EXPECT_EQ(say("OVER\r"), "");
    EXPECT_EQ(peer->lookupRecords(), std::vector<ByteString>{bytesOf("ABC")});
    EXPECT_EQ(peer->takeEvents(), std::vector<TerminalPeer::Event>{TerminalPeer::Event::LookupReceived});
}

TEST_F(TerminalPeerTest, AQuickRepeatAfterItsAckAsksForTheIdentification) {
    make();
    say("KORVAN\r");
    EXPECT_EQ(say("KORVAN\r", 5ms), "ACK\r");
    EXPECT_EQ(say("KORVAN\r", 5ms), "4760RU004\r") << "the PC was after an application download";
}

TEST_F(TerminalPeerTest, AKorvanAfterASecondOfSilenceIsAskedForTheIdentificationAgain) {
    make();
    say("KORVAN\r");
    EXPECT_EQ(say("KORVAN\r", 1000ms), "4760RU004\r");
}

TEST_F(TerminalPeerTest, UploadsRecordsWithSequenceValuesAndRepeatsUnlessAcknowledged) {
    for (int i = 0; i < 12; ++i) settings.uploads.push_back(bytesOf("r" + std::to_string(i)));
    make();
    EXPECT_EQ(say("READ\r"), textOf(uploadRecord(0, bytesOf("r0"))));
    EXPECT_EQ(say("NAK\r"), textOf(uploadRecord(0, bytesOf("r0"))));
    EXPECT_EQ(say("AXK\r"), textOf(uploadRecord(0, bytesOf("r0"))));
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(say("ACK\r"), textOf(uploadRecord(static_cast<Byte>(i % 10), settings.uploads[i])));
    EXPECT_EQ(say("ACK\r"), "OVER\r");
    EXPECT_EQ(say("NAK\r"), "OVER\r");
    EXPECT_EQ(peer->uploadsAcknowledged(), 12u);
}

TEST_F(TerminalPeerTest, ANewReadStartsTheSequenceAgainAtTheFirstUnacknowledgedRecord) {
    settings.uploads = {bytesOf("a"), bytesOf("b"), bytesOf("c")};
    make();
    say("READ\r");
    say("ACK\r");
    EXPECT_EQ(say("READ\r"), textOf(uploadRecord(0, bytesOf("b"))));
}

}  // namespace
}  // namespace tessel::link
