#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/link_session.h"
#include "cli/port_fleet.h"
#include "cli/receive_output.h"
#include "core/model_family.h"
#include "link/data_file_name.h"
#include "link/receive_data.h"

namespace tessel::cli {
namespace {

struct ReceiveOptions {
    std::string output;
    LinkOptions link;
    int family = kFamilyGroup;
    bool familyGiven = false;
    bool append = false;
    bool noClobber = false;
    bool json = false;
};

link::DataPlacement placementOf(const ReceiveOptions& options) {
    return options.append      ? link::DataPlacement::Append
           : options.noClobber ? link::DataPlacement::Keep
                               : link::DataPlacement::Replace;
}

// Every port at once, each into its own file; 3 when every port completed
// and none had records.
int receiveOnEveryPort(const ReceiveOptions& options) {
    int status = kSuccess;
    if (!link::patternHasField(options.output, "port")) {
        fail("With several ports OUTPUT must hold {port}, so that each port has a file of its own.");
        return kUsageError;
    }
    const auto setups = resolveLinks(options.link, options.family, true, status, options.familyGiven);
    if (!setups) return status;
    // Every file is opened (or refused) before any exchange starts.
    std::vector<ReceiveOutput> outputs;
    for (const auto& setup : *setups) {
        auto output = openReceiveOutput(options.output, portNameOf(setup), placementOf(options), status);
        if (!output) return status;
        outputs.push_back(std::move(*output));
    }
    const auto results =
        runOnEveryPort(*setups,
                       [&](std::size_t port, const LinkSetup& setup, link::TransferObserver& observer) {
                           ReceiveOutput* output = &outputs[port];
                           link::ReceiveData handler;
                           PortResult result;
                           result.outcome = runExchange(setup, handler, output->file.get(), &observer);
                           output->file->close();
                           result.amount = static_cast<std::uint64_t>(handler.recordsReceived());
                           result.note = output->file->placed() ? output->file->path().string() : "no file written";
                           return result;
                       },
                       {"records", options.json});
    if (fleetStatus(results) != kSuccess) return kFailure;
    for (const auto& result : results)
        if (result.amount > 0) return kSuccess;
    return kNoRecords;
}

int receive(const ReceiveOptions& options) {
    if (severalPorts(options.link)) return receiveOnEveryPort(options);
    const Strings strings;
    int status = kSuccess;
    const auto setup = resolveLink(options.link, options.family, true, status, options.familyGiven);
    if (!setup) return status;
    auto output = openReceiveOutput(options.output, portNameOf(*setup), placementOf(options), status);
    if (!output) return status;
    link::ReceiveData handler;
    const auto outcome = runExchange(*setup, handler, output->file.get());
    output->file->close();
    if (outcome.result != link::kCompleted) {
        // What was received and acknowledged stays in the file.
        return reportFailure(outcome, strings);
    }
    if (handler.recordsReceived() == 0) {
        // Nothing came: a file that was there before stays as it was.
        std::cout << strings.utf8(1134) << '\n' << untouchedOutputNote(output->name) << '\n';
        return kNoRecords;
    }
    std::cout << "Done : " << handler.recordsReceived() << " records received.\n";
    if (output->file->path() != options.output) std::cout << "Written to " << output->file->path().string() << ".\n";
    return kSuccess;
}

}  // namespace

void addReceiveCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ReceiveOptions>();
    auto* command = app.add_subcommand(
        "receive", "Receive the records collected by the terminal into a text file; exit status 3 when it had none.");
    command
        ->add_option("OUTPUT", options->output,
                     "Data file to write (an existing one is replaced once the first record has arrived); "
                     "may hold {port}, {date}, {time} and {n}")
        ->required();
    addLinkOptions(*command, options->link);
    auto* family = command
                       ->add_option("--family", options->family,
                                    "Family whose interface list the preferences' choice is read from")
                       ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    auto* append = command->add_flag("--append", options->append, "Add the records to an existing OUTPUT");
    command->add_flag("--no-clobber", options->noClobber, "Refuse an existing OUTPUT before the exchange starts")
        ->excludes(append);
    command->add_flag("--json", options->json, "With several ports, print the summary as JSON");
    command->callback([options, family, &status] {
        options->familyGiven = family->count() > 0;
        status = receive(*options);
    });
}

}  // namespace tessel::cli
