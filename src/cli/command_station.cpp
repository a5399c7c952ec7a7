// `tessel station`: watches cradles until it is stopped. Each round it asks
// every port in turn whether a terminal is there by starting a receive; a
// docked terminal answers "READ\r" at once (with a record or "OVER\r"), an
// empty cradle not at all. So a receive that brings no answer within
// kProbeWindow of the port opening is given up: the cradle is taken for
// empty without the ten one-second resends of a transfer. A terminal that is
// docked but stays silent looks the same on the wire, and is taken for
// absent until it answers.
#include <CLI/CLI.hpp>

#include <atomic>
#include <chrono>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/link_session.h"
#include "cli/project_loading.h"
#include "cli/receive_output.h"
#include "core/model_family.h"
#include "link/application_download.h"
#include "link/lookup_download.h"
#include "link/lookup_file.h"
#include "link/receive_data.h"

namespace tessel::cli {
namespace {

using namespace std::chrono_literals;

constexpr auto kProbeWindow = 1500ms;
constexpr auto kRoundPause = 1s;

struct StationOptions {
    LinkOptions link;
    std::string outputDir = ".";
    std::string pattern = "{port}-{date}-{time}-{n}.txt";
    std::vector<std::string> lookups;
    std::string project;
    int family = kFamilyGroup;
};

// One JSON line per event on stdout, flushed so that a service log or a
// script sees it at once.
void event(const std::string& name, const std::string& port, nlohmann::json more = nlohmann::json::object()) {
    more["event"] = name;
    more["port"] = port;
    std::cout << more.dump() << std::endl;
}

// Notes when the port is open and when the terminal answered.
class Probe final : public link::TransferObserver {
public:
    void exchanging() override { openedAt_ = std::chrono::steady_clock::now().time_since_epoch().count(); }
    void received(int count) override {
        if (count > 0) answered_ = true;
    }
    bool noAnswerInTime() const {
        const auto opened = openedAt_.load();
        if (answered_ || opened == 0) return false;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return std::chrono::steady_clock::duration(now - opened) > kProbeWindow;
    }
    bool answered() const { return answered_; }

private:
    std::atomic<std::chrono::steady_clock::rep> openedAt_{0};
    std::atomic<bool> answered_{false};
};

class Station {
public:
    Station(const StationOptions& options, std::vector<LinkSetup> setups, std::optional<Project> project)
        : options_(options), setups_(std::move(setups)), project_(std::move(project)), docked_(setups_.size()) {}

    void run() {
        CancelScope cancelSignals;
        while (!CancelScope::requested()) {
            for (std::size_t i = 0; i < setups_.size() && !CancelScope::requested(); ++i) visit(i);
            CancelScope::pause(kRoundPause);
        }
    }

private:
    void visit(std::size_t i) {
        const auto& setup = setups_[i];
        const std::string port = portNameOf(setup);
        int status = kSuccess;
        auto output = openReceiveOutput((std::filesystem::path(options_.outputDir) / options_.pattern).string(), port,
                                        link::DataPlacement::Keep, status);
        if (!output) {
            event("failed", port, {{"message", "the data file cannot be made"}});
            return;
        }
        Probe probe;
        link::ReceiveData handler;
        const auto outcome =
            runExchange(setup, handler, output->file.get(), &probe, [&] { return probe.noAnswerInTime(); });
        output->file->close();
        const bool present = outcome.result == link::kCompleted || probe.answered();
        if (!present && !CancelScope::requested()) {
            if (docked_[i]) event("left", port);
            docked_[i] = false;
            return;
        }
        const bool arrived = !docked_[i];
        if (arrived) event("docked", port);
        docked_[i] = true;
        if (handler.recordsReceived() > 0)
            event("received", port, {{"records", handler.recordsReceived()}, {"file", output->file->path().string()}});
        if (outcome.result != link::kCompleted) {
            failed(port, outcome);
            return;
        }
        if (arrived) downloadTo(setup, port);
    }

    void downloadTo(const LinkSetup& setup, const std::string& port) {
        for (const auto& lookup : options_.lookups) {
            const auto file = link::openLookupFile(lookup);
            if (!file) {
                event("failed", port, {{"message", "Cannot open the file! " + lookup}});
                return;
            }
            link::LookupDownload handler(file->stream, file->size);
            if (!report(port, lookup, runExchange(setup, handler))) return;
        }
        if (!project_) return;
        Definition definition = project_->definition;
        link::ApplicationDownload handler(definition, project_->defaults);
        report(port, options_.project, runExchange(setup, handler));
    }

    bool report(const std::string& port, const std::string& what, const link::TransferOutcome& outcome) {
        if (outcome.result == link::kCompleted) {
            event("downloaded", port, {{"file", what}});
            return true;
        }
        failed(port, outcome);
        return false;
    }

    void failed(const std::string& port, const link::TransferOutcome& outcome) {
        if (outcome.result == link::kCancelled) return;  // stopped: not a fault of the terminal
        std::string message = Strings().utf8(outcome.result);
        if (!outcome.detail.empty()) message += " " + outcome.detail;
        event("failed", port, {{"message", message}});
    }

    const StationOptions& options_;
    std::vector<LinkSetup> setups_;
    std::optional<Project> project_;
    std::vector<bool> docked_;
};

int runStation(StationOptions& options) {
    std::optional<Project> project;
    Strings strings;
    if (!options.project.empty()) {
        project = loadProject(options.project, {}, strings);
        if (!project) return kFailure;
        options.family = project->family;
    }
    int status = kSuccess;
    const auto setups = resolveLinks(options.link, options.family, true, status, !options.project.empty());
    if (!setups) return status;
    Station(options, *setups, std::move(project)).run();
    return kSuccess;
}

}  // namespace

void addStationCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<StationOptions>();
    auto* command = app.add_subcommand(
        "station", "Watch cradles until stopped: receive from each terminal docked, then download to it.");
    addLinkOptions(*command, options->link);
    command->add_option("--output-dir", options->outputDir, "Folder for the data files (default: the current one)")
        ->check(CLI::ExistingDirectory);
    command->add_option("--pattern", options->pattern,
                        "Data file name: {port}, {date}, {time} and {n} (default {port}-{date}-{time}-{n}.txt)");
    command->add_option("--then-lookup", options->lookups, "Lookup files to download after each receive")
        ->check(CLI::ExistingFile);
    command->add_option("--then-download", options->project, "Project to download after each receive")
        ->check(CLI::ExistingFile);
    command->add_option("--family", options->family, "Family whose interface list the preferences' choice is read from")
        ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    command->callback([options, &status] { status = runStation(*options); });
}

}  // namespace tessel::cli
