#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/link_session.h"
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
};

// Runs attempts until one completes, is cancelled, or the retries are spent;
// each failure is printed as it happens.
template <typename Attempt>
int withRetries(int retries, const Strings& strings, Attempt attempt) {
    for (int tries = 0;; ++tries) {
        const link::TransferOutcome outcome = attempt();
        if (outcome.result == link::kCompleted) {
            std::cout << strings.utf8(1132) << '\n';
            return kSuccess;
        }
        reportFailure(outcome, strings);
        if (outcome.result == link::kCancelled || tries >= retries) return kFailure;
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
        status = withRetries(options->retries, strings, [&] {
            link::ApplicationDownload handler(project->definition, project->defaults);
            return runExchange(*setup, handler);
        });
    });
}

void addDownloadLookupCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<DownloadOptions>();
    auto* command = app.add_subcommand("download-lookup", "Download a lookup text file to the terminal, line by line.");
    command->add_option("FILE", options->input, "Lookup text file")->required();
    addDownloadOptions(*command, *options);
    command->add_option("--family", options->family, "Family whose interface list the preferences' choice is read from")
        ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    command->callback([options, &status] {
        const Strings strings;
        const auto setup = resolveLink(options->link, options->family, false, status);
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
