#include <gtest/gtest.h>

#include "link/application_download.h"
#include "link/engine_harness.h"
#include "support/projects.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using Kind = Action::Kind;

class ApplicationDownloadTest : public ::testing::Test {
protected:
    Project project = test::newProject(kFamily4760);
    ApplicationDownload handler{project.definition, project.defaults};
    test::EngineHarness harness{handler};

    ApplicationImage expectedImage() {
        Definition prepared = project.definition;
        prepareForDownload(prepared);
        return buildImage(prepared, project.defaults);
    }
    static ByteString frameBytes(const ApplicationImage& image, std::size_t n) {
        const auto frame = applicationFrame(image, n);
        return ByteString(frame.begin(), frame.end());
    }
};

TEST_F(ApplicationDownloadTest, SendsTheImageInTwoHundredFramesOnePerAck) {
    const auto image = expectedImage();
    harness.start();
    harness.answer("4760RU004\r");
    for (int i = 0; i < 200; ++i) harness.answer("ACK\r");
    const auto sent = harness.sent();
    ASSERT_EQ(sent.size(), 201u);
    for (std::size_t n = 0; n < 200; ++n) ASSERT_EQ(sent[n + 1], frameBytes(image, n)) << "frame " << n;
    EXPECT_EQ(harness.engine().result(), kCompleted);
    EXPECT_EQ(harness.actions().back().kind, Kind::Done);
}

TEST_F(ApplicationDownloadTest, TheBarMovesAfterEveryOddFrameAndEndsAt100) {
    harness.start();
    harness.answer("4760RU004\r");
    for (int i = 0; i < 200; ++i) harness.answer("ACK\r");
    std::vector<int> expected{0};
    for (int frame = 1; frame <= 200; ++frame) expected.push_back((frame + 1) / 2);
    expected.push_back(100);
    EXPECT_EQ(harness.values(Kind::Progress), expected);
}

TEST_F(ApplicationDownloadTest, AnyIdentificationStartsTheDownloadWhateverTheFamily) {
    harness.start();
    harness.answer("4130RU004\r");
    EXPECT_EQ(harness.lastSent(), frameBytes(expectedImage(), 0));
}

TEST_F(ApplicationDownloadTest, ATenByteLineThatIsNoIdentificationIsRefusedWithNak) {
    harness.start();
    harness.answer("4130RU005\r");
    EXPECT_EQ(harness.lastSent(), bytesOf("NAK\r"));
    EXPECT_EQ(harness.engine().result(), message::kIncompatibleVersion);
}

// On a noisy line pieces of three answers can join into a 10-byte line; once
// the terminal has identified itself that is a damaged answer, not a version.
TEST_F(ApplicationDownloadTest, ATenByteLineAfterTheIdentificationHasTheFrameSentAgain) {
    const auto image = expectedImage();
    harness.start();
    harness.answer("4760RU004\r");
    harness.answer("ACK\r");
    harness.answer("CKACKACKA\r");
    EXPECT_EQ(harness.lastSent(), frameBytes(image, 1));
    EXPECT_EQ(harness.engine().state(), TransferEngine::State::Running);
    for (int i = 0; i < 199; ++i) harness.answer("ACK\r");
    EXPECT_EQ(harness.engine().result(), kCompleted);
    EXPECT_EQ(handler.identification(), "4760RU004");
}

TEST(FamilyMismatchWarning, NamesBothFamiliesWhenTheyDiffer) {
    struct Case {
        const char* identification;
        int family;
        bool warns;
    };
    const Case cases[] = {
        {"4760RU004", kFamily4760, false}, {"4130RU004", kFamilyGroup, false}, {"4150RU004", kFamilyGroup, false},
        {"4760RU004", kFamilyGroup, true}, {"4130RU004", kFamily4760, true},   {"", kFamily4760, false},
    };
    for (const auto& c : cases) {
        const auto warning = familyMismatchWarning(c.identification, c.family);
        EXPECT_EQ(!warning.empty(), c.warns) << c.identification << " " << c.family;
        if (!c.warns) continue;
        EXPECT_NE(warning.find(c.identification), std::string::npos) << warning;
        EXPECT_NE(warning.find("4760 family"), std::string::npos) << warning;
        EXPECT_NE(warning.find("4130 family"), std::string::npos) << warning;
    }
}

