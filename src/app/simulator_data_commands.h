#pragma once
// The popup menu's commands for the simulated terminal's data: loading a
// lookup file into lookup 1, 2 or 3 (kept until New, Open or Clear Lookup
// Data), clearing it, and the window of the collected records.
#include "core/file_dialogs.h"
#include "core/messages.h"
#include "core/project.h"
#include "core/strings.h"
#include "simulator/simulator.h"

class QWidget;

namespace tessel::ui {

class SimulatorDataCommands {
public:
    SimulatorDataCommands(QWidget* owner, sim::Simulator& simulator, const Project& project, const Strings& strings,
                          MessageService& messages, FileDialogs& dialogs);

    // Carries out `command` when it is one of these; false otherwise.
    bool run(int command);
    // What New and Open do: the lookup data goes, the records stay.
    void clearLookups() { simulator_.terminalData().clearLookups(); }

private:
    void loadLookup(int number);
    void showRecords();

    QWidget* owner_;
    sim::Simulator& simulator_;
    const Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    std::string lastFolder_;
};

}  // namespace tessel::ui
