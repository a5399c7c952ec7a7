// `tessel receive` against a simulated terminal on a pseudo-terminal.
#include <gtest/gtest.h>

#include "core/file_io.h"
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
    test::ToolRun receive(const std::string& port) {
        return test::runTessel({"receive", output().string(), "--port", port, "--via", "cable"}, scratch.path());
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

TEST_F(ReceiveCommand, ATerminalWithNothingToSendLeavesAnExistingFileAlone) {
    test::ServedTerminal terminal(link::PeerSettings{});
    const auto run = receive(terminal.devicePath());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "No data received!\n");
    EXPECT_EQ(outputContent(), "earlier\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(ReceiveCommand, ReceivedRecordsReplaceTheFile) {
    link::PeerSettings settings;
    settings.uploads = {link::bytesOf("12"), link::bytesOf("A;7")};
    test::ServedTerminal terminal(settings);
    const auto run = receive(terminal.devicePath());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Done : 2 records received.\n");
    EXPECT_EQ(outputContent(), "12\r\nA;7\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

}  // namespace
}  // namespace tessel
