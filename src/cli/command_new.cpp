#include <CLI/CLI.hpp>

#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/project_loading.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/strings.h"

namespace tessel::cli {

void addNewCommand(CLI::App& app, int& status) {
    struct Options {
        int family = kFamilyGroup;
        std::string file;
        std::string language;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand("new", "Write a new project of a terminal family.");
    command->add_option("--family", options->family, "Terminal family: 4760 or 4130")
        ->required()
        ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    command->add_option("FILE", options->file, "Project file to write")->required();
    addLanguageOption(*command, options->language);
    command->callback([options, &status] {
        Strings strings;
        if (!useChosenLanguage(strings, options->language)) {
            status = kFailure;
            return;
        }
        Project project = startupProject(strings);
        newProjectOfFamily(project, strings, options->family);
        status = saveProject(project, options->file, strings);
    });
}

}  // namespace tessel::cli
