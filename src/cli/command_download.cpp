#include <CLI/CLI.hpp>

#include <chrono>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/link_session.h"
#include "cli/lookup_checking.h"
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
};

// A try that fails sooner than this (a missing or busy port) is followed by
// a pause of this length, so that retries do not spin.
constexpr auto kPauseAfterQuickFailure = std::chrono::seconds(1);

// Runs attempts until one completes, is cancelled, or the retries are spent;
// each failure is printed as it happens. A signal ends the tries at once,
// whatever the try it came in did.
template <typename Attempt>
int withRetries(int retries, const Strings& strings, Attempt attempt) {
    CancelScope cancelSignals;
    for (int tries = 0;; ++tries) {
        const auto started = std::chrono::steady_clock::now();
        const link::TransferOutcome outcome = attempt();
        if (outcome.result == link::kCompleted) {
            std::cout << strings.utf8(1132) << '\n';
            return kSuccess;
        }
        reportFailure(outcome, strings);
        if (outcome.result == link::kCancelled || tries >= retries) return kFailure;
        if (std::chrono::steady_clock::now() - started < kPauseAfterQuickFailure &&
            !CancelScope::pause(kPauseAfterQuickFailure))
            return fail("Cancelled.");
        std::cerr << "Trying again (" << tries + 1 << " of " << retries << ").\n";
    }
}

CLI::App* addDownloadOptions(CLI::App& command, DownloadOptions& options) {
    addLinkOptions(command, options.link);
    command.add_option("--retries", options.retries, "Start again this many times after a failure")
        ->check(CLI::NonNegativeNumber);
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
    auto* family =
        command->add_option("--family", options->family, "Family whose interface list the preferences' choice is read from")
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
        const auto setup = resolveLink(options->link, options->family, false, status, familyKnown);
        if (!setup) return;
        std::uint64_t cutRecords = 0;
        status = withRetries(options->retries, strings, [&]() -> link::TransferOutcome {
            const auto file = link::openLookupFile(options->input);
            if (!file) return {link::message::kCannotOpenFile, options->input};
            link::LookupDownload handler(file->stream, file->size);
            const auto outcome = runExchange(*setup, handler);
            cutRecords = handler.reader().cutRecords();
            return outcome;
        });
        if (cutRecords > 0) std::cerr << cutRecords << " line(s) longer than 255 characters were sent cut to 255.\n";
    });
}

}  // namespace tessel::cli
