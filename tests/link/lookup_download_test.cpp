#include <gtest/gtest.h>

#include <sstream>

#include "link/engine_harness.h"
#include "link/lookup_download.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using Kind = Action::Kind;

// Sends `content` as a lookup file to a terminal that acknowledges
// everything, and returns what went out after the opening keyword.
struct LookupRun {
    explicit LookupRun(const std::string& content) : file(content), handler(file, content.size()) {}

    std::vector<ByteString> acknowledgeAll() {
        harness.start();
        while (harness.engine().state() == TransferEngine::State::Running) harness.answer("ACK\r");
        auto sent = harness.sent();
        sent.erase(sent.begin());
        return sent;
    }

    std::istringstream file;
    LookupDownload handler;
    test::EngineHarness harness{handler};
};

TEST(LookupDownload, AnEmptyFileIsAnsweredWithOverAndCompletes) {
    LookupRun run("");
    EXPECT_EQ(run.acknowledgeAll(), std::vector<ByteString>{bytesOf("OVER\r")});
    EXPECT_EQ(run.harness.engine().result(), kCompleted);
}

TEST(LookupDownload, SendsEveryLineAsARecordThenOver) {
    LookupRun run("ABC\r\n\r\nD\r\nlast");
    EXPECT_EQ(run.acknowledgeAll(), (std::vector<ByteString>{test::bytes({0x41, 0x42, 0x43, 0x00, 0xC6, 0x0D}),
                                                             lookupRecordFrame(bytesOf("D")),
                                                             lookupRecordFrame(bytesOf("last")), bytesOf("OVER\r")}));
    EXPECT_EQ(run.harness.values(Kind::Progress), (std::vector<int>{0, 28, 64, 100}));
}

TEST(LookupDownload, AFileWithLineFeedEndsIsSentLineByLine) {
    LookupRun run("ABC\nD\nlast\n");
    EXPECT_EQ(run.acknowledgeAll(),
              (std::vector<ByteString>{lookupRecordFrame(bytesOf("ABC")), lookupRecordFrame(bytesOf("D")),
                                       lookupRecordFrame(bytesOf("last")), bytesOf("OVER\r")}));
    EXPECT_EQ(run.harness.engine().result(), kCompleted);
    EXPECT_EQ(run.harness.values(Kind::Progress).back(), 100);
}

TEST(LookupDownload, AnythingButAckHasTheRecordSentAgain) {
    LookupRun run("A\rB\r");
    run.harness.start();
    run.harness.answer("4130RU004\r");
    EXPECT_EQ(run.harness.sent().back(), bytesOf("KORVAN\r"));
    run.harness.answer("ACK\r");
    run.harness.answer("NAK\r");
    run.harness.answer("garbage\r");  // no answer: sent again after the time-out
    run.harness.wait(1000ms);
    const auto sent = run.harness.sent();
    EXPECT_EQ(sent, (std::vector<ByteString>{bytesOf("KORVAN\r"), bytesOf("KORVAN\r"), lookupRecordFrame(bytesOf("A")),
                                             lookupRecordFrame(bytesOf("A")), lookupRecordFrame(bytesOf("A"))}));
    EXPECT_EQ(run.harness.values(Kind::Progress), std::vector<int>({0, 50}));
}

// Answers cut up by a byte that turned into CR, each byte in a read of its
// own: one answer brings at most one record.
TEST(LookupDownload, AnAnswerCutInPiecesBringsOneRecordHoweverItIsRead) {
    struct Case {
        const char* answer;
        const char* record;  // the record sent next
    };
    for (const Case c :
         {Case{"A\rK\r", "A"}, Case{"\rCK\r", "A"}, Case{"N\rK\r", "A"}, Case{"\rACK\r", "B"}, Case{"ACK\r\r", "B"}}) {
        LookupRun run("A\rB\r");
        run.harness.start();
        run.harness.answer("ACK\r");
        run.harness.clear();
        run.harness.answerByteByByte(c.answer);
        // A garbled answer has the record sent again once the time-out is over.
        if (c.record == std::string_view("A")) run.harness.wait(1000ms);
        EXPECT_EQ(run.harness.sent(), std::vector<ByteString>{lookupRecordFrame(bytesOf(c.record))}) << c.answer;
    }
}

TEST(LookupDownload, AFileThatEndsBeforeItsSizeEndsWithDownloadError) {
    std::istringstream file("A\r");
    LookupDownload handler(file, 100);  // the file shrank after it was opened
    test::EngineHarness harness(handler);
    harness.start();
    harness.answer("ACK\r");
    harness.answer("ACK\r");
    EXPECT_EQ(harness.engine().result(), message::kDownloadError);
}

}  // namespace
}  // namespace tessel::link
