#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/project_file.h"
#include "core/project_json.h"

namespace tessel::cli {
namespace {

void addExport(CLI::App& app, int& status) {
    struct Options {
        std::string project;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand("export", "Write a project as readable JSON.");
    command->add_option("PROJECT", options->project, "Project file")->required();
    command->add_option("-o,--output", options->output, "JSON file to write (standard output when left out)");
    command->callback([options, &status] {
        if (!options->output.empty() && outputIsInput(options->project, options->output)) {
            status = kFailure;
            return;
        }
        const auto bytes = readWholeFile(options->project, kProjectFileSize);
        if (!bytes) {
            status = kFailure;
            return;
        }
        if (!familyOfMagic(*bytes)) {
            status = fail("Format mismatch !!!");
            return;
        }
        const auto json = projectFileToJson(*bytes);
        if (options->output.empty()) {
            std::cout << json;
            status = kSuccess;
        } else {
            status = writeWholeFile(options->output, json) ? kSuccess : kFailure;
        }
    });
}

void addImport(CLI::App& app, int& status) {
    struct Options {
        std::string json;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand("import", "Write the project described by a JSON export.");
    command->add_option("FILE", options->json, "JSON file made by export")->required();
    command->add_option("-o,--output", options->output, "Project file to write")->required();
    command->callback([options, &status] {
        if (outputIsInput(options->json, options->output)) {
            status = kFailure;
            return;
        }
        // One byte more than is taken, so that a larger file is called too large.
        const auto json = readWholeFile(options->json, kProjectJsonMax + 1);
        if (!json) {
            status = kFailure;
            return;
        }
        try {
            status = writeWholeFile(options->output, projectFileFromJson(*json)) ? kSuccess : kFailure;
        } catch (const ProjectJsonError& error) {
            status = fail(options->json + ": " + error.what());
        }
    });
}

}  // namespace

void addExportCommands(CLI::App& app, int& status) {
    addExport(app, status);
    addImport(app, status);
}

}  // namespace tessel::cli
