#include <CLI/CLI.hpp>

#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/project_loading.h"
#include "core/project_file.h"

namespace tessel::cli {

// Opens the project as the desktop program does, which upgrades older settings
// and prints the conversion warning, then writes it as Save does.
void addUpgradeCommand(CLI::App& app, int& status) {
    struct Options {
        std::string project;
        std::string output;
        std::string language;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand(
        "upgrade", "Write a project as Save writes it after Open: the current format, older settings upgraded.");
    command->add_option("OLD", options->project, "Project file to upgrade (left unchanged)")->required();
    command->add_option("-o,--output", options->output, "Project file to write")->required();
    addLanguageOption(*command, options->language);
    command->callback([options, &status] {
        if (outputIsInput(options->project, options->output)) {
            status = kFailure;
            return;
        }
        Strings strings;
        auto project = loadProject(options->project, options->language, strings);
        if (!project) {
            status = kFailure;
            return;
        }
        status = saveProject(*project, options->output, strings);
    });
}

}  // namespace tessel::cli
