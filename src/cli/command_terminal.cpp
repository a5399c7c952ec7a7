#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/terminal_folder.h"
#include "core/model_family.h"
#include "link/platform/pseudo_terminal.h"
#include "link/platform/virtual_terminals.h"

namespace tessel::cli {
namespace {

using namespace std::chrono_literals;

std::atomic<bool> stopServing{false};

void onStop(int) { stopServing = true; }

// After an exchange with --once the terminal stays a little longer, to answer
// a last frame the PC sends again.
constexpr auto kOnceLinger = 2s;

struct TerminalOptions {
    int family = kFamily4760;
    std::string id;
    bool full = false;
    std::string upload;
    std::string imageOut;
    std::string lookupOut;
    std::string faults;
    std::uint32_t seed = 1;
    bool once = false;
    std::string state;
    int lookupSlot = 1;
    int count = 1;
    int pace = 0;  // bit/s, 0 for no limit
};

// One record per line; CR LF or LF ends a line.
std::optional<std::vector<link::ByteString>> readUploads(const std::string& path) {
    const auto content = readWholeFile(path);
    if (!content) return std::nullopt;
    std::vector<link::ByteString> records;
    std::string_view rest = *content;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        auto line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        records.push_back(link::bytesOf(line));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return records;
}

std::string lookupFileContent(const std::vector<link::ByteString>& records) {
    std::string content;
    for (const auto& record : records) content += std::string(link::textOf(record)) + "\r\n";
    return content;
}

// Writes what the terminal received; true when an exchange completed.
bool keepResults(link::TerminalPeer& peer, const TerminalOptions& options, TerminalFolderKeeper* folder) {
    bool completed = false;
    for (const auto event : peer.takeEvents()) {
        completed = true;
        switch (event) {
            case link::TerminalPeer::Event::ImageReceived: {
                std::cerr << "Application image received.\n";
                const auto& image = *peer.image();
                if (folder) folder->imageReceived(image);
                if (!options.imageOut.empty())
                    writeWholeFile(options.imageOut,
                                   std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
                break;
            }
            case link::TerminalPeer::Event::LookupReceived:
                std::cerr << "Lookup file received: " << peer.lookupRecords().size() << " records.\n";
                if (folder) folder->lookupReceived(peer.lookupRecords());
                if (!options.lookupOut.empty())
                    writeWholeFile(options.lookupOut, lookupFileContent(peer.lookupRecords()));
                break;
            case link::TerminalPeer::Event::UploadFinished:
                std::cerr << "Upload finished: " << peer.uploadsAcknowledgedLastTime() << " records acknowledged.\n";
                break;
        }
    }
    return completed;
}

// With --once, serving stops a while after every terminal completed an
// exchange; the terminals report to it from their own threads.
struct CompletionWatch {
    bool once;
    std::size_t terminals;
    std::atomic<std::size_t> completed{0};
    std::atomic<std::chrono::steady_clock::rep> lastAt{0};

    void completedOne() {
        lastAt = std::chrono::steady_clock::now().time_since_epoch().count();
        ++completed;
    }
    void stopWhenAllDone() const {
        const auto since = std::chrono::steady_clock::now() -
                           std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(lastAt.load()));
        if (once && completed == terminals && since > kOnceLinger) stopServing = true;
    }
};

// The terminals report on one stderr, a line at a time.
std::mutex reporting;

// One simulated terminal on a pseudo-terminal of its own, listed for
// `tessel ports` and printed on stdout; with a state folder it keeps what it
// receives there and uploads the records the folder holds.
struct Served {
    Served(std::unique_ptr<link::PseudoTerminalServer> made, link::PeerSettings settings, const link::FaultSpec& faults,
           TerminalOptions own, std::optional<TerminalFolderKeeper> kept)
        : server(std::move(made)),
          registered(server->devicePath()),
          folder(std::move(kept)),
          peer(withFolderUploads(std::move(settings))),
          line(peer, faults, own.seed),
          options(std::move(own)) {
        if (!registered.registered()) std::cerr << "Not listed by 'tessel ports': " << registered.error() << ".\n";
        std::cout << server->devicePath() << std::endl;
    }

    void serve(CompletionWatch& watch, int pace) {
        bool completed = false;
        server->serve(
            line, stopServing,
            [&] {
                const std::lock_guard<std::mutex> oneAtATime(reporting);
                if (folder) folder->acknowledged(peer.uploadsAcknowledged());
                if (keepResults(peer, options, folder ? &*folder : nullptr) && !completed) {
                    completed = true;
                    watch.completedOne();
                }
                watch.stopWhenAllDone();
            },
            pace);
    }

    link::PeerSettings withFolderUploads(link::PeerSettings settings) {
        if (folder) settings.uploadSource = [this] { return folder->uploads(); };
        return settings;
    }

