#pragma once
// Each command of the tool adds itself to the application and, when it runs,
// stores its exit status.
namespace CLI {
class App;
}

namespace tessel::cli {

void addNewCommand(CLI::App& app, int& status);
void addInfoCommand(CLI::App& app, int& status);
void addImageCommand(CLI::App& app, int& status);
void addExportCommands(CLI::App& app, int& status);
void addUpgradeCommand(CLI::App& app, int& status);
void addStringsCommand(CLI::App& app, int& status);
void addSimCommand(CLI::App& app, int& status);
void addPortsCommand(CLI::App& app, int& status);
void addDetectCradleCommand(CLI::App& app, int& status);
void addDownloadCommand(CLI::App& app, int& status);
void addDownloadLookupCommand(CLI::App& app, int& status);
void addReceiveCommand(CLI::App& app, int& status);
void addTerminalCommand(CLI::App& app, int& status);
void addCheckCommand(CLI::App& app, int& status);
void addDiffCommand(CLI::App& app, int& status);
void addBarcodeCommand(CLI::App& app, int& status);
void addLookupFileCommand(CLI::App& app, int& status);
void addStationCommand(CLI::App& app, int& status);

}  // namespace tessel::cli
