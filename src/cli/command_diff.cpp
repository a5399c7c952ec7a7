#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/design_input.h"
#include "core/project.h"
#include "core/project_file.h"
#include "design/design_differences.h"

namespace tessel::cli {
namespace {

// How git names the side of an added or deleted file.
constexpr const char* kNoFile = "/dev/null";

struct DesignFile {
    Definition definition{};
    int family = 0;
};

std::optional<DesignFile> readDesign(const std::string& path) {
    const auto bytes = readDesignFile(path);
    if (!bytes) return std::nullopt;
    DesignFile design;
    design.family = *familyOfMagic(*bytes);
    fillDefinitionFrom(*bytes, design.definition);
    return design;
}

// What a new project of the family holds: the other side of an added or
// deleted design, so that only what the user designed is shown.
DesignFile newDesign(int family, const Strings& strings) {
    Project project = startupProject(strings);
    newProjectOfFamily(project, strings, family);
    return {project.definition, family};
}

// Prints the differences; 0 when there are none, 1 when there are, 2 when a
// file cannot be read. A side named kNoFile when `gitSides` is a new project.
int printDifferences(const std::string& before, const std::string& after, bool gitSides = false) {
    const Strings strings;
    const auto absent = [gitSides](const std::string& path) { return gitSides && path == kNoFile; };
    std::optional<DesignFile> a;
    std::optional<DesignFile> b;
    if (!absent(before) && !(a = readDesign(before))) return kUsageError;
    if (!absent(after) && !(b = readDesign(after))) return kUsageError;
    if (!a && !b) return kUsageError;
    if (!a) a = newDesign(b->family, strings);
    if (!b) b = newDesign(a->family, strings);
    const auto lines = designDifferences({a->definition, a->family}, {b->definition, b->family}, strings);
    for (const auto& line : lines) std::cout << line << '\n';
    return lines.empty() ? kSuccess : kFailure;
}

// git runs a diff driver with PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX
// NEW-MODE, two more (the new path and the rename's description) for a
// renamed file, and PATH alone for an unmerged one; it takes any exit status
// but 0 for a failure.
int printGitDifferences(const std::vector<std::string>& arguments) {
    const auto& path = arguments[0];
    if (arguments.size() == 1) {
        std::cout << path << ": unmerged\n";
        return kSuccess;
    }
    const auto& before = arguments[1];
    const auto& after = arguments[4];
    std::cout << "tessel diff a/" << path << " b/" << (arguments.size() == 9 ? arguments[7] : path) << '\n';
    if (before == kNoFile) std::cout << "new design\n";
    if (after == kNoFile) std::cout << "design removed\n";
    std::cout.flush();
    return printDifferences(before, after, true) == kUsageError ? kFailure : kSuccess;
}

// The number of files each calling form takes.
bool takesFileCount(bool git, std::size_t count) { return git ? (count == 1 || count == 7 || count == 9) : count == 2; }

}  // namespace

void addDiffCommand(CLI::App& app, int& status) {
    struct Options {
        std::vector<std::string> files;
        bool git = false;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand(
        "diff", "Show how two designs differ, in the design's terms; exit status 1 when they differ.");
    command->add_option("FILES", options->files, "Two project files or JSON exports (A B), or the arguments git gives")
        ->required();
    command->add_flag("--git", options->git, "Take the arguments git gives a diff driver and exit 0 after showing");
    command->callback([options, &status] {
        const auto& files = options->files;
        if (!takesFileCount(options->git, files.size())) {
            fail(options->git ? "diff --git: takes the 1, 7 or 9 arguments git gives a diff driver"
                              : "diff: takes two files, A and B");
            status = kUsageError;
            return;
        }
        status = options->git ? printGitDifferences(files) : printDifferences(files[0], files[1]);
    });
}

}  // namespace tessel::cli
