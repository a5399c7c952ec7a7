#pragma once
// The program's window: cut to the terminal's outline and filled by the
// pictured terminal. It owns the project and carries out every command of the
// popup menu and the shortcuts.
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "core/history_entries.h"
#include "core/preferences.h"
#include "core/project.h"
#include "core/project_session.h"
#include "core/strings.h"
#include "core/ui/interface_translation.h"
#include "core/ui/screen_fitting.h"
#include "link/data_file.h"
#include "link/ir_cradle.h"
#include "link/port_list.h"
#include "simulator/clock.h"
#include "simulator/simulator.h"

class QLabel;

namespace tessel {
class Desktop;
struct FindingLocation;
}  // namespace tessel

namespace tessel::ui {

class SimulatorDataCommands;
class TerminalView;
class ScanWindow;

// The services the window shows its dialogs through; tests give their own.
struct WindowServices {
    MessageService& messages;
    FileDialogs& dialogs;
    Desktop& desktop;
    const sim::Clock& clock;
    std::filesystem::path preferencesFile;
    std::vector<std::filesystem::path> languageFolders;
    std::function<link::PortList()> listPorts;
    link::PortMaker makePort;
    std::filesystem::path skinFolder = {};  // PNG files replacing the drawn pictures
    std::string fileToOpen = {};            // a project named on the command line
};

class MainWindow : public QWidget, private SessionView {
    Q_OBJECT
public:
    explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    void runCommand(int command);

    Project& project() { return project_; }
    const Preferences& preferences() const { return preferences_.values; }
    TerminalView& terminal() { return *terminal_; }
    ScanWindow& scanner() { return *scanner_; }
    QMenu& popupMenu() { return menu_; }
    sim::Simulator& simulator() { return *simulator_; }
    const ProjectSession& session() const { return session_; }
    // "Saved FILE", shown over the terminal's name for a while after a save.
    const QLabel& savedNotice() const { return *savedNotice_; }
    const QTimer& savedNoticeTimer() const { return savedNoticeTimer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // SessionView
    void refreshForFamily() override;
    void edit() override;
    void placeWindow() override;
    void menuChanged() override;

    // The editor sheet, opened on the place of a finding when one is given.
    void runEditorSheet(const FindingLocation* place);
    void checkDesign();
    // Runs the checks before a download; true when there is nothing to
    // mend or the user downloads anyway.
    bool mayDownloadDesign();
    void buildMenu();
    void addShortcuts();
    // The title and the Undo and Redo entries follow the project.
    void showProjectState();
    HistoryWords historyWords() const;
    void showSavedNotice();
    bool showPreferences();
    void showAbout();
    void transfer(int command);
    // The port list and the position of the chosen port in it, asking for a
    // port in the preferences while none is chosen or the choice has gone
    // stale; nothing when the user cancels.
    std::optional<std::pair<link::PortList, int>> portsWithChosenPort();

    WindowServices services_;
    Project project_;
    Strings strings_;
    PreferencesStore preferences_;
    TerminalView* terminal_;
    std::unique_ptr<sim::Simulator> simulator_;
    std::unique_ptr<SimulatorDataCommands> simulatorData_;
    ScanWindow* scanner_;
    ProjectSession session_;
    QMenu menu_;
    InterfaceTranslation translation_;
    ScreenFitting screenFitting_;
    QLabel* savedNotice_;
    QTimer savedNoticeTimer_;
};

}  // namespace tessel::ui
