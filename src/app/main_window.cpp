#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "app/design_check_window.h"
#include "app/editor_pages.h"
#include "app/program_icon.h"
#include "app/simulator_data_commands.h"
#include "app/transfer_commands.h"
#include "core/history_entries.h"
#include "core/model_family.h"
#include "core/popup_menu.h"
#include "core/preferences_form.h"
#include "core/ui/about_box.h"
#include "core/ui/preferences_dialog.h"
#include "core/window_place.h"
#include "core/window_title.h"
#include "editors/ui/editor_sheet.h"
#include "link/ir_cradle.h"
#include "link/link_clock.h"
#include "link/transfer.h"
#include "link/ui/translated_advice.h"
#include "simulator/ui/design_preview_pane.h"
#include "simulator/ui/scan_window.h"
#include "simulator/ui/terminal_view.h"
#include "simulator/window_outline.h"

namespace tessel::ui {
namespace {

// Over the terminal's name on its top edge: clear of the screen and the keys.
constexpr QRect kSavedNoticeArea(48, 12, 171, 26);
constexpr int kSavedNoticeMilliseconds = 2000;

QRegion outlineOf(int family) {
    QPolygon polygon;
    for (const auto& point : sim::windowOutline(family)) polygon << QPoint(point.x, point.y);
    return QRegion(polygon, Qt::WindingFill);
}

void addEntries(QMenu& menu, const std::vector<MenuEntry>& entries, MainWindow& window) {
    for (const auto& entry : entries) {
        if (entry.separator) {
            menu.addSeparator();
        } else if (!entry.submenu.empty()) {
            addEntries(*menu.addMenu(QString::fromStdString(entry.text)), entry.submenu, window);
        } else {
            const int command = entry.command;
            QAction* action = menu.addAction(QString::fromStdString(entry.text));
            action->setData(command);
            QObject::connect(action, &QAction::triggered, &window, [&window, command] { window.runCommand(command); });
        }
    }
}

}  // namespace

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      services_(std::move(services)),
      preferences_{services_.preferencesFile, {}},
      terminal_(new TerminalView(this)),
      session_(project_, strings_, preferences_, services_.messages, services_.dialogs, *this),
      savedNotice_(new QLabel(this)) {
    setObjectName("TESSEL");
    // Every dialog is owned by this window and shows its icon.
    setWindowIcon(programIcon());
    setFixedSize(TerminalView::kWidth, TerminalView::kHeight);
    simulator_ = std::make_unique<sim::Simulator>(project_, strings_, services_.messages, services_.clock, *terminal_);
    terminal_->setSimulator(simulator_.get());
    simulatorData_ = std::make_unique<SimulatorDataCommands>(this, *simulator_, project_, strings_, services_.messages,
                                                             services_.dialogs);
    scanner_ = new ScanWindow(*simulator_, services_.messages, services_.dialogs, this);
    scanner_->attachTo(this, terminal_);
    setFocusProxy(terminal_);
    connect(terminal_, &TerminalView::popupRequested, this, [this](const QPoint& at, bool fromKeyboard) {
        menu_.popup(at);
        if (fromKeyboard && !menu_.actions().isEmpty()) menu_.setActiveAction(menu_.actions().first());
    });
    connect(terminal_, &TerminalView::windowDragRequested, this, [this] {
        if (windowHandle()) windowHandle()->startSystemMove();
    });
    connect(
        terminal_, &TerminalView::newProjectRequested, this,
        [this](int family) { runCommand(is4760(family) ? kCommandNew4760 : kCommandNewGroup); }, Qt::QueuedConnection);
    addShortcuts();
    // Every dialog the program opens fits the screen it opens on.
    qApp->installEventFilter(&screenFitting_);

    savedNotice_->setObjectName("savedNotice");
    savedNotice_->setAlignment(Qt::AlignCenter);
    savedNotice_->setGeometry(kSavedNoticeArea);
    savedNotice_->setStyleSheet("QLabel { background: rgba(20, 24, 30, 220); color: white; border-radius: 6px; }");
    savedNotice_->hide();
    savedNoticeTimer_.setSingleShot(true);
    savedNoticeTimer_.setInterval(kSavedNoticeMilliseconds);
    connect(&savedNoticeTimer_, &QTimer::timeout, savedNotice_, &QLabel::hide);

    session_.start(services_.languageFolders, services_.fileToOpen);
    refreshForFamily();
    buildMenu();
    showProjectState();
}

MainWindow::~MainWindow() = default;

void MainWindow::addShortcuts() {
    const std::pair<QKeySequence, int> shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), kCommandNew4760},
        {QKeySequence(Qt::CTRL | Qt::Key_O), kCommandOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), kCommandSave},
        {QKeySequence(Qt::CTRL | Qt::Key_E), kCommandEdit},
        {QKeySequence(Qt::CTRL | Qt::Key_K), kCommandCheckDesign},
        {QKeySequence(Qt::Key_F1), kCommandAbout},
        {QKeySequence(Qt::ALT | Qt::Key_F4), kCommandExit},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), kCommandUndo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), kCommandRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), kCommandRedo},
    };
    for (const auto& [keys, command] : shortcuts) {
        auto* shortcut = new QShortcut(keys, this);
        const int chosen = command;
        connect(shortcut, &QShortcut::activated, this, [this, chosen] { runCommand(chosen); });
    }
}

