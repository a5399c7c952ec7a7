// The transfer commands under signals: termination and hang-up cancel like
// Ctrl+C, releasing the port; a closed output does not end them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include "core/file_io.h"
#include "link/platform/pseudo_terminal.h"
#include "link/platform/qt_serial_port.h"
#include "support/run_tessel.h"
#include "support/spawned_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

using namespace std::chrono_literals;

using test::exitStatusWithin;
using test::startTessel;

TEST(TransferSignals, TerminationAndHangUpCancelAndReleaseThePort) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        std::string error;
        const auto silent = link::PseudoTerminalServer::open(error);  // nobody answers on it
        ASSERT_NE(silent, nullptr) << error;
        test::TempDir dir;
        const auto output = dir.path() / "data.txt";
        ASSERT_EQ(writeFileAtomically(output, "earlier\r\n"), WriteResult::Written);
        const auto errors = dir.path() / "stderr.txt";
        const pid_t pid =
            startTessel({"receive", output.string(), "--port", silent->devicePath(), "--via", "cable"}, errors);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(500ms);
        ::kill(pid, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(readFileBytes(errors, 4096).value_or("").find("Cancelled."), std::string::npos);
        EXPECT_EQ(readFileBytes(output, 4096), "earlier\r\n");
        // The port was released: it opens again at once.
        link::QtSerialPort port;
        EXPECT_TRUE(port.open({silent->devicePath(), silent->devicePath()}).opened()) << signal;
    }
}

// Tries that fail at once (a missing port) must not swallow the signals
// that come between them, nor spin: each signal ends the command.
TEST(TransferSignals, RetriesThatFailAtOnceStopOnEverySignal) {
    test::TempDir dir;
    const auto project = dir.path() / "p.TSX";
    ASSERT_EQ(test::runTessel({"new", project.string(), "--family", "4130"}, dir.path()).status, 0);
    const auto lookup = dir.path() / "items.txt";
    ASSERT_EQ(writeFileAtomically(lookup, "A\r\n"), WriteResult::Written);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const auto& input : {project, lookup}) {
            const auto errors = dir.path() / "stderr.txt";
            const pid_t pid = startTessel({input == project ? "download" : "download-lookup", input.string(), "--port",
                                           "/dev/tessel-no-such-port", "--via", "cable", "--retries", "2147483647"},
                                          errors);
            ASSERT_GT(pid, 0);
            std::this_thread::sleep_for(1500ms);
            ::kill(pid, signal);
            EXPECT_EQ(exitStatusWithin(pid, 20s), 1) << signal << " " << input;
            const auto err = readFileBytes(errors, 1 << 16).value_or("");
            EXPECT_NE(err.find("Cancelled."), std::string::npos) << err;
            // One pause between the quick failures, not a spin of them.
            EXPECT_LT(std::count(err.begin(), err.end(), '\n'), 20) << err;
        }
    }
}

TEST(TransferSignals, AClosedErrorOutputDoesNotKillTheTool) {
    test::TempDir dir;
    // The reader of the pipe has gone before the tool writes its message.
    const std::string command = "{ sleep 0.3; exec " + test::shellQuoted(TESSEL_CLI) + " receive " +
                                test::shellQuoted((dir.path() / "data.txt").string()) +
                                " --port /dev/tessel-no-such-port --via cable; } 2>&1 | true; "
                                "echo ${PIPESTATUS[0]}";
    FILE* pipe = popen(("bash -c " + test::shellQuoted(command)).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[64] = {};
    const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, pipe);
    pclose(pipe);
    EXPECT_EQ(std::string(buffer, n), "1\n");  // a failure, not 141 (killed by SIGPIPE)
}

}  // namespace
}  // namespace tessel
