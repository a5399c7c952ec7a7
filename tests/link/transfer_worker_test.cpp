#include <gtest/gtest.h>

#include <sstream>

#include "link/application_download.h"
#include "link/engine_harness.h"
#include "link/lookup_download.h"
#include "link/receive_data.h"
#include "link/simulated_link.h"
#include "support/projects.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using test::SimulatedLink;

ApplicationImage imageOf(Project project) {
    prepareForDownload(project.definition);
    return buildImage(project.definition, project.defaults);
}

PeerSettings terminal(std::string identification = "4760RU004") {
    PeerSettings settings;
    settings.identification = std::move(identification);
    return settings;
}

TEST(TransferWorker, DownloadsTheImageOfEitherFamilyDirectOrThroughTheCradle) {
    struct Case {
        int family;
        std::string identification;
        int linkKind;
        std::optional<int> cradleRate;
    };
    const Case cases[] = {
        {kFamily4760, "4760RU004", 0, 57600},
        {kFamily4760, "4130RU004", 2, std::nullopt},
        {kFamilyGroup, "4140RU004", 2, std::nullopt},
    };
    for (const auto& c : cases) {
        Project project = test::newProject(c.family);
        SimulatedLink sim(terminal(c.identification), {}, 1, c.cradleRate);
        ApplicationDownload handler(project.definition, project.defaults);
        const auto outcome = sim.run(handler, nullptr, c.linkKind, 1);
        ASSERT_EQ(outcome.result, kCompleted) << c.identification;
        ASSERT_NE(sim.peer.image(), nullptr);
        EXPECT_EQ(*sim.peer.image(), imageOf(test::newProject(c.family)));
        EXPECT_EQ(sim.observer.positions.back(), 100);
        EXPECT_FALSE(sim.port->isOpen());
    }
}

TEST(TransferWorker, LookupDownloadAndReceiveRoundTrip) {
    SimulatedLink sim(terminal());
    std::istringstream file("ABC\r\n12345\r\n\r\nlast line");
    LookupDownload lookup(file, file.str().size());
    ASSERT_EQ(sim.run(lookup).result, kCompleted);
    EXPECT_EQ(sim.peer.lookupRecords(),
              (std::vector<ByteString>{bytesOf("ABC"), bytesOf("12345"), bytesOf("last line")}));

    PeerSettings uploading = terminal();
    for (int i = 0; i < 25; ++i) uploading.uploads.push_back(bytesOf("record " + std::to_string(i)));
    uploading.uploads.push_back({});
    SimulatedLink upload(uploading);
    ReceiveData receive;
    test::MemoryRecords records;
    ASSERT_EQ(upload.run(receive, &records).result, kCompleted);
    EXPECT_EQ(records.lines, uploading.uploads);
    EXPECT_EQ(upload.observer.counts.back(), 26);
}

