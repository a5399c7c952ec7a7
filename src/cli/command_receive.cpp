#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/link_session.h"
#include "core/model_family.h"
#include "link/data_file.h"
#include "link/receive_data.h"

namespace tessel::cli {

void addReceiveCommand(CLI::App& app, int& status) {
    struct Options {
        std::string output;
        LinkOptions link;
        int family = kFamilyGroup;
    };
    auto options = std::make_shared<Options>();
    auto* command = app.add_subcommand("receive", "Receive the records collected by the terminal into a text file.");
    command
        ->add_option("OUTPUT", options->output,
                     "Data file to write (an existing one is replaced once the first record has arrived)")
        ->required();
    addLinkOptions(*command, options->link);
    command->add_option("--family", options->family, "Family whose interface list the preferences' choice is read from")
        ->check(CLI::IsMember({kFamily4760, kFamilyGroup}));
    command->callback([options, &status] {
        const Strings strings;
        const auto setup = resolveLink(options->link, options->family, true, status);
        if (!setup) return;
        auto file = link::DataFile::create(options->output);
        if (!file) {
            status = fail(strings.utf8(link::message::kFileCreateFailed) + "\n" + options->output);
            return;
        }
        link::ReceiveData handler;
        const auto outcome = runExchange(*setup, handler, file.get());
        file->close();
        if (outcome.result != link::kCompleted) {
            // What was received and acknowledged stays in the file.
            status = reportFailure(outcome, strings);
            return;
        }
        if (handler.recordsReceived() == 0) {
            // Nothing came: a file that was there before stays as it was.
            std::cout << strings.utf8(1134) << '\n';
        } else {
            std::cout << "Done : " << handler.recordsReceived() << " records received.\n";
        }
        status = kSuccess;
    });
}

}  // namespace tessel::cli
