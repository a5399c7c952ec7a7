#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
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
// `acknowledged` is the running total of uploaded records, so that each
// upload reports its own count.
bool keepResults(link::TerminalPeer& peer, const TerminalOptions& options, std::size_t& acknowledged) {
    bool completed = false;
    for (const auto event : peer.takeEvents()) {
        completed = true;
        switch (event) {
            case link::TerminalPeer::Event::ImageReceived: {
                std::cerr << "Application image received.\n";
                const auto& image = *peer.image();
                if (!options.imageOut.empty())
                    writeWholeFile(options.imageOut,
                                   std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
                break;
            }
            case link::TerminalPeer::Event::LookupReceived:
                std::cerr << "Lookup file received: " << peer.lookupRecords().size() << " records.\n";
                if (!options.lookupOut.empty())
                    writeWholeFile(options.lookupOut, lookupFileContent(peer.lookupRecords()));
                break;
            case link::TerminalPeer::Event::UploadFinished:
                std::cerr << "Upload finished: " << peer.uploadsAcknowledged() - acknowledged
                          << " records acknowledged.\n";
                acknowledged = peer.uploadsAcknowledged();
                break;
        }
    }
    return completed;
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

    std::string error;
    const auto server = link::PseudoTerminalServer::open(error);
    if (!server) return fail(error);
    const link::VirtualTerminalEntry registered(server->devicePath());
    if (!registered.registered()) {
        std::cerr << "Not listed by 'tessel ports': " << registered.error() << ".\n";
    }
    std::cout << server->devicePath() << std::endl;
    std::cerr << "Connect with --port " << server->devicePath()
              << " --via bluetooth (or --via cable for the 4130 group): a pseudo-terminal has no RTS line for the "
                 "cradle.\n";

    link::TerminalPeer peer(settings);
    link::PeerLine line(peer, faults, options.seed);
    stopServing = false;
    std::signal(SIGINT, onStop);
    std::signal(SIGTERM, onStop);
    std::optional<std::chrono::steady_clock::time_point> completedAt;
    std::size_t acknowledged = 0;
    server->serve(line, stopServing, [&] {
        if (keepResults(peer, options, acknowledged) && !completedAt) completedAt = std::chrono::steady_clock::now();
        if (options.once && completedAt && std::chrono::steady_clock::now() - *completedAt > kOnceLinger)
            stopServing = true;
    });
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
    command->add_flag("--once", options->once, "Stop after the first completed exchange");
    command->callback([options, &status] { status = serveTerminal(*options); });
}

}  // namespace tessel::cli