    std::unique_ptr<link::PseudoTerminalServer> server;
    link::VirtualTerminalEntry registered;
    std::optional<TerminalFolderKeeper> folder;
    link::TerminalPeer peer;
    link::PeerLine line;
    TerminalOptions options;
};

// Terminal `number`'s own outputs: {n} in --image-out, --lookup-out and
// --state is its number, and with more than one terminal a name without it
// gets ".N".
TerminalOptions optionsOfTerminal(TerminalOptions options, int number) {
    for (auto* out : {&options.imageOut, &options.lookupOut, &options.state}) {
        if (out->empty()) continue;
        if (const auto at = out->find("{n}"); at != std::string::npos)
            out->replace(at, 3, std::to_string(number));
        else if (options.count > 1)
            *out += "." + std::to_string(number);
    }
    options.seed += static_cast<std::uint32_t>(number - 1);
    return options;
}

std::optional<TerminalFolderKeeper> openFolder(const TerminalOptions& options, std::string& error) {
    if (options.state.empty()) return std::nullopt;
    auto opened = TerminalStateFolder::open(options.state, error);
    if (!opened) return std::nullopt;
    return TerminalFolderKeeper(std::move(*opened), options.lookupSlot);
}

int serveTerminal(const TerminalOptions& options) {
    link::PeerSettings settings;
    settings.identification = !options.id.empty() ? options.id : is4760(options.family) ? "4760RU004" : "4130RU004";
    settings.full = options.full;
    link::FaultSpec faults;
    if (!options.faults.empty()) {
        std::string error;
        const auto parsed = link::parseFaultSpec(options.faults, error);
        if (!parsed) return fail("--faults: " + error);
        faults = *parsed;
    }
    settings.collapseRepeatedLookupRecords = faults.any();
    if (!options.upload.empty()) {
        auto uploads = readUploads(options.upload);
        if (!uploads) return kFailure;
        settings.uploads = std::move(*uploads);
    }

    std::vector<std::unique_ptr<Served>> terminals;
    for (int i = 1; i <= options.count; ++i) {
        const auto own = optionsOfTerminal(options, i);
        std::string error;
        auto folder = openFolder(own, error);
        if (!error.empty()) return fail(error);
        auto server = link::PseudoTerminalServer::open(error);
        if (!server) return fail(error);
        terminals.push_back(std::make_unique<Served>(std::move(server), settings, faults, own, std::move(folder)));
    }
    const std::string& first = terminals.front()->server->devicePath();
    std::cerr << "Connect with --port " << first
              << " --via bluetooth (or --via cable for the 4130 group): a pseudo-terminal has no RTS line for the "
                 "cradle.\n";

    stopServing = false;
    std::signal(SIGINT, onStop);
    std::signal(SIGTERM, onStop);
    CompletionWatch watch{options.once, terminals.size()};
    std::vector<std::thread> others;
    for (std::size_t i = 1; i < terminals.size(); ++i)
        others.emplace_back([&, i] { terminals[i]->serve(watch, options.pace); });
    terminals.front()->serve(watch, options.pace);
    for (auto& thread : others) thread.join();
    return kSuccess;
}

}  // namespace

void addTerminalCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<TerminalOptions>();
    auto* command = app.add_subcommand(
        "terminal", "Serve a simulated terminal on a pseudo-terminal and print the device path to connect to.");
    command->add_option("--family", options->family, "Terminal family")
        ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    command->add_option("--id", options->id, "Identification to answer with (9 characters)")
        ->check([](const std::string& id) { return id.size() == 9 ? std::string{} : "takes 9 characters"; });
    command->add_flag("--full", options->full, "Answer application downloads with FULL");
    command->add_option("--upload", options->upload, "Text file of records to upload, one per line")
        ->check(CLI::ExistingFile);
    command->add_option("--image-out", options->imageOut, "Write each application image received here");
    command->add_option("--lookup-out", options->lookupOut, "Write each lookup file received here");
    command->add_option("--faults", options->faults,
                        "Line faults, e.g. drop=0.02,corrupt=0.02,delay=0.05,silence=0.01");
    command->add_option("--seed", options->seed, "Seed of the line faults");
    command->add_flag("--once", options->once, "Stop after the first completed exchange (of every terminal)");
    command->add_option("--count", options->count, "Serve this many terminals, one device path per line")
        ->check(CLI::Range(1, 64));
    command->add_option("--pace", options->pace, "Send and take bytes no faster than this line rate (bit/s)")
        ->check(CLI::Range(300, 4000000));
    command->add_option("--state", options->state,
                        "Keep the image, lookup files and records to upload in this folder, shared with 'tessel sim "
                        "--state' ({n} or a suffix .N tells the terminals of --count apart)");
    command->add_option("--lookup-slot", options->lookupSlot, "Which lookup (1 to 3) a lookup download fills")
        ->check(CLI::Range(1, 3));
    command->callback([options, &status] { status = serveTerminal(*options); });
}

}  // namespace tessel::cli
