// Several terminals at once: `tessel terminal --count` serving paced
// terminals, and the transfer commands on several ports.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/file_io.h"
#include "link/data_file_name.h"
#include "support/run_tessel.h"
#include "support/served_terminal.h"
#include "support/spawned_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

using namespace std::chrono_literals;

// `tessel terminal --count N` with its device paths read from its output;
// stopped with SIGTERM at the end of the test.
class ServedTerminals {
public:
    ServedTerminals(const test::TempDir& dir, std::vector<std::string> options, std::size_t count) {
        const auto out = dir.path() / "terminals.txt";
        options.insert(options.begin(), {"terminal", "--count", std::to_string(count)});
        pid_ = test::startTessel(options, dir.path() / "terminals.err", out);
        for (int wait = 0; wait < 200 && devices_.size() < count; ++wait) {
            std::this_thread::sleep_for(25ms);
            std::ifstream lines(out);
            devices_.clear();
            for (std::string line; std::getline(lines, line);) devices_.push_back(line);
        }
    }
    ~ServedTerminals() { stop(); }
    int stop() {
        if (pid_ <= 0) return -1;
        ::kill(pid_, SIGTERM);
        const int status = test::exitStatusWithin(pid_, 10s);
        pid_ = -1;
        return status;
    }
    const std::vector<std::string>& devices() const { return devices_; }

private:
    pid_t pid_ = -1;
    std::vector<std::string> devices_;
};

class FleetCommands : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, scratch.path(), {"APPDATA=" + path("appdata")});
    }
    static std::vector<std::string> withPorts(std::vector<std::string> arguments,
                                              const std::vector<std::string>& ports) {
        for (const auto& port : ports) arguments.insert(arguments.end(), {"--port", port});
        arguments.insert(arguments.end(), {"--via", "cable"});
        return arguments;
    }

    test::TempDir dir;
    test::TempDir scratch;
};

TEST_F(FleetCommands, DownloadsToFourPacedTerminalsAtOnceAndAFailingOneStopsNoOther) {
    ASSERT_EQ(run({"new", path("p.TSX"), "--family", "4130"}).status, 0);
    ASSERT_EQ(run({"image", path("p.TSX"), "-o", path("expected.img")}).status, 0);
    ServedTerminals terminals(dir, {"--family", "4130", "--pace", "115200", "--image-out", path("image-{n}.img")}, 4);
    ASSERT_EQ(terminals.devices().size(), 4u);
    link::PeerSettings full;
    full.full = true;
    test::ServedTerminal failing(full);
    auto ports = terminals.devices();
    ports.insert(ports.begin() + 2, failing.devicePath());

    const auto result = run(withPorts({"download", path("p.TSX"), "--json"}, ports));
    EXPECT_EQ(result.status, 1) << result.err;
    for (const auto& port : terminals.devices())
        EXPECT_NE(result.out.find("\"port\":\"" + port + "\",\"result\":\"completed\""), std::string::npos)
            << result.out;
    EXPECT_NE(result.out.find("\"message\":\"Memory full for Terminal!\",\"port\":\"" + failing.devicePath() +
                              "\",\"result\":\"failed\""),
              std::string::npos)
        << result.out;
    EXPECT_EQ(terminals.stop(), 0);
    const auto expected = readFileBytes(path("expected.img"), 1 << 20);
    for (int n = 1; n <= 4; ++n) {
        const auto received = readFileBytes(path("image-" + std::to_string(n) + ".img"), 1 << 20);
        ASSERT_TRUE(received) << n;
        EXPECT_EQ(received->substr(0, 20000), expected->substr(0, 20000)) << n;
    }
}

TEST_F(FleetCommands, ReceivesFromEveryPortIntoAFileOfItsOwn) {
    ASSERT_EQ(writeFileAtomically(path("records.txt"), "4006381333931;12\n"), WriteResult::Written);
    ServedTerminals terminals(dir, {"--upload", path("records.txt")}, 2);
    ASSERT_EQ(terminals.devices().size(), 2u);
    const std::string pattern = path("day-{port}.txt");
    EXPECT_EQ(run(withPorts({"receive", path("day.txt")}, terminals.devices())).status, 2);

    const auto result = run(withPorts({"receive", pattern}, terminals.devices()));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("RECORDS"), std::string::npos) << result.out;
    for (const auto& port : terminals.devices())
        EXPECT_EQ(readFileBytes(path("day-" + link::portTag(port) + ".txt"), 100), "4006381333931;12\r\n") << port;
    // Nothing left to upload: every port completed without records.
    EXPECT_EQ(run(withPorts({"receive", pattern}, terminals.devices())).status, 3);
}

}  // namespace
}  // namespace tessel
