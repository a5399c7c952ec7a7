#include "app/simulator_data_commands.h"

#include <QCoreApplication>

#include <filesystem>

#include "app/records_window.h"
#include "core/file_io.h"
#include "core/popup_menu.h"
#include "simulator/lookup_load.h"

namespace tessel::ui {
namespace {

constexpr std::size_t kLookupFileLimit = 256u << 20;

// The class is no QObject; its texts are translated in the context the
// translation sources give them.
std::string tr(const char* text) {
    return QCoreApplication::translate("tessel::ui::SimulatorDataCommands", text).toStdString();
}

}  // namespace

SimulatorDataCommands::SimulatorDataCommands(QWidget* owner, sim::Simulator& simulator, const Project& project,
                                             const Strings& strings, MessageService& messages, FileDialogs& dialogs)
    : owner_(owner),
      simulator_(simulator),
      project_(project),
      strings_(strings),
      messages_(messages),
      dialogs_(dialogs) {}

bool SimulatorDataCommands::run(int command) {
    if (command >= kCommandLoadLookupData1 && command <= kCommandLoadLookupData3) {
        loadLookup(command - kCommandLoadLookupData1 + 1);
    } else if (command == kCommandClearLookupData) {
        clearLookups();
        simulator_.restart();
    } else if (command == kCommandCollectedRecords) {
        showRecords();
    } else {
        return false;
    }
    return true;
}

// The file is read whole and loaded only when it fits; the simulator then
// starts again at the main menu so that no form holds a record of the old data.
void SimulatorDataCommands::loadLookup(int number) {
    const auto path = dialogs_.choose(openLookupRequest(strings_, lastFolder_));
    if (!path) return;
    lastFolder_ = std::filesystem::path(*path).parent_path().string();
    const MessageStyle warning{MessageIcon::Warning, MessageButtons::Ok};
    const auto content = readFileBytes(*path, kLookupFileLimit);
    if (!content) {
        messages_.show(tr("Load Lookup Data"), tr("Cannot read the file:") + "\n" + *path, warning);
        return;
    }
    const auto report = sim::loadLookupInto(simulator_.terminalData(), project_.definition.lookups, number, *content);
    if (!report.loaded) {
        messages_.show(tr("Load Lookup Data"), report.text + ".\n" + *path, warning);
        return;
    }
    simulator_.restart();
    messages_.show(tr("Load Lookup Data"), report.text + ".", {MessageIcon::Information, MessageButtons::Ok});
}

void SimulatorDataCommands::showRecords() {
    RecordsWindow window(simulator_.terminalData(), strings_, messages_, dialogs_, owner_);
    window.exec();
}

}  // namespace tessel::ui