void MainWindow::runCommand(int command) {
    switch (command) {
        case kCommandNew4760: session_.newProject(kFamily4760); break;
        case kCommandNewGroup: session_.newProject(kFamilyGroup); break;
        case kCommandOpen: session_.open(); break;
        case kCommandSave:
            if (session_.save()) showSavedNotice();
            break;
        case kCommandSaveAs:
            if (session_.saveAs()) showSavedNotice();
            break;
        // The whole definition changed, as after the sheet's OK.
        case kCommandUndo:
            if (session_.undo()) simulator_->restart();
            break;
        case kCommandRedo:
            if (session_.redo()) simulator_->restart();
            break;
        case kCommandEdit: edit(); break;
        case kCommandCheckDesign: checkDesign(); break;
        case kCommandPreferences:
            showPreferences();
            placeWindow();
            break;
        case kCommandDownloadApplication:
        case kCommandDownloadLookup:
        case kCommandReceiveData: transfer(command); break;
        case kCommandAbout: showAbout(); break;
        case kCommandExit: close(); break;
        default:
            if (command >= kCommandFirstRecentFile && command < kCommandFirstRecentFile + 10) {
                session_.openRecent(static_cast<std::size_t>(command - kCommandFirstRecentFile));
            } else {
                simulatorData_->run(command);
            }
            break;
    }
    showProjectState();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_.mayDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::refreshForFamily() {
    setMask(outlineOf(project_.family));
    terminal_->setFamily(project_.family, QString::fromStdString(services_.skinFolder.string()));
    simulatorData_->clearLookups();  // a new design starts without lookup data
    simulator_->restart();
}

void MainWindow::edit() { runEditorSheet(nullptr); }

void MainWindow::runEditorSheet(const FindingLocation* place) {
    EditorSheet sheet(project_, strings_, this);
    sheet.askBeforeDiscarding(services_.messages);
    addEditorPages(sheet, project_, strings_, services_.messages, services_.dialogs,
                   [this](int key) { simulator_->handleKey(key); });
    sheet.setPreview(new DesignPreviewPane(sheet, project_, strings_, services_.clock,
                                           QString::fromStdString(services_.skinFolder.string())));
    if (place) sheet.showPlace(static_cast<int>(place->page), place->index, place->element);
    sheet.exec();
    for (const EditStep& step : sheet.steps()) session_.recordChange(step);
    simulator_->restart();
    showProjectState();
}

HistoryWords MainWindow::historyWords() const { return {tr("&Undo").toStdString(), tr("Redo").toStdString()}; }

void MainWindow::showProjectState() {
    setWindowTitle(
        QString::fromStdString(windowTitleOf(project_.currentPath, project_.modified, tr("Untitled").toStdString())));
    const auto& history = session_.history();
    for (QAction* action : menu_.actions()) {
        const int command = action->data().toInt();
        if (command == kCommandUndo) {
            action->setText(QString::fromStdString(undoEntryText(history, historyWords())));
            action->setEnabled(history.canUndo());
        } else if (command == kCommandRedo) {
            action->setText(QString::fromStdString(redoEntryText(history, historyWords())));
            action->setEnabled(history.canRedo());
        }
    }
}

void MainWindow::showSavedNotice() {
    const QString text = QString::fromStdString(savedNoticeOf(project_.currentPath, tr("Saved %1").toStdString()));
    savedNotice_->setText(savedNotice_->fontMetrics().elidedText(text, Qt::ElideMiddle, kSavedNoticeArea.width() - 12));
    savedNotice_->show();
    savedNotice_->raise();
    savedNoticeTimer_.start();
}

// At the usual place of the screen the window is on (the primary one when
// it opens), moved in so that no part of it is off that screen.
void MainWindow::placeWindow() {
    setWindowFlag(Qt::WindowStaysOnTopHint, preferences_.values.alwaysOnTop);
    const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    QPoint place(kWindowPlaceX, kWindowPlaceY);
    if (on) {
        const auto rect = [](const QRect& r) { return PlaceRect{r.x(), r.y(), r.width(), r.height()}; };
        const auto at = windowPlace(rect(on->geometry()), rect(on->availableGeometry()), width(), height());
        place = QPoint(at.x, at.y);
    }
    setGeometry(QRect(place, size()));
    show();
}

// The checks speak the active language where the string table has the texts.
void MainWindow::checkDesign() {
    DesignCheckWindow window(tessel::checkDesign(project_.definition, project_.family, strings_),
                             DesignCheckWindow::Purpose::Review, this);
    if (window.exec() == DesignCheckWindow::OpenFinding) runEditorSheet(&window.chosen()->location);
}

bool MainWindow::mayDownloadDesign() {
    auto findings = tessel::checkDesign(project_.definition, project_.family, strings_);
    if (findings.empty()) return true;
    DesignCheckWindow window(std::move(findings), DesignCheckWindow::Purpose::BeforeDownload, this);
    const int answer = window.exec();
    if (answer == DesignCheckWindow::OpenFinding) runEditorSheet(&window.chosen()->location);
    return answer == DesignCheckWindow::DownloadAnyway;
}

void MainWindow::menuChanged() { buildMenu(); }

void MainWindow::buildMenu() {
    // The language may have changed: windows opened from now on follow it.
    translation_.use(QString::fromStdString(strings_.language().interfaceCode()));
    menu_.clear();
    auto entries = popupMenuEntries(strings_, preferences_.values.recentFiles);
    addHistoryEntries(entries, session_.history(), historyWords());
    addEntries(menu_, entries, *this);
    scanner_->addMenuEntries(menu_);
    showProjectState();
    simulator_->restart();
}

void MainWindow::showAbout() {
    AboutBox about(services_.desktop, this);
    about.exec();
}

bool MainWindow::showPreferences() {
    preferences_.load();
    const auto ports = services_.listPorts();
    std::vector<std::string> lines;
    for (const auto& port : ports) lines.push_back(link::portListLine(port, strings_));
    std::vector<std::string> names;
    for (const auto& language : session_.languages()) names.push_back(language.name);
    // Without a listed port the dialog still opens and says so: a device the
    // listing does not show can be typed there.
    PreferencesForm form(preferences_.values, project_.family, lines, names);
    const auto detect = [this, ports]() -> std::optional<DetectedCradle> {
        link::SteadyLinkClock clock;
        const auto found = link::detectCradle(ports, services_.makePort, clock);
        if (!found) return std::nullopt;
        return DetectedCradle{*found, ports[static_cast<std::size_t>(*found)].portName};
    };
    PreferencesDialog dialog(form, strings_, services_.messages, detect, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    session_.applyPreferences(form.result());
    return true;
}

std::optional<std::pair<link::PortList, int>> MainWindow::portsWithChosenPort() {
    for (;;) {
        auto ports = services_.listPorts();
        const auto& values = preferences_.values;
        const auto index = link::chosenPortIn(ports, values.portIndex, values.portName, values.portNumber);
        if (index) return std::pair{std::move(ports), *index};
        if (!values.portName.empty() && !link::findPort(ports, values.portName)) {
            services_.messages.show(strings_.utf8(1122),
                                    translatedAdvice(link::portGoneAdvice(values.portName)).toStdString(),
                                    {MessageIcon::Warning});
        }
        const bool chosen = showPreferences();
        placeWindow();
        if (!chosen) return std::nullopt;
    }
}

void MainWindow::transfer(int command) {
    if (command == kCommandDownloadApplication && !mayDownloadDesign()) return;
    const auto port = portsWithChosenPort();
    if (!port) return;
    const bool receiving = command == kCommandReceiveData;
    const auto& values = preferences_.values;
    const auto kind =
        linkKindOf(interfaceFamilyOf(values, project_.family), receiving ? values.receiveVia : values.downloadVia);
    if (!kind) return;
    const LinkSetup setup{port->first, port->second, *kind, values.baudRate};
    TransferCommands transfers(project_, strings_,
                               {services_.messages, services_.dialogs, services_.desktop, services_.makePort}, this);
    if (receiving) {
        transfers.receive(setup);
    } else if (transfers.download(setup, command == kCommandDownloadLookup) == link::kCompleted) {
        messageByIds(strings_, services_.messages, 1123, 1132, {MessageIcon::Information});
    }
}

}  // namespace tessel::ui
