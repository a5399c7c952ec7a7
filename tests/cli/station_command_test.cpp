// `tessel station` watching a cradle in which a simulated terminal is
// docked, taken out and docked again with other records.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "core/file_io.h"
#include "link/platform/pseudo_terminal.h"
#include "support/spawned_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

using namespace std::chrono_literals;

// A cradle on one pseudo-terminal: a terminal docked in it answers, an
// empty cradle stays silent.
class Cradle {
public:
    Cradle() {
        std::string error;
        server_ = link::PseudoTerminalServer::open(error);
        if (!server_) throw std::runtime_error(error);
    }
    ~Cradle() { takeOut(); }

    void dock(std::vector<std::string> records) {
        takeOut();
        link::PeerSettings settings;
        for (const auto& record : records) settings.uploads.push_back(link::bytesOf(record));
        peer_ = std::make_unique<link::TerminalPeer>(settings);
        line_ = std::make_unique<link::PeerLine>(*peer_);
        stop_ = false;
        thread_ = std::thread([this] { server_->serve(*line_, stop_, {}); });
    }
    // The records the terminal in the cradle had acknowledged when it was taken out.
    std::size_t takeOut() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return peer_ ? peer_->uploadsAcknowledged() : 0;
    }
    const std::string& devicePath() const { return server_->devicePath(); }

private:
    std::unique_ptr<link::PseudoTerminalServer> server_;
    std::unique_ptr<link::TerminalPeer> peer_;
    std::unique_ptr<link::PeerLine> line_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class StationCommand : public ::testing::Test {
protected:
    StationCommand() { std::filesystem::create_directory(dir.path() / "data"); }
    ~StationCommand() override {
        if (pid_ > 0) stop();
    }

    void start() {
        pid_ = test::startTessel({"station", "--port", cradle.devicePath(), "--via", "cable", "--output-dir",
                                  (dir.path() / "data").string(), "--pattern", "{n}.txt"},
                                 dir.path() / "station.err", dir.path() / "events.txt");
        ASSERT_GT(pid_, 0);
    }
    int stop() {
        ::kill(pid_, SIGTERM);
        const int status = test::exitStatusWithin(pid_, 20s);
        pid_ = -1;
        return status;
    }
    // Waits until the station has printed `count` events in all.
    std::vector<std::string> eventsWhen(std::size_t count) const {
        std::vector<std::string> events;
        for (int wait = 0; wait < 600 && events.size() < count; ++wait) {
            std::this_thread::sleep_for(50ms);
            events.clear();
            std::ifstream lines(dir.path() / "events.txt");
            for (std::string line; std::getline(lines, line);) events.push_back(line);
        }
        return events;
    }
    std::string data(const std::string& name) const {
        return readFileBytes(dir.path() / "data" / name, 64 << 20).value_or("(none)");
    }
    std::size_t dataFiles() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path() / "data"), {}));
    }

    test::TempDir dir;
    Cradle cradle;
    pid_t pid_ = -1;
};

TEST_F(StationCommand, EachDockingWithRecordsGivesAFileOfExactlyThose) {
    start();
    const std::string port = "\"port\":\"" + cradle.devicePath() + "\"";
    cradle.dock({"a;1", "b;2"});
    auto events = eventsWhen(2);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "{\"event\":\"docked\"," + port + "}");
    EXPECT_NE(events[1].find("\"event\":\"received\""), std::string::npos) << events[1];
    EXPECT_NE(events[1].find("\"records\":2"), std::string::npos) << events[1];
    EXPECT_EQ(cradle.takeOut(), 2u);
    EXPECT_EQ(eventsWhen(3).back(), "{\"event\":\"left\"," + port + "}");

    cradle.dock({});  // nothing to upload: no file
    EXPECT_EQ(eventsWhen(4).back(), "{\"event\":\"docked\"," + port + "}");
    cradle.takeOut();
    EXPECT_EQ(eventsWhen(5).back(), "{\"event\":\"left\"," + port + "}");

    cradle.dock({"c;3"});
    events = eventsWhen(7);
    ASSERT_EQ(events.size(), 7u);
    EXPECT_NE(events[6].find("\"records\":1"), std::string::npos) << events[6];
    cradle.takeOut();
    eventsWhen(8);
    EXPECT_EQ(stop(), 0);
    EXPECT_EQ(data("1.txt"), "a;1\r\nb;2\r\n");
    EXPECT_EQ(data("2.txt"), "c;3\r\n");
    EXPECT_EQ(dataFiles(), 2u);  // the empty docking made none, and no hidden file is left
}

// Stopped in the middle of an upload, the station leaves whole records only,
// and every record the terminal had acknowledged is in the file.
TEST_F(StationCommand, StoppingMidExchangeLosesNothingAcknowledged) {
    std::vector<std::string> records;
    for (int i = 0; i < 100000; ++i) records.push_back("record " + std::to_string(i));
    start();
    cradle.dock(records);
    eventsWhen(1);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(stop(), 0);
    const std::size_t acknowledged = cradle.takeOut();
    const std::string written = acknowledged == 0 && dataFiles() == 0 ? "" : data("1.txt");
    std::string expected;
    for (std::size_t i = 0; i < acknowledged; ++i) expected += records[i] + "\r\n";
    EXPECT_EQ(written.substr(0, expected.size()), expected);
    // At most the one record written whose acknowledgement had not gone out.
    EXPECT_TRUE(written == expected || written == expected + records[acknowledged] + "\r\n") << written.size() << " bytes, " << acknowledged << " acknowledged";
    EXPECT_LE(dataFiles(), 1u);  // and no hidden file left
}

}  // namespace
}  // namespace tessel
