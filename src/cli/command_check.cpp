#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/design_input.h"
#include "design/design_checks.h"

namespace tessel::cli {

void addCheckCommand(CLI::App& app, int& status) {
    auto project = std::make_shared<std::string>();
    auto* command =
        app.add_subcommand("check", "Find design mistakes before a download; exit status 1 when there is any.");
    command->add_option("PROJECT", *project, "Project file or JSON export")->required();
    command->callback([project, &status] {
        const Strings strings;
        const auto opened = openDesign(*project, strings);
        if (!opened) {
            status = kUsageError;
            return;
        }
        const auto findings = checkDesign(opened->definition, opened->family, strings);
        for (const auto& finding : findings) std::cout << findingLine(finding) << '\n';
        status = findings.empty() ? kSuccess : kFailure;
    });
}

}  // namespace tessel::cli
