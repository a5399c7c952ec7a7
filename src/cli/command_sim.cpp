#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "barcode/picture_scan.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "cli/project_loading.h"
#include "cli/sim_data.h"
#include "simulator/clock.h"
#include "simulator/key_script.h"
#include "simulator/screen_text.h"
#include "simulator/simulator.h"

namespace tessel::cli {
namespace {

// The desktop program would run New of the family asked for; a script run
// only reports it and goes on with the screen as it is.
class ScriptObserver : public sim::SimulatorObserver {
public:
    void requestNewProject(int family) override {
        std::cerr << "The simulator asks for a new project of the " << family << " family.\n";
    }
};

CLI::Validator keyScriptValidator() {
    return CLI::Validator(
        [](const std::string& script) {
            const auto bad = sim::badKeyToken(script);
            return bad ? sim::badKeyTokenReason(*bad) : std::string();
        },
        "KEYS");
}

CLI::Validator localTimeValidator() {
    return CLI::Validator(
        [](const std::string& text) {
            if (sim::parseLocalTime(text)) return std::string();
            return "expected \"YYYY-MM-DD HH:MM:SS\", got '" + text + "'";
        },
        "TIME");
}

// A picture token becomes the scan of the first barcode the picture shows.
std::optional<sim::ScriptStep> pictureStep(const std::string& path) {
    const auto found = barcode::scansInPictureFile(barcode::zxingCodec(), path);
    if (found.scans.empty()) {
        fail(found.problem);
        return std::nullopt;
    }
    if (found.scans.size() > 1) {
        std::cerr << path << " shows " << found.scans.size() << " barcodes; the first is read.\n";
    }
    sim::ScriptStep step(sim::ScriptStep::Kind::Scan);
    step.scan = found.scans.front();
    return step;
}

// The script's tokens with their steps, pictures decoded; nothing after
// printing why a picture gives no scan.
std::optional<std::vector<std::pair<std::string, sim::ScriptStep>>> scriptSteps(const std::string& keys) {
    std::vector<std::pair<std::string, sim::ScriptStep>> steps;
    for (const auto& token : sim::splitKeyScript(keys)) {
        auto step = *sim::parseKeyToken(token);
        if (step.kind == sim::ScriptStep::Kind::Picture) {
            const auto scan = pictureStep(step.path);
            if (!scan) return std::nullopt;
            step = *scan;
        }
        steps.emplace_back(token, std::move(step));
    }
    return steps;
}

struct SimOptions {
    std::string project;
    std::string keys;
    std::string at;
    std::string language;
    bool trace = false;
    SimDataOptions data;
};

// Starts the project's application as the desktop program does (start-up
// defaults, the project, then the main menu) and plays the keys on it.
int runSim(const SimOptions& options) {
    Strings strings;
    auto project = loadProject(options.project, options.language, strings);
    if (!project) return kFailure;
    const auto start = options.at.empty() ? sim::SystemClock().now() : *sim::parseLocalTime(options.at);
    sim::SteppingClock clock(start);
    ConsoleMessages messages;
    ScriptObserver observer;
    sim::Simulator simulator(*project, strings, messages, clock, observer);
    simulator.restart();
    SimData data(options.data);
    if (!data.load(simulator, *project)) return kFailure;

    auto steps = scriptSteps(options.keys);
    if (!steps) return kFailure;
    if (options.trace) std::cout << sim::screenText(simulator);
    for (const auto& [token, step] : *steps) {
        sim::runStep(simulator, clock, step);
        if (!options.trace) continue;
        std::cout << "> " << token << '\n' << takeSearches(simulator) << sim::screenText(simulator);
        if (step.kind == sim::ScriptStep::Kind::Scan && !simulator.lastScanNote().empty()) {
            std::cout << "note: " << simulator.lastScanNote() << '\n';
        }
    }
    if (!options.trace) std::cout << sim::screenText(simulator);
    if (const auto& printed = simulator.terminalData().printed; !printed.empty()) {
        std::cout << "printed=" << sim::displayText(printed) << '\n';
    }
    return data.keep(simulator) ? kSuccess : kFailure;
}

}  // namespace

void addSimCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<SimOptions>();
    auto* command = app.add_subcommand("sim", "Run a project on the simulated terminal and print its screen.");
    command->add_option("PROJECT", options->project, "Project file (left unchanged)")->required();
    command
        ->add_option("--keys", options->keys,
                     "Keys to press, separated by blanks: 0-9, A-B .. Y-Z, ',;', '$:', SPACE, '-', '.', "
                     "UP, DOWN, ESC, BS, ENTER, SCAN, #N (raw key code), tick:N (N ticks of 100 ms, at most a "
                     "day); and scans: SCAN:SYMBOLOGY:DATA (e.g. SCAN:EAN13:4006381333931, %HH for the byte HH), "
                     "SCAN:FILE:PICTURE (a PNG or JPEG of a barcode), RFID:UID[:DATA]")
        ->check(keyScriptValidator());
    command->add_option("--at", options->at, "Local time at the start, \"YYYY-MM-DD HH:MM:SS\" (default: now)")
        ->check(localTimeValidator());
    addLanguageOption(*command, options->language);
    command->add_flag("--trace", options->trace,
                      "Print the screen at the start and after every key token, with the lookup searches and a note "
                      "on a scan that nothing came of");
    command->add_option("--lookup", options->data.lookups, "Load lookup data first: N=FILE, N from 1 to 3 (repeatable)")
        ->check(CLI::Validator(badLookupArgument, "N=FILE"));
    command->add_option("--records", options->data.records,
                        "Write the records the run collected here, as a receive writes them");
    command->add_option("--state", options->data.state,
                        "State folder of a 'tessel terminal --state': run its lookups and add the records to it");
    command->callback([options, &status] { status = runSim(*options); });
}

}  // namespace tessel::cli
