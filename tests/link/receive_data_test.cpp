#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/receive_data.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using Kind = Action::Kind;

class ReceiveDataTest : public ::testing::Test {
protected:
    ReceiveData handler;
    test::EngineHarness harness{handler};

    void SetUp() override { harness.start(); }
    void record(int sequence, std::string_view data) {
        harness.answerBytes(uploadRecord(static_cast<Byte>(sequence), bytesOf(data)));
    }
};

TEST_F(ReceiveDataTest, WritesEachRecordBeforeAcknowledgingIt) {
    harness.answerBytes(test::bytes({0x00, 0x31, 0x32, 0x63, 0x00, 0x0D}));
    const std::vector<Action> expected{
        {Kind::Received, {}, 0}, {Kind::Send, bytesOf("READ\r")}, {Kind::WriteRecord, bytesOf("12")},
        {Kind::Received, {}, 1}, {Kind::Send, bytesOf("ACK\r")},
    };
    EXPECT_EQ(harness.actions(), expected);
}

TEST_F(ReceiveDataTest, SequenceValuesCountToNineAndStartAgain) {
    for (int i = 0; i < 12; ++i) record(i % 10, "r" + std::to_string(i));
    EXPECT_EQ(harness.written().size(), 12u);
    EXPECT_EQ(harness.written().back(), bytesOf("r11"));
    EXPECT_EQ(harness.values(Kind::Received).back(), 12);
}

TEST_F(ReceiveDataTest, ARecordSentAgainAfterALostAckIsAcknowledgedAndWrittenOnce) {
    record(0, "a");
    record(0, "a");
    EXPECT_EQ(harness.written(), std::vector<ByteString>{bytesOf("a")});
    EXPECT_EQ(harness.lastSent(), bytesOf("ACK\r"));
    record(1, "b");
    EXPECT_EQ(harness.written().size(), 2u);
}

TEST_F(ReceiveDataTest, RejectedRecordsAreAnsweredWithNak) {
    record(0, "a");
    struct Case {
        const char* what;
        ByteString line;
    };
    ByteString badChecksum = uploadRecord(1, bytesOf("b"));
    badChecksum[1] ^= 0x20;
    const Case cases[] = {
        {"wrong sequence value", uploadRecord(2, bytesOf("b"))},
        {"bad checksum", badChecksum},
    };
    for (const auto& c : cases) {
        harness.clear();
        harness.answerBytes(c.line);
        EXPECT_EQ(harness.actions(), std::vector<Action>{(Action{Kind::Send, bytesOf("NAK\r")})}) << c.what;
    }
    EXPECT_EQ(harness.engine().retries(), 2);
}

// Pieces of a line that a stray CR cut up are no answers: the response timer
// asks for the record again.
TEST_F(ReceiveDataTest, PiecesOfALineAreLeftToTheResponseTimer) {
    record(0, "a");
    struct Case {
        const char* what;
        ByteString line;
    };
    const Case cases[] = {
        {"too short", test::bytes({0x01, 0x01, 0x0D})},
        {"a lone CR", test::bytes({0x0D})},
        {"no sequence value", bytesOf("bc\x12\x01\r")},
    };
    for (const auto& c : cases) {
        harness.clear();
        harness.answerBytes(c.line);
        EXPECT_TRUE(harness.actions().empty()) << c.what;
    }
    harness.wait(1000ms);
    EXPECT_EQ(harness.sent(), std::vector<ByteString>{bytesOf("NAK\r")});
}

TEST_F(ReceiveDataTest, ARecordWithoutDataIsAnEmptyLine) {
    record(0, "");
    EXPECT_EQ(harness.written(), std::vector<ByteString>{ByteString{}});
}

TEST_F(ReceiveDataTest, BytesAbove7FAreKept) {
    record(0, "\xC1\xE0");
    EXPECT_EQ(harness.written(), std::vector<ByteString>{bytesOf("\xC1\xE0")});
}

TEST_F(ReceiveDataTest, OverCompletesAndAckIsIgnored) {
    harness.answer("ACK\r");
    EXPECT_EQ(harness.sent().size(), 1u);
    harness.answer("OVER\r");
    EXPECT_EQ(harness.engine().result(), kCompleted);
    EXPECT_TRUE(harness.written().empty());
}

TEST_F(ReceiveDataTest, TerminalNakHasTheLastAnswerSentAgain) {
    record(0, "a");
    harness.answer("NAK\r");
    EXPECT_EQ(harness.sent().back(), bytesOf("ACK\r"));
    EXPECT_EQ(harness.engine().retries(), 1);
}

// The terminal's "NAK\r" is its answer to the latest frame: what follows the
// resend is answered at once, not after the response timer.
TEST_F(ReceiveDataTest, WhatFollowsATerminalNakIsAnsweredAtOnce) {
    for (const bool copy : {false, true}) {
        ReceiveData fresh;
        test::EngineHarness run(fresh);
        run.start();
        run.answerBytes(uploadRecord(0, bytesOf("a")));
        run.answer("NAK\r");
        run.clear();
        // The resent ACK either got through (the next record comes) or was
        // lost as well (the accepted record comes again).
        run.answerBytes(uploadRecord(copy ? 0 : 1, bytesOf(copy ? "a" : "b")));
        EXPECT_EQ(run.sent(), std::vector<ByteString>{bytesOf("ACK\r")}) << copy;
        EXPECT_EQ(run.written().size(), copy ? 0u : 1u);
    }
}

