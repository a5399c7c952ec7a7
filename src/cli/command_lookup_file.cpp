#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/lookup_checking.h"
#include "cli/project_loading.h"
#include "link/lookup_csv.h"

namespace tessel::cli {
namespace {

struct LookupFileOptions {
    std::string project;
    int lookup = 1;
    std::string input;
    std::string output;
    bool header = false;
    std::vector<std::string> columns;
    bool strict = false;
    std::string separator;
};

void printFaults(const std::string& input, const std::vector<link::LineFault>& faults, std::string_view what) {
    for (const auto& fault : faults) std::cerr << input << ":" << fault.line << ": " << what << fault.what << '\n';
}

int makeLookupFile(const LookupFileOptions& options) {
    Strings strings;
    const auto project = loadProject(options.project, {}, strings);
    if (!project) return kFailure;
    const auto layout = projectLookup(*project, options.project, options.lookup);
    if (!layout) return kFailure;
    const auto csv = readWholeFile(options.input);
    if (!csv) return kFailure;
    link::CsvOptions csvOptions;
    csvOptions.header = options.header;
    csvOptions.columns = options.columns;
    csvOptions.strict = options.strict;
    if (!options.separator.empty()) csvOptions.separator = options.separator == "tab" ? '\t' : options.separator[0];
    std::string error;
    const auto converted = link::csvToLookup(*csv, *layout, csvOptions, error);
    if (!converted) {
        std::cerr << options.input << ": " << error << ".\n";
        return kUsageError;
    }
    printFaults(options.input, converted->cut, "");
    printFaults(options.input, converted->refused, "left out: ");
    if (!writeWholeFile(options.output, converted->file)) return kFailure;
    std::cout << converted->records << " records written to " << options.output << ".\n";
    if (!converted->refused.empty()) {
        std::cerr << converted->refused.size() << " row(s) did not fit lookup " << options.lookup << ".\n";
        return kFailure;
    }
    return kSuccess;
}

}  // namespace

void addLookupFileCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<LookupFileOptions>();
    auto* command =
        app.add_subcommand("lookup-file",
                           "Make a lookup file in a project lookup's layout from a CSV export; exit status 1 when rows "
                           "were left out.");
    command->add_option("PROJECT", options->project, "Project file whose lookup gives the layout")->required();
    command->add_option("N", options->lookup, "The lookup, 1 to 3")->required()->check(CLI::Range(1, 3));
    command->add_option("INPUT", options->input, "CSV file (comma, semicolon or tab; UTF-8 or Windows-1251)")
        ->required();
    command->add_option("-o,--output", options->output, "Lookup file to write")->required();
    command->add_flag("--header", options->header, "The first row names the columns and is skipped");
    command
        ->add_option("--columns", options->columns,
                     "CSV columns for the lookup's columns, in its order: numbers from 1 or header names")
        ->delimiter(',');
    command->add_flag("--strict", options->strict, "Leave out rows whose fields would be cut");
    command->add_option("--separator", options->separator, "Field separator: , ; or tab (default: guessed)")
        ->check(CLI::IsMember({",", ";", "tab"}));
    command->callback([options, &status] { status = makeLookupFile(*options); });
}

}  // namespace tessel::cli
