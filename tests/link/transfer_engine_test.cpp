#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/receive_data.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using Kind = Action::Kind;

// A handler that takes every line for progress, to watch the engine alone.
class AcceptEverything : public AnswerHandler {
public:
    explicit AcceptEverything(TransferMode mode) : mode_(mode) {}
    TransferMode mode() const override { return mode_; }
    int handleLine(std::span<const Byte>, Exchange& exchange) override {
        exchange.resetRetries();
        exchange.send(bytesOf("NEXT\r"));
        return kCompleted;
    }

private:
    TransferMode mode_;
};

TEST(TransferEngine, SendsTheOpeningKeywordOfItsMode) {
    struct Case {
        TransferMode mode;
        std::string_view keyword;
    };
    for (const Case c : {Case{TransferMode::Application, "KORVAN\r"}, Case{TransferMode::Lookup, "KORVAN\r"},
                         Case{TransferMode::Receive, "READ\r"}}) {
        AcceptEverything handler(c.mode);
        test::EngineHarness harness(handler);
        harness.start();
        EXPECT_EQ(harness.sent(), std::vector<ByteString>{bytesOf(c.keyword)});
        EXPECT_EQ(harness.engine().deadline(), harness.now() + 1000ms);
    }
}

TEST(TransferEngine, ASilentTerminalGetsTheKeywordElevenTimesASecondApartThenTimeOut) {
    AcceptEverything handler(TransferMode::Application);
    test::EngineHarness harness(handler);
    harness.start();
    std::vector<TimePoint> sendTimes{harness.now()};
    for (int second = 0; second < 11; ++second) {
        harness.wait(999ms);
        ASSERT_EQ(harness.sent().size(), sendTimes.size()) << "resent before the second was over";
        harness.wait(1ms);
        if (harness.sent().size() > sendTimes.size()) sendTimes.push_back(harness.now());
    }
    EXPECT_EQ(sendTimes.size(), 11u);
    for (std::size_t i = 1; i < sendTimes.size(); ++i) EXPECT_EQ(sendTimes[i] - sendTimes[i - 1], 1000ms);
    for (const auto& frame : harness.sent()) EXPECT_EQ(frame, bytesOf("KORVAN\r"));
    EXPECT_EQ(harness.engine().state(), TransferEngine::State::Finished);
    EXPECT_EQ(harness.engine().result(), message::kTimeOut);
    EXPECT_EQ(harness.actions().back(), (Action{Kind::Abort, {}, message::kTimeOut}));
}

TEST(TransferEngine, ProgressGivesTheFrameElevenSendsAgain) {
    AcceptEverything handler(TransferMode::Lookup);
    test::EngineHarness harness(handler);
    harness.start();
    for (int i = 0; i < 8; ++i) harness.wait(1000ms);
    harness.answer("ACK\r");
    EXPECT_EQ(harness.engine().retries(), 0);
    for (int i = 0; i < 10; ++i) harness.wait(1000ms);
    EXPECT_EQ(harness.engine().state(), TransferEngine::State::Running);
    harness.wait(1000ms);
    EXPECT_EQ(harness.engine().result(), message::kTimeOut);
}

TEST(TransferEngine, CancelEndsWithZeroAndStopsTheTimer) {
    AcceptEverything handler(TransferMode::Application);
    test::EngineHarness harness(handler);
    harness.start();
    harness.engine().cancel();
    harness.clear();
    harness.wait(5000ms);
    harness.answer("ACK\r");
    EXPECT_TRUE(harness.actions().empty());
    EXPECT_EQ(harness.engine().result(), kCancelled);
    EXPECT_EQ(harness.engine().deadline(), std::nullopt);
}

TEST(TransferEngine, AFailedSendEndsWithTheErrorOfItsMode) {
    for (const auto& [mode, expected] : {std::pair{TransferMode::Application, message::kDownloadError},
                                         std::pair{TransferMode::Receive, message::kUploadError}}) {
        AcceptEverything handler(mode);
        test::EngineHarness harness(handler);
        harness.start();
        harness.engine().sendFailed();
        EXPECT_EQ(harness.engine().result(), expected);
        EXPECT_EQ(harness.engine().takeActions(), std::vector<Action>{(Action{Kind::Abort, {}, expected})});
    }
}

TEST(TransferEngine, BytesAfterTheCompletingLineAreDropped) {
    ReceiveData handler;
    test::EngineHarness harness(handler);
    harness.start();
    harness.answer(
        "OVER\r\x01"
        "garbage\r");
    EXPECT_EQ(harness.engine().result(), kCompleted);
    EXPECT_EQ(harness.sent().size(), 1u);
}

}  // namespace
}  // namespace tessel::link
