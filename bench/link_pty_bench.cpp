// Transfers against the simulated terminal over a real pseudo-terminal, timed
// and compared with the time the same bytes take on a 115200 bit/s line
// (8N1: ten bits a byte). Beside them, the same 20 000 bytes sent by XMODEM
// (lrzsz's sx to rx) over a pseudo-terminal pair, when lrzsz is installed.
//
//   tessel_link_bench [LOOKUP_LINES [RECORDS]]     (default 100000 each)
//
// Run it from a folder on the disk the data files would go to: the receive
// onto the disk (at most 2000 records, each synced) is made there.
#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/application_image.h"
#include "core/file_io.h"
#include "link/application_download.h"
#include "link/data_file.h"
#include "link/lookup_download.h"
#include "link/lookup_file.h"
#include "link/receive_data.h"
#include "support/projects.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"

extern char** environ;

namespace tessel {
namespace {

using Seconds = std::chrono::duration<double>;
constexpr double kLineBytesPerSecond = 115200.0 / 10.0;

// The folder for files the runs write: memory when there is one, so that the
// disk's sync time does not hide the link's (a receive onto the disk is
// measured beside it).
std::filesystem::path scratchFolder(const test::TempDir& fallback) {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return fallback.path();
}

void report(const char* what, std::size_t units, const char* unit, std::uint64_t lineBytes, Seconds elapsed,
            int result) {
    const double lineTime = static_cast<double>(lineBytes) / kLineBytesPerSecond;
    std::printf("%-22s %8zu %-8s %9.3f s %9.1f us/%-6s line time %8.3f s  ratio %5.2f%s\n", what, units, unit,
                elapsed.count(), elapsed.count() * 1e6 / static_cast<double>(units), unit, lineTime,
                elapsed.count() / lineTime, result == link::kCompleted ? "" : "  (did not complete)");
}

template <typename Run>
Seconds timed(Run&& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::steady_clock::now() - start;
}

// When the exchange began, after the port was opened and set up.
struct ExchangeStart : link::TransferObserver {
    std::chrono::steady_clock::time_point at{};
    void exchanging() override { at = std::chrono::steady_clock::now(); }
};

// The whole download as the user waits for it (building the image, opening
// the port, the exchange, closing), and beside it the exchange alone: the
// opening is the same for every transfer, while the frames are what grows.
void applicationDownload() {
    test::ServedTerminal terminal(link::PeerSettings{});
    Project project = test::newProject(kFamilyGroup);
    ExchangeStart exchange;
    int result = 0;
    std::chrono::steady_clock::time_point end{};
    const auto elapsed = timed([&] {
        link::ApplicationDownload handler(project.definition, project.defaults);
        result = terminal.run(handler, nullptr, &exchange).result;
        end = std::chrono::steady_clock::now();
    });
    // 200 frames of 103 bytes, each answered by "ACK\r".
    const std::uint64_t lineBytes = kFrameCount * (kFrameSize + 4);
    report("application download", kFrameCount, "frame", lineBytes, elapsed, result);
    report("  its exchange alone", kFrameCount, "frame", lineBytes, Seconds(end - exchange.at), result);
}

void lookupDownload(std::size_t lines, const std::filesystem::path& folder) {
    const auto path = folder / "tessel-bench-lookup.txt";
    {
        std::ofstream file(path, std::ios::binary);
        for (std::size_t i = 0; i < lines; ++i) file << "4006381333931\t" << i % 10000 << "\tArticle name\r\n";
    }
    test::ServedTerminal terminal(link::PeerSettings{});
    const auto file = link::openLookupFile(path);
    link::LookupDownload handler(file->stream, file->size);
    int result = 0;
    const auto elapsed = timed([&] { result = terminal.run(handler).result; });
    // Each record: its characters, a zero-free checksum pair and CR; each answered by "ACK\r".
    report("lookup download", lines, "record", file->size + lines * (2 + 4), elapsed, result);
    std::filesystem::remove(path);
}

// `label` names where `folder` is: each record is on disk before its
// acknowledgement, so the disk's sync time is part of a receive.
void receive(const char* label, std::size_t records, const std::filesystem::path& folder) {
    link::PeerSettings settings;
    const std::string data = "4006381333931;12;Shelf 4";
    for (std::size_t i = 0; i < records; ++i) settings.uploads.emplace_back(data.begin(), data.end());
    test::ServedTerminal terminal(settings);
    const auto path = folder / "tessel-bench-received.txt";
    WriteOutcome problem;
    auto file = link::DataFile::create(path, link::DataPlacement::Replace, problem);
    link::ReceiveData handler;
    int result = 0;
    const auto elapsed = timed([&] { result = terminal.run(handler, file.get()).result; });
    // Each record: sequence byte, data, checksum pair and CR, answered by "ACK\r".
    report(label, records, "record", records * (data.size() + 4 + 4), elapsed, result);
    file.reset();
    std::filesystem::remove(path);
}

// Runs `program` in `folder` with its standard input and output on `descriptor`.
pid_t spawnOn(int descriptor, const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, descriptor, 0);
    posix_spawn_file_actions_adddup2(&actions, descriptor, 1);
    const int quiet = open("/dev/null", O_WRONLY);
    posix_spawn_file_actions_adddup2(&actions, quiet, 2);
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(quiet);
    return pid;
}

void xmodem(const std::filesystem::path& folder) {
    const auto source = folder / "tessel-bench-xmodem.bin";
    const auto target = folder / "tessel-bench-xmodem.out";
    std::string bytes(20000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    writeFileAtomically(source, bytes);
    int controller = -1;
    int device = -1;
    if (openpty(&controller, &device, nullptr, nullptr, nullptr) != 0) {
        std::printf("%-22s no pseudo-terminal could be made\n", "XMODEM (lrzsz)");
        return;
    }
    termios raw{};
    tcgetattr(device, &raw);
    cfmakeraw(&raw);
    tcsetattr(device, TCSANOW, &raw);
    tcsetattr(controller, TCSANOW, &raw);
    int status = 1;
    const auto elapsed = timed([&] {
        // rx writes only plain names into its working folder.
        const pid_t receiver = spawnOn(controller, folder, {"rx", "-q", target.filename().string()});
        const pid_t sender = spawnOn(device, folder, {"sx", "-q", source.filename().string()});
        if (receiver < 0 || sender < 0) return;
        // The transfer is over when the receiver has the file; the sender may
        // still wait to drain a line that nobody reads any more.
        waitpid(receiver, &status, 0);
        kill(sender, SIGTERM);
        waitpid(sender, nullptr, 0);
    });
    close(controller);
    close(device);
    const auto received = readFileBytes(target, bytes.size() * 2);
    if (status != 0 && !received) {
        std::printf("%-22s lrzsz (sx, rx) is not installed or failed: skipped\n", "XMODEM (lrzsz)");
    } else {
        // 157 blocks of 128 bytes, each with 4 bytes of framing and an ACK.
        const std::size_t blocks = (bytes.size() + 127) / 128;
        const bool same = received && received->substr(0, bytes.size()) == bytes;
        report("XMODEM (lrzsz)", blocks, "block", blocks * (128 + 5), elapsed, same ? link::kCompleted : 0);
    }
    std::filesystem::remove(source);
    std::filesystem::remove(target);
}

}  // namespace
}  // namespace tessel

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::size_t lines = argc > 1 ? std::stoul(argv[1]) : 100000;
    const std::size_t records = argc > 2 ? std::stoul(argv[2]) : 100000;
    tessel::test::TempDir temp;
    const auto folder = tessel::scratchFolder(temp);
    std::printf("Transfers over a pseudo-terminal; line time at 115200 bit/s, 8N1.\n");
    tessel::applicationDownload();
    tessel::lookupDownload(lines, folder);
    tessel::receive("receive (memory)", records, folder);
    // The working folder stands for the ordinary disk the user receives onto.
    const auto onDisk = std::filesystem::current_path() / ("tessel-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(onDisk);
    tessel::receive("receive (disk)", std::min<std::size_t>(records, 2000), onDisk);
    std::filesystem::remove_all(onDisk);
    tessel::xmodem(folder);
    return 0;
}
