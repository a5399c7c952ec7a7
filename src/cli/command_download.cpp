#include <CLI/CLI.hpp>

#include <chrono>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/link_session.h"
#include "cli/lookup_checking.h"
#include "cli/port_fleet.h"
#include "cli/project_loading.h"
#include "core/model_family.h"
#include "link/application_download.h"
#include "link/lookup_download.h"
#include "link/lookup_file.h"

namespace tessel::cli {
namespace {

struct DownloadOptions {
    std::string input;
    LinkOptions link;
    int retries = 0;
    int family = kFamilyGroup;
    std::string language;
    std::string project;  // download-lookup: the project whose lookup the file is for
    int lookup = 0;
    bool force = false;
    bool json = false;
};

// A try that fails sooner than this (a missing or busy port) is followed by
// a pause of this length, so that retries do not spin.
constexpr auto kPauseAfterQuickFailure = std::chrono::seconds(1);
// The part of the application image a download sends.
constexpr std::uint64_t kImageBytesSent = kFrameCount * kFrameDataSize;

// Runs attempts until one completes, is cancelled, or the retries are spent;
// `failed` hears of each failure, with whether another try follows. A signal
// ends the tries at once, whatever the try it came in did.
template <typename Attempt, typename Failed>
link::TransferOutcome tryWithRetries(int retries, Attempt attempt, Failed failed) {
    CancelScope cancelSignals;
    for (int tries = 0;; ++tries) {
        const auto started = std::chrono::steady_clock::now();
        const link::TransferOutcome outcome = attempt();
        if (outcome.result == link::kCompleted) return outcome;
        const bool last = outcome.result == link::kCancelled || tries >= retries;
        failed(outcome, last ? 0 : tries + 1);
        if (last) return outcome;
        if (std::chrono::steady_clock::now() - started < kPauseAfterQuickFailure &&
            !CancelScope::pause(kPauseAfterQuickFailure)) {
            failed(link::TransferOutcome{link::kCancelled, {}, {}}, 0);
            return {link::kCancelled, {}, {}};
        }
    }
}

// One port: each failure printed as it happens, "Downloaded completely!" at the end.
template <typename Attempt>
int withRetries(int retries, const Strings& strings, Attempt attempt) {
    const auto outcome = tryWithRetries(retries, attempt, [&](const link::TransferOutcome& failure, int nextTry) {
        reportFailure(failure, strings);
        if (nextTry > 0) std::cerr << "Trying again (" << nextTry << " of " << retries << ").\n";
    });
    if (outcome.result == link::kCompleted) {
        std::cout << strings.utf8(1132) << '\n';
        return kSuccess;
    }
    return kFailure;
}

// Several ports at once, each with its own tries; the summary tells how each ended.
template <typename Attempt>
int onEveryPort(const std::vector<LinkSetup>& setups, const DownloadOptions& options, Attempt attempt) {
    const auto results =
        runOnEveryPort(setups,
                       [&](std::size_t, const LinkSetup& setup, link::TransferObserver& observer) {
                           PortResult result;
                           result.outcome = tryWithRetries(
                               options.retries, [&] { return attempt(setup, observer, result.amount); },
                               [](const link::TransferOutcome&, int) {});
                           return result;
                       },
                       {"bytes", options.json});
    return fleetStatus(results);
}

CLI::App* addDownloadOptions(CLI::App& command, DownloadOptions& options) {
    addLinkOptions(command, options.link);
    command.add_option("--retries", options.retries, "Start again this many times after a failure")
        ->check(CLI::NonNegativeNumber);
    command.add_flag("--json", options.json, "With several ports, print the summary as JSON");
    return &command;
}

}  // namespace

void addDownloadCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<DownloadOptions>();
    auto* command = app.add_subcommand("download", "Download a project's application to the terminal.");
    command->add_option("PROJECT", options->input, "Project file (left unchanged)")->required();
    addDownloadOptions(*command, *options);
    addLanguageOption(*command, options->language);
    command->callback([options, &status] {
        Strings strings;
        auto project = loadProject(options->input, options->language, strings);
        if (!project) {
            status = kFailure;
            return;
        }
        if (severalPorts(options->link)) {
            const auto setups = resolveLinks(options->link, project->family, false, status);
            if (!setups) return;
            status = onEveryPort(*setups, *options,
                                 [&](const LinkSetup& setup, link::TransferObserver& observer, std::uint64_t& bytes) {
                                     Definition definition = project->definition;  // each port prepares its own
                                     link::ApplicationDownload handler(definition, project->defaults);
                                     auto outcome = runExchange(setup, handler, nullptr, &observer);
                                     bytes = outcome.result == link::kCompleted ? kImageBytesSent : 0;
                                     return outcome;
                                 });
            return;
        }
        const auto setup = resolveLink(options->link, project->family, false, status);
        if (!setup) return;
        std::string identification;
        status = withRetries(options->retries, strings, [&] {
            link::ApplicationDownload handler(project->definition, project->defaults);
            auto outcome = runExchange(*setup, handler);
            identification = handler.identification();
            return outcome;
        });
        if (const auto warning = link::familyMismatchWarning(identification, project->family); !warning.empty())
            std::cerr << warning << '\n';
    });
}

void addDownloadLookupCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<DownloadOptions>();
    auto* command = app.add_subcommand("download-lookup", "Download a lookup text file to the terminal, line by line.");
    command->add_option("FILE", options->input, "Lookup text file")->required();
    addDownloadOptions(*command, *options);
    auto* family = command
                       ->add_option("--family", options->family,
                                    "Family whose interface list the preferences' choice is read from")
                       ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    auto* project = command->add_option("--project", options->project, "Project whose lookup the file is for");
    command->add_option("--lookup", options->lookup, "Check every line against this lookup's layout first (1 to 3)")
        ->check(CLI::Range(1, 3))
        ->needs(project);
    project->needs(command->get_option("--lookup"));
    command->add_flag("--force", options->force, "Send the file although lines do not fit the lookup");
    command->callback([options, family, &status] {
        Strings strings;
        bool familyKnown = family->count() > 0;
        if (!options->project.empty()) {
            const auto checked = checkLookupFileFor(options->project, options->lookup, options->input, strings);
            if (!checked) {
                status = kFailure;
                return;
            }
            if (!checked->fits && !options->force) {
                status = fail("The file was not sent; --force sends it as it is.");
                return;
            }
            if (!familyKnown) options->family = checked->family;
            familyKnown = true;
        }
        if (severalPorts(options->link)) {
            const auto setups = resolveLinks(options->link, options->family, false, status, familyKnown);
            if (!setups) return;
            status = onEveryPort(*setups, *options,
                                 [&](const LinkSetup& setup, link::TransferObserver& observer,
                                     std::uint64_t& bytes) -> link::TransferOutcome {
                                     const auto file = link::openLookupFile(options->input);
                                     if (!file) return {link::message::kCannotOpenFile, options->input, {}};
                                     link::LookupDownload handler(file->stream, file->size);
                                     auto outcome = runExchange(setup, handler, nullptr, &observer);
                                     bytes = outcome.result == link::kCompleted ? file->size : 0;
                                     return outcome;
                                 });
            return;
        }
        const auto setup = resolveLink(options->link, options->family, false, status, familyKnown);
        if (!setup) return;
        std::uint64_t cutRecords = 0;
        status = withRetries(options->retries, strings, [&]() -> link::TransferOutcome {
            const auto file = link::openLookupFile(options->input);
            if (!file) return {link::message::kCannotOpenFile, options->input, {}};
            link::LookupDownload handler(file->stream, file->size);
            const auto outcome = runExchange(*setup, handler);
            cutRecords = handler.reader().cutRecords();
            return outcome;
        });
        if (cutRecords > 0) std::cerr << cutRecords << " line(s) longer than 255 characters were sent cut to 255.\n";
    });
}

}  // namespace tessel::cli
