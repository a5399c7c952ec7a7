// `tessel receive` against a simulated terminal on a pseudo-terminal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "core/file_io.h"
#include "link/data_file_name.h"
#include "link/platform/pseudo_terminal.h"
#include "support/run_tessel.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

class ReceiveCommand : public ::testing::Test {
protected:
    ReceiveCommand() { EXPECT_EQ(writeFileAtomically(output(), "earlier\r\n"), WriteResult::Written); }

    std::filesystem::path output() const { return dir.path() / "data.txt"; }
    std::optional<std::string> outputContent() const { return readFileBytes(output(), 1 << 20); }
    test::ToolRun receive(const std::string& port, std::vector<std::string> options = {},
                          const std::string& pattern = {}) {
        std::vector<std::string> arguments{
            "receive", pattern.empty() ? output().string() : pattern, "--port", port, "--via", "cable"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return test::runTessel(arguments, scratch.path());
    }
    static link::PeerSettings twoRecords() {
        link::PeerSettings settings;
        settings.uploads = {link::bytesOf("12"), link::bytesOf("A;7")};
        return settings;
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }

    test::TempDir dir;
    test::TempDir scratch;
};

TEST_F(ReceiveCommand, APortThatCannotBeOpenedLeavesAnExistingFileAlone) {
    const auto run = receive("/dev/tessel-no-such-port");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot open the COM port!"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("/dev/tessel-no-such-port does not exist (any more). Is the device plugged in?"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(outputContent(), "earlier\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

// After "Time out!" the tool says what went unanswered, where, and what to check.
TEST_F(ReceiveCommand, ASilentTerminalIsExplained) {
    std::string error;
    const auto silent = link::PseudoTerminalServer::open(error);
    ASSERT_NE(silent, nullptr) << error;
    const auto run = receive(silent->devicePath());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Time out!\nNothing answered READ on " + silent->devicePath() +
                           " at 115200 bit/s, sent 11 times.\nCheck that the terminal shows its upload screen"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(outputContent(), "earlier\r\n");
}

TEST_F(ReceiveCommand, ATerminalWithNothingToSendExitsWith3AndLeavesAnExistingFileAlone) {
    test::ServedTerminal terminal(link::PeerSettings{});
    const auto run = receive(terminal.devicePath());
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "No data received!\n" + output().string() + " was left as it was.\n");
    EXPECT_EQ(outputContent(), "earlier\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(ReceiveCommand, ReceivedRecordsReplaceTheFile) {
    test::ServedTerminal terminal(twoRecords());
    const auto run = receive(terminal.devicePath());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Done : 2 records received.\n");
    EXPECT_EQ(outputContent(), "12\r\nA;7\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(ReceiveCommand, AppendAddsTheRecordsAfterWhatWasThere) {
    test::ServedTerminal terminal(twoRecords());
    const auto run = receive(terminal.devicePath(), {"--append"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(outputContent(), "earlier\r\n12\r\nA;7\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

// A full disk in the middle of an append: what was there and the records
// acknowledged stay whole, and the record that did not fit is not
// acknowledged, so the terminal keeps it.
TEST_F(ReceiveCommand, AFailedAppendLeavesTheFileWhole) {
    // Longer than the port's lock file, which the limit must not stop.
    const std::string earlier = std::string(1000, 'e') + "\r\n";
    ASSERT_EQ(writeFileAtomically(output(), earlier), WriteResult::Written);
    test::ServedTerminal terminal(twoRecords());
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{earlier.size() + std::strlen("12\r\nA;"), saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);  // inherited by the tool
    const auto run = receive(terminal.devicePath(), {"--append"});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(std::strerror(EFBIG)), std::string::npos) << run.err;
    EXPECT_EQ(outputContent(), earlier + "12\r\n");
    EXPECT_EQ(terminal.stopServing().uploadsAcknowledged(), 1u);
}

TEST_F(ReceiveCommand, NoClobberRefusesAnExistingFileBeforeTheExchange) {
    test::ServedTerminal terminal(twoRecords());
    const auto refused = receive(terminal.devicePath(), {"--no-clobber"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("exists"), std::string::npos) << refused.err;
    EXPECT_EQ(outputContent(), "earlier\r\n");

    const auto fresh = dir.path() / "fresh.txt";
    const auto taken = receive(terminal.devicePath(), {"--no-clobber"}, fresh.string());
    EXPECT_EQ(taken.status, 0) << taken.err;
    EXPECT_EQ(readFileBytes(fresh, 100), "12\r\nA;7\r\n");
    EXPECT_EQ(terminal.stopServing().uploadsAcknowledged(), 2u);
}

TEST_F(ReceiveCommand, AReadOnlyFileIsRefusedBeforeTheExchangeWithTheReason) {
    std::filesystem::permissions(output(), std::filesystem::perms(0444));
    test::ServedTerminal terminal(twoRecords());
    for (const auto& options : std::vector<std::vector<std::string>>{{}, {"--append"}}) {
        const auto run = receive(terminal.devicePath(), options);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(output().string() + " is read-only; it was left unchanged."), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(outputContent(), "earlier\r\n");
    EXPECT_EQ(terminal.stopServing().uploadsAcknowledged(), 0u);
}

TEST_F(ReceiveCommand, ANumberedPatternNeverOverwrites) {
    ASSERT_EQ(writeFileAtomically(dir.path() / "day-1.txt", "mine"), WriteResult::Written);
    for (const char* written : {"day-2.txt", "day-3.txt"}) {
        test::ServedTerminal terminal(twoRecords());
        const auto run = receive(terminal.devicePath(), {}, (dir.path() / "day-{n}.txt").string());
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(readFileBytes(dir.path() / written, 100), "12\r\nA;7\r\n") << written;
        EXPECT_NE(run.out.find("Written to " + (dir.path() / written).string()), std::string::npos) << run.out;
    }
    EXPECT_EQ(readFileBytes(dir.path() / "day-1.txt", 100), "mine");
}

TEST_F(ReceiveCommand, ThePatternNamesThePort) {
    test::ServedTerminal terminal(twoRecords());
    const auto run = receive(terminal.devicePath(), {}, (dir.path() / "{port}.txt").string());
    EXPECT_EQ(run.status, 0) << run.err;
    const auto written = dir.path() / (link::portTag(terminal.devicePath()) + ".txt");
    EXPECT_EQ(readFileBytes(written, 100), "12\r\nA;7\r\n") << written;
}

TEST_F(ReceiveCommand, AnUnknownFieldInThePatternIsAUsageError) {
    test::ServedTerminal terminal(twoRecords());
    const auto run = receive(terminal.devicePath(), {}, (dir.path() / "{host}.txt").string());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("{host}"), std::string::npos) << run.err;
    EXPECT_EQ(terminal.stopServing().uploadsAcknowledged(), 0u);
}

// The infrared cradle is set up through the RTS line, which a pseudo-terminal
// does not have: the message says so and what to use instead.
TEST_F(ReceiveCommand, TheCradleOnAPseudoTerminalNamesTheProblemAndTheFix) {
    test::ServedTerminal terminal(twoRecords());
    const auto run = test::runTessel(
        {"receive", output().string(), "--port", terminal.devicePath(), "--via", "cradle", "--family", "4760"},
        scratch.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot configure IR device!"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("no RTS line"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--via bluetooth"), std::string::npos) << run.err;
}

TEST_F(ReceiveCommand, ViaMustBeAnInterfaceOfTheFamily) {
    struct Case {
        const char* via;
        const char* family;
    };
    for (const Case c : {Case{"sd", "4760"}, Case{"cradle", "4130"}, Case{"irda", "4130"}, Case{"usb", "4760"}}) {
        const auto run = test::runTessel(
            {"receive", output().string(), "--port", "/dev/tessel-no-such-port", "--via", c.via, "--family", c.family},
            scratch.path());
        EXPECT_EQ(run.status, 2) << c.via;
        EXPECT_NE(run.err.find("has no such interface"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tessel
