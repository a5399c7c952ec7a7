#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/link_session.h"
#include "cli/receive_output.h"
#include "core/model_family.h"
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
};

int receive(const ReceiveOptions& options) {
    const Strings strings;
    int status = kSuccess;
    const auto setup = resolveLink(options.link, options.family, true, status, options.familyGiven);
    if (!setup) return status;
    const auto placement = options.append      ? link::DataPlacement::Append
                           : options.noClobber ? link::DataPlacement::Keep
                                               : link::DataPlacement::Replace;
    auto output = openReceiveOutput(options.output, portNameOf(*setup), placement, status);
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
        "receive",
        "Receive the records collected by the terminal into a text file; exit status 3 when it had none.");
    command
        ->add_option("OUTPUT", options->output,
                     "Data file to write (an existing one is replaced once the first record has arrived); "
                     "may hold {port}, {date}, {time} and {n}")
        ->required();
    addLinkOptions(*command, options->link);
    auto* family =
        command->add_option("--family", options->family, "Family whose interface list the preferences' choice is read from")
            ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    auto* append = command->add_flag("--append", options->append, "Add the records to an existing OUTPUT");
    command->add_flag("--no-clobber", options->noClobber, "Refuse an existing OUTPUT before the exchange starts")
        ->excludes(append);
    command->callback([options, family, &status] {
        options->familyGiven = family->count() > 0;
        status = receive(*options);
    });
}

}  // namespace tessel::cli
