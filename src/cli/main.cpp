// tessel: the command-line face of Tessel Studio.
#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>

#include "cli/commands.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    using namespace tessel::cli;
#ifdef SIGPIPE
    // A closed output (stderr piped into `head`) must not end a transfer
    // half way: writes to it fail quietly instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    CLI::App app{
        "Tessel Studio command-line tool: make, inspect, convert and run terminal application projects,\n"
        "and transfer them to and from the terminal.",
        "tessel"};
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 success; 1 failure, with the reason on stderr; 2 usage error; 3 receive completed\n"
        "without records (an existing OUTPUT left as it was).");
    app.set_version_flag("--version", "tessel 1.0.0");

    int status = kSuccess;
    addNewCommand(app, status);
    addInfoCommand(app, status);
    addImageCommand(app, status);
    addExportCommands(app, status);
    addUpgradeCommand(app, status);
    addCheckCommand(app, status);
    addDiffCommand(app, status);
    addStringsCommand(app, status);
    addSimCommand(app, status);
    addBarcodeCommand(app, status);
    addPortsCommand(app, status);
    addDetectCradleCommand(app, status);
    addDownloadCommand(app, status);
    addDownloadLookupCommand(app, status);
    addLookupFileCommand(app, status);
    addReceiveCommand(app, status);
    addTerminalCommand(app, status);
    addStationCommand(app, status);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }
    return status;
}