TEST(TransferWorker, ASilentTerminalHearsTheKeywordElevenTimesThenTimeOut) {
    ManualClock clock;
    CradleTiming timing;
    FakePort port(clock, nullptr);
    TransferWorker worker([&] { return std::make_unique<test::ForwardingPort>(port); }, clock, timing);
    ReceiveData handler;
    test::CountingObserver observer;
    worker.start({{{"/dev/ttyS0", "ttyS0"}}, 0, 2, 0, &handler, nullptr}, observer);
    const TransferOutcome outcome = worker.wait();
    EXPECT_EQ(outcome.result, message::kTimeOut);
    EXPECT_EQ(observer.resends, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // What was not answered, where, and what to check.
    const std::string advice = adviceText(outcome.advice);
    for (const char* part : {"Nothing answered READ on ttyS0 (/dev/ttyS0) at 115200 bit/s, sent 11 times.",
                             "upload screen", "cable", "both sides use 115200 bit/s"}) {
        EXPECT_NE(advice.find(part), std::string::npos) << part << " not in: " << advice;
    }
    const auto& times = port.writeTimes();
    ASSERT_EQ(times.size(), 11u);
    for (std::size_t i = 1; i < times.size(); ++i) {
        EXPECT_GE(times[i] - times[i - 1], 1000ms);
        EXPECT_LE(times[i] - times[i - 1], 1060ms);
    }
    EXPECT_FALSE(port.isOpen());
}

TEST(TransferWorker, PortFailuresEndWithTheirMessageAndReleaseThePort) {
    struct Case {
        const char* what;
        std::function<void(SimulatedLink&)> arrange;
        int linkKind;
        int expected;
    };
    const Case cases[] = {
        {"no such port", [](SimulatedLink& l) { l.ports.clear(); }, 2, message::kNoPort},
        {"permission", [](SimulatedLink& l) { l.port->refuseOpen(OpenResult::Status::PermissionDenied); }, 2,
         message::kCannotOpenPort},
        {"no cradle", [](SimulatedLink&) {}, 0, message::kCannotConfigureCradle},
        {"unplugged mid-transfer", [](SimulatedLink& l) { l.port->unplugAfter(20); }, 2, message::kDownloadError},
    };
    for (const auto& c : cases) {
        Project project = test::newProject(kFamily4760);
        SimulatedLink sim(terminal());
        c.arrange(sim);
        ApplicationDownload handler(project.definition, project.defaults);
        const auto outcome = sim.run(handler, nullptr, c.linkKind);
        EXPECT_EQ(outcome.result, c.expected) << c.what;
        EXPECT_FALSE(sim.port->isOpen()) << c.what;
    }
}

TEST(TransferWorker, APermissionProblemSaysHowToFixIt) {
    Project project = test::newProject(kFamily4760);
    SimulatedLink sim(terminal());
    sim.port->refuseOpen(OpenResult::Status::PermissionDenied);
    ApplicationDownload handler(project.definition, project.defaults);
    const std::string advice = adviceText(sim.run(handler).advice);
    EXPECT_NE(advice.find("no permission to use ttyS0"), std::string::npos) << advice;
    EXPECT_NE(advice.find("log out and in again"), std::string::npos) << advice;
}

TEST(TransferWorker, ARecordThatCannotBeWrittenIsNotAcknowledged) {
    PeerSettings uploading = terminal();
    uploading.uploads = {bytesOf("a"), bytesOf("b")};
    SimulatedLink sim(uploading);
    ReceiveData handler;
    test::MemoryRecords records;
    records.refuse = true;
    const auto outcome = sim.run(handler, &records);
    EXPECT_EQ(outcome.result, message::kUploadError);
    EXPECT_EQ(outcome.detail, "disk full");
    EXPECT_EQ(sim.peer.uploadsAcknowledged(), 0u);
}

TEST(TransferWorker, ReportsTheSetUpStepsBeforeTheExchange) {
    Project project = test::newProject(kFamily4760);
    SimulatedLink sim(terminal(), {}, 1, 57600);
    ApplicationDownload handler(project.definition, project.defaults);
    ASSERT_EQ(sim.run(handler, nullptr, 0, 1).result, kCompleted);
    EXPECT_EQ(sim.observer.steps, (std::vector<OpeningStep>{OpeningStep::Port, OpeningStep::Cradle}));
}

// The cradle set-up takes about two seconds; cancel ends it at once.
TEST(TransferWorker, CancelDuringTheCradleSetUpEndsItAtOnce) {
    Project project = test::newProject(kFamily4760);
    SimulatedLink sim(terminal());  // no cradle: the set-up would probe every rate
    ApplicationDownload handler(project.definition, project.defaults);
    TransferWorker worker(sim.portMaker(), sim.clock, sim.timing);
    TimePoint cancelledAt{};
    sim.observer.onStep = [&](OpeningStep step) {
        if (step != OpeningStep::Cradle) return;
        cancelledAt = sim.clock.now();
        worker.cancel();
    };
    worker.start({sim.ports, 0, kLinkKindCradle, 1, &handler, nullptr}, sim.observer);
    EXPECT_EQ(worker.wait().result, kCancelled);
    EXPECT_LT(sim.clock.now() - cancelledAt, Milliseconds{100});
    const auto probes = std::count_if(sim.port->log().begin(), sim.port->log().end(), [](const FakePort::Step& s) {
        return s.kind == FakePort::Step::Kind::Write && s.bytes == ByteString{kCradleProbe};
    });
    EXPECT_EQ(probes, 0);
    EXPECT_FALSE(sim.port->isOpen());
}

// A handler whose answer handling fails, as an image builder out of memory would.
class ThrowingHandler : public AnswerHandler {
public:
    TransferMode mode() const override { return TransferMode::Application; }
    int handleLine(std::span<const Byte>, Exchange&) override { throw std::runtime_error("no memory for the image"); }
};

struct ThrowingObserver : TransferObserver {
    void progress(int) override { throw std::runtime_error("window gone"); }
};

TEST(TransferWorker, AFailureOnTheWorkerEndsTheExchangeWithItsMessage) {
    struct Case {
        const char* what;
        bool throwingPortMaker;
        bool throwingHandler;
        bool throwingObserver;
        std::string detail;
    };
    const Case cases[] = {
        {"port maker", true, false, false, "no port today"},
        {"handler", false, true, false, "no memory for the image"},
        {"observer", false, false, true, "window gone"},
    };
    for (const auto& c : cases) {
        Project project = test::newProject(kFamily4760);
        SimulatedLink sim(terminal());
        ThrowingHandler throwing;
        ApplicationDownload download(project.definition, project.defaults);
        ThrowingObserver throwingObserver;
        PortMaker maker = sim.portMaker();
        if (c.throwingPortMaker)
            maker = []() -> std::unique_ptr<SerialPort> { throw std::runtime_error("no port today"); };
        TransferWorker worker(maker, sim.clock, sim.timing);
        AnswerHandler& handler = c.throwingHandler ? static_cast<AnswerHandler&>(throwing) : download;
        TransferObserver& observer =
            c.throwingObserver ? throwingObserver : static_cast<TransferObserver&>(sim.observer);
        worker.start({sim.ports, 0, 2, 0, &handler, nullptr}, observer);
        const auto outcome = worker.wait();
        EXPECT_EQ(outcome.result, message::kNoConnection) << c.what;
        EXPECT_EQ(outcome.detail, c.detail) << c.what;
        EXPECT_TRUE(worker.finished()) << c.what;
        EXPECT_FALSE(sim.port->isOpen()) << c.what;
    }
}

TEST(TransferWorker, CancelEndsWithZeroKeepingWhatWasAcknowledged) {
    PeerSettings uploading = terminal();
    for (int i = 0; i < 10; ++i) uploading.uploads.push_back(bytesOf(std::to_string(i)));
    SimulatedLink sim(uploading);
    ReceiveData handler;
    test::MemoryRecords records;
    TransferWorker worker(sim.portMaker(), sim.clock, sim.timing);
    sim.observer.onReceived = [&](int count) {
        if (count == 3) worker.cancel();
    };
    worker.start({sim.ports, 0, 2, 0, &handler, &records}, sim.observer);
    EXPECT_EQ(worker.wait().result, kCancelled);
    EXPECT_EQ(records.lines.size(), 3u);
    EXPECT_LE(sim.peer.uploadsAcknowledged(), 3u);
    EXPECT_FALSE(sim.port->isOpen());
}

}  // namespace
}  // namespace tessel::link