TEST_F(ApplicationDownloadTest, FullMemoryEndsTheDownload) {
    harness.start();
    harness.answer("FULL\r");
    EXPECT_EQ(harness.engine().result(), message::kMemoryFull);
}

TEST_F(ApplicationDownloadTest, UnexpectedAnswersHaveTheLastFrameSentAgain) {
    harness.start();
    harness.answer("4760RU\r");  // nine bytes, no keyword: sent again after the time-out
    EXPECT_EQ(harness.sent().size(), 1u);
    harness.wait(1000ms);
    EXPECT_EQ(harness.lastSent(), bytesOf("KORVAN\r"));
    harness.answer("ACK\r");  // nothing to acknowledge before the identification
    EXPECT_EQ(harness.sent(), std::vector<ByteString>(3, bytesOf("KORVAN\r")));
    harness.answer("4760RU004\r");
    harness.answer("ACK\r");
    harness.answer("NAK\r");
    const auto sent = harness.sent();
    EXPECT_EQ(sent.back(), frameBytes(expectedImage(), 1));
    EXPECT_EQ(sent[sent.size() - 2], sent.back());
    EXPECT_EQ(harness.engine().retries(), 1);
}

// Answers cut up by a byte that turned into CR, each byte in a read of its
// own: one answer brings at most one frame.
TEST_F(ApplicationDownloadTest, AnAnswerCutInPiecesBringsOneFrameHoweverItIsRead) {
    const auto image = expectedImage();
    struct Case {
        const char* answer;
        std::size_t frame;  // the frame sent next
    };
    for (const Case c : {Case{"A\rK\r", 0}, Case{"AC\r\r", 0}, Case{"\rCK\r", 0}, Case{"N\rK\r", 0}, Case{"\rACK\r", 1},
                         Case{"ACK\r\r", 1}}) {
        ApplicationDownload fresh(project.definition, project.defaults);
        test::EngineHarness run(fresh);
        run.start();
        run.answer("4760RU004\r");
        run.clear();
        run.answerByteByByte(c.answer);
        // A garbled answer has the frame sent again once the time-out is over.
        if (c.frame == 0) run.wait(1000ms);
        EXPECT_EQ(run.sent(), std::vector<ByteString>{frameBytes(image, c.frame)}) << c.answer;
    }
}

TEST_F(ApplicationDownloadTest, TenRejectionsOfOneFrameEndWithTimeOut) {
    harness.start();
    harness.answer("4760RU004\r");
    for (int i = 0; i < 10; ++i) harness.answer("NAK\r");
    EXPECT_EQ(harness.engine().state(), TransferEngine::State::Running);
    harness.answer("NAK\r");
    EXPECT_EQ(harness.engine().result(), message::kTimeOut);
    EXPECT_EQ(harness.sent().size(), 1u + 11u);
}

TEST_F(ApplicationDownloadTest, PreparesTheDefinitionInPlace) {
    Project changed = test::newProject(kFamily4760);
    changed.definition.menus[0].itemName[0] = TextCell{'1'};
    ApplicationDownload download(changed.definition, changed.defaults);
    EXPECT_EQ(changed.definition.menus[0].itemCount, 1);
}

// The image is the definition as it was when the download began: the
// exchange never reads the definition, which the user-interface thread goes
// on using while it runs.
TEST_F(ApplicationDownloadTest, SendsTheImageBuiltWhenTheDownloadBegan) {
    const auto image = expectedImage();
    project.definition.menus[0].itemName[0] = TextCell{'9'};
    harness.start();
    harness.answer("4760RU004\r");
    for (int i = 0; i < 200; ++i) harness.answer("ACK\r");
    const auto sent = harness.sent();
    ASSERT_EQ(sent.size(), 201u);
    for (std::size_t n = 0; n < 200; ++n) ASSERT_EQ(sent[n + 1], frameBytes(image, n)) << "frame " << n;
}

}  // namespace
}  // namespace tessel::link
