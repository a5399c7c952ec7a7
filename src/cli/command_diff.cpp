#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/design_input.h"
#include "core/project_file.h"
#include "design/design_differences.h"

namespace tessel::cli {
namespace {

// How git names a side that does not exist (an added or deleted file).
constexpr const char* kNoFile = "/dev/null";

struct DesignFile {
    Definition definition{};
    int family = 0;
};

std::optional<DesignFile> readDesign(const std::string& path) {
    DesignFile design;
    if (path == kNoFile) return design;
    const auto bytes = readDesignFile(path);
    if (!bytes) return std::nullopt;
    design.family = *familyOfMagic(*bytes);
    fillDefinitionFrom(*bytes, design.definition);
    return design;
}

// Prints the differences; 0 when there are none, 1 when there are, 2 when a
// file cannot be read.
int printDifferences(const std::string& before, const std::string& after) {
    const auto a = readDesign(before);
    const auto b = a ? readDesign(after) : std::nullopt;
    if (!a || !b) return kUsageError;
    const auto lines = designDifferences({a->definition, a->family}, {b->definition, b->family}, Strings());
    for (const auto& line : lines) std::cout << line << '\n';
    return lines.empty() ? kSuccess : kFailure;
}

// git runs a diff driver with PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX
// NEW-MODE and takes any exit status but 0 for a failure.
int printGitDifferences(const std::vector<std::string>& arguments) {
    const auto& path = arguments[0];
    const auto& before = arguments[1];
    const auto& after = arguments[4];
    std::cout << "tessel diff a/" << path << " b/" << path << '\n';
    if (before == kNoFile) std::cout << "new design\n";
    if (after == kNoFile) std::cout << "design removed\n";
    std::cout.flush();
    return printDifferences(before, after) == kUsageError ? kFailure : kSuccess;
}

}  // namespace

void addDiffCommand(CLI::App& app, int& status) {
    struct Options {
        std::vector<std::string> files;
        bool git = false;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand(
        "diff", "Show how two designs differ, in the design's terms; exit status 1 when they differ.");
    command->add_option("FILES", options->files, "Two project files or JSON exports (A B), or git's seven arguments")
        ->required()
        ->expected(2, 7);
    command->add_flag("--git", options->git, "Take the arguments git gives a diff driver and exit 0 after showing");
    command->callback([options, &status] {
        const auto& files = options->files;
        const std::size_t wanted = options->git ? 7 : 2;
        if (files.size() != wanted) {
            status = fail("diff: takes " + std::to_string(wanted) + " files, " + std::to_string(files.size()) +
                          " were given");
            status = kUsageError;
            return;
        }
        status = options->git ? printGitDifferences(files) : printDifferences(files[0], files[1]);
    });
}

}  // namespace tessel::cli
