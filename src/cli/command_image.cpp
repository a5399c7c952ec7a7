#include <CLI/CLI.hpp>

#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/project_loading.h"
#include "core/application_image.h"

namespace tessel::cli {

void addImageCommand(CLI::App& app, int& status) {
    struct Options {
        std::string project;
        std::string output;
        std::string language;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand("image", "Write the application image a download would send.");
    command->add_option("PROJECT", options->project, "Project file (left unchanged)")->required();
    command->add_option("-o,--output", options->output, "Image file to write")->required();
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
        prepareForDownload(project->definition);
        const auto image = buildImage(project->definition, project->defaults);
        const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
        status = writeWholeFile(options->output, bytes) ? kSuccess : kFailure;
    });
}

}  // namespace tessel::cli
