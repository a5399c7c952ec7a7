#include <gtest/gtest.h>

#include <sstream>

#include "link/application_download.h"
#include "link/engine_harness.h"
#include "link/line_faults.h"
#include "link/lookup_download.h"
#include "link/receive_data.h"
#include "link/simulated_link.h"
#include "support/projects.h"

namespace tessel::link {
namespace {

using test::SimulatedLink;

FaultSpec noisyLine() {
    std::string error;
    return *parseFaultSpec("drop=0.02,corrupt=0.02,delay=0.05,maxdelay=200,silence=0.01", error);
}

PeerSettings noisyTerminal() {
    PeerSettings settings;
    settings.collapseRepeatedLookupRecords = true;
    return settings;
}

// As the user answers the retry question with Yes: a failed exchange starts
// again from the beginning, a few times at most.
template <typename Attempt>
int withRetries(Attempt attempt) {
    int result = 0;
    for (int tries = 0; tries < 5 && result != kCompleted; ++tries) result = attempt();
    return result;
}

class FaultInjectionTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(FaultInjectionTest, ApplicationDownloadArrivesWhole) {
    Project project = test::newProject(kFamilyGroup);
    SimulatedLink sim(noisyTerminal(), noisyLine(), GetParam());
    const int result = withRetries([&] {
        ApplicationDownload handler(project.definition, project.defaults);
        return sim.run(handler).result;
    });
    ASSERT_EQ(result, kCompleted);
    Project fresh = test::newProject(kFamilyGroup);
    prepareForDownload(fresh.definition);
    EXPECT_EQ(*sim.peer.image(), buildImage(fresh.definition, fresh.defaults));
}

TEST_P(FaultInjectionTest, LookupRecordsArriveOnceEachInOrder) {
    std::string content;
    std::vector<ByteString> lines;
    for (int i = 0; i < 300; ++i) {
        lines.push_back(bytesOf("item " + std::to_string(i * 7919 % 1000)));
        content += std::string(textOf(lines.back())) + "\r\n";
    }
    SimulatedLink sim(noisyTerminal(), noisyLine(), GetParam());
    const int result = withRetries([&] {
        std::istringstream file(content);
        LookupDownload handler(file, content.size());
        return sim.run(handler).result;
    });
    ASSERT_EQ(result, kCompleted);
    sim.settle();
    EXPECT_TRUE(test::sameRecords(sim.peer.lookupRecords(), lines));
}

TEST_P(FaultInjectionTest, ReceivedRecordsAreWrittenOnceEachInOrder) {
    PeerSettings settings = noisyTerminal();
    for (int i = 0; i < 300; ++i) settings.uploads.push_back(bytesOf("scan;" + std::to_string(i) + ";\xC1"));
    SimulatedLink sim(settings, noisyLine(), GetParam());
    test::MemoryRecords records;
    // A failed receive is started again; the terminal kept what was not acknowledged.
    const int result = withRetries([&] {
        ReceiveData handler;
        return sim.run(handler, &records).result;
    });
    ASSERT_EQ(result, kCompleted);
    EXPECT_TRUE(test::sameRecords(records.lines, settings.uploads));
}

// The terminal deletes a record for every "ACK\r" it gets, so it must never
// get one more than the file has lines: not when a byte turned into CR cuts a
// record in two and each piece comes in a read of its own, and not when every
// answer arrives later than the response timer.
TEST_P(FaultInjectionTest, NoRecordIsAcknowledgedTwice) {
    FaultSpec cutLines = noisyLine();
    cutLines.strayCr = 0.1;
    FaultSpec lateAnswers = noisyLine();
    lateAnswers.latency = Milliseconds{1200};
    for (const auto& [what, faults] : {std::pair{"cut lines", cutLines}, std::pair{"late answers", lateAnswers}}) {
        PeerSettings settings = noisyTerminal();
        for (int i = 0; i < 100; ++i) settings.uploads.push_back(bytesOf("scan;" + std::to_string(i)));
        SimulatedLink sim(settings, faults, GetParam());
        sim.port->readLineByLine();
        test::MemoryRecords records;
        const int result = withRetries([&] {
            ReceiveData handler;
            return sim.run(handler, &records).result;
        });
        ASSERT_EQ(result, kCompleted) << what;
        EXPECT_TRUE(test::sameRecords(records.lines, settings.uploads)) << what;
        EXPECT_EQ(sim.peer.uploadsAcknowledged(), records.lines.size()) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FaultInjectionTest, ::testing::Values(1u, 2u, 3u, 42u, 2024u));

TEST(FaultSpec, ParsesItsItemsAndRefusesOthers) {
    std::string error;
    const auto faults = parseFaultSpec("drop=0.1,silence=0.5,maxdelay=50,cr=0.25,latency=1200", error);
    ASSERT_TRUE(faults);
    EXPECT_DOUBLE_EQ(faults->drop, 0.1);
    EXPECT_DOUBLE_EQ(faults->silence, 0.5);
    EXPECT_EQ(faults->maxDelay, Milliseconds(50));
    EXPECT_DOUBLE_EQ(faults->strayCr, 0.25);
    EXPECT_EQ(faults->latency, Milliseconds(1200));
    for (const char* bad : {"drop=2", "loss=0.1", "drop", "maxdelay=x", "latency=-5"}) {
        EXPECT_FALSE(parseFaultSpec(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

// A CR that was not sent cuts a line in two; only the stray-CR fault makes
// one, and only in the terminal's answers.
TEST(LineFaults, CorruptionNeverMakesALineEnd) {
    FaultSpec faults;
    faults.corrupt = 1;
    LineFaults line(faults, 11);
    for (int i = 0; i < 2000; ++i) {
        for (const auto& message : {bytesOf("ACK\r"), bytesOf("NAK\r"), bytesOf("\x0C\x0E\x0D\x0F")}) {
            for (const auto& damaged : {line.damage(message), line.damageAnswer(message)}) {
                ASSERT_EQ(damaged.size(), message.size());
                int changed = 0;
                for (std::size_t at = 0; at < message.size(); ++at) {
                    if (damaged[at] != message[at]) ++changed;
                    if (message[at] != kCr) {
                        ASSERT_NE(damaged[at], kCr) << "byte " << at << " of " << textOf(message);
                    }
                }
                EXPECT_EQ(changed, 1);
            }
        }
    }
}

TEST(LineFaults, TheSameSeedDamagesTheSameWay) {
    FaultSpec faults;
    faults.drop = 0.3;
    faults.corrupt = 0.3;
    const ByteString message(50, 'x');
    LineFaults a(faults, 7), b(faults, 7), c(faults, 8);
    std::vector<ByteString> first, same, other;
    for (int i = 0; i < 50; ++i) {
        first.push_back(a.damage(message));
        same.push_back(b.damage(message));
        other.push_back(c.damage(message));
    }
    EXPECT_EQ(first, same);
    EXPECT_NE(first, other);
    const auto damaged = std::count_if(first.begin(), first.end(), [&](const ByteString& m) { return m != message; });
    EXPECT_GT(damaged, 10);
    EXPECT_LT(damaged, 40);
}

}  // namespace
}  // namespace tessel::link