TEST_F(ReceiveDataTest, SilenceAfterAnAckAsksForTheCurrentRecordAgain) {
    harness.wait(1000ms);
    EXPECT_EQ(harness.lastSent(), bytesOf("READ\r"));
    record(0, "a");
    harness.wait(1000ms);
    EXPECT_EQ(harness.lastSent(), bytesOf("NAK\r"));
    // The terminal had missed the ACK: its record comes again and is taken
    // once. The first copy may still be the answer to the second "READ\r",
    // so only the copy the next NAK brings is acknowledged.
    record(0, "a");
    EXPECT_EQ(harness.lastSent(), bytesOf("NAK\r"));
    harness.wait(1000ms);
    record(0, "a");
    EXPECT_EQ(harness.lastSent(), bytesOf("ACK\r"));
    record(1, "b");
    EXPECT_EQ(harness.written(), (std::vector<ByteString>{bytesOf("a"), bytesOf("b")}));
}

TEST_F(ReceiveDataTest, ARecordGarbledIntoTwoLinesGetsOneNakHoweverItIsRead) {
    ByteString garbled = uploadRecord(1, bytesOf("b3c"));
    garbled[3] = kCr;
    const auto cut = garbled.begin() + 4;
    for (const bool separateReads : {false, true}) {
        ReceiveData fresh;
        test::EngineHarness run(fresh);
        run.start();
        run.answerBytes(uploadRecord(0, bytesOf("a")));
        run.clear();
        if (separateReads) {
            run.answerBytes(ByteString(garbled.begin(), cut));
            run.answerBytes(ByteString(cut, garbled.end()));
        } else {
            run.answerBytes(garbled);
        }
        EXPECT_EQ(run.sent(), std::vector<ByteString>{bytesOf("NAK\r")}) << separateReads;
    }
}

// Answers that come later than the response timer: each record is asked for
// twice (its ACK, then the timer's NAK), and its second copy asks for nothing.
TEST_F(ReceiveDataTest, LateCopiesOfAnAcceptedRecordAreNotAcknowledgedAgain) {
    harness.wait(1000ms);  // "READ\r" again
    record(0, "a");        // the answer to the first "READ\r"
    record(0, "a");        // the answer to the second
    harness.wait(1000ms);  // "NAK\r" after the ACK
    record(1, "b");        // the answer to the ACK
    record(1, "b");        // the answer to the NAK
    EXPECT_EQ(harness.sent(), (std::vector<ByteString>{bytesOf("READ\r"), bytesOf("READ\r"), bytesOf("ACK\r"),
                                                       bytesOf("NAK\r"), bytesOf("ACK\r")}));
    EXPECT_EQ(harness.written(), (std::vector<ByteString>{bytesOf("a"), bytesOf("b")}));
    // A copy that follows a lost ACK is still acknowledged.
    harness.wait(1000ms);
    record(1, "b");
    EXPECT_EQ(harness.lastSent(), bytesOf("ACK\r"));
}

TEST_F(ReceiveDataTest, ASecondLineForTheSameRequestIsNotAnswered) {
    record(0, "a");
    harness.clear();
    ByteString twice = uploadRecord(1, bytesOf("b"));
    twice.insert(twice.end(), twice.begin(), twice.end());
    harness.answerBytes(twice);
    // One ACK: a second one would have the terminal skip the record after b.
    EXPECT_EQ(harness.sent(), std::vector<ByteString>{bytesOf("ACK\r")});
    EXPECT_EQ(harness.written(), std::vector<ByteString>{bytesOf("b")});
}

// Records whose last data byte and checksum spell a keyword: sequence 1
// ends in "NAK\r", sequence 2 in "ACK\r".
TEST_F(ReceiveDataTest, ARecordEndingLikeAKeywordIsStillARecord) {
    record(0, "a");
    const ByteString endsInNak = uploadRecord(1, bytesOf(std::string(157, 'z') + " N"));
    const ByteString endsInAck = uploadRecord(2, bytesOf(std::string(157, 'z') + ".A"));
    ASSERT_EQ(textOf(endsInNak).substr(endsInNak.size() - 4), "NAK\r");
    ASSERT_EQ(textOf(endsInAck).substr(endsInAck.size() - 4), "ACK\r");
    for (const auto& line : {endsInNak, endsInAck}) {
        harness.clear();
        harness.answerBytes(line);
        EXPECT_EQ(harness.written(), std::vector<ByteString>{ByteString(line.begin() + 1, line.end() - 3)});
        EXPECT_EQ(harness.sent(), std::vector<ByteString>{bytesOf("ACK\r")});
    }
    EXPECT_EQ(harness.values(Kind::Received).back(), 3);
}

TEST_F(ReceiveDataTest, ElevenRejectionsInARowEndWithTimeOut) {
    for (int i = 0; i < 10; ++i) record(5, "x");
    EXPECT_EQ(harness.engine().state(), TransferEngine::State::Running);
    record(5, "x");
    EXPECT_EQ(harness.engine().result(), message::kTimeOut);
}

}  // namespace
}  // namespace tessel::link
