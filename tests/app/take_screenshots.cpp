// Saves pictures of the program's window for each family into a folder:
//   take_app_screenshots FOLDER
// Runs on the offscreen platform; not part of the test run.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTimer>

#include "app/main_window.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "simulator/ui/terminal_view.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    tessel::test::TempDir temp;
    tessel::CapturedMessages messages;
    tessel::test::ScriptedFileDialogs dialogs;
    tessel::test::RecordingDesktop desktop;
    tessel::sim::SteppingClock clock({2026, 3, 5, 9, 5, 0});
    tessel::ui::MainWindow window({messages,
                                   dialogs,
                                   desktop,
                                   clock,
                                   temp.path() / "TESSEX.ini",
                                   {},
                                   [] { return tessel::link::PortList{}; },
                                   {}});
    // New opens the editor sheet; close it at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(50);
    for (const int family : {tessel::kFamily4760, tessel::kFamilyGroup}) {
        window.runCommand(family == tessel::kFamily4760 ? tessel::kCommandNew4760 : tessel::kCommandNewGroup);
        window.simulator().tick();
        // As the desktop shows it: cut to the terminal's outline.
        const QPixmap shot = window.terminal().grab();
        QPixmap cut(shot.size());
        cut.fill(Qt::transparent);
        QPainter painter(&cut);
        painter.setClipRegion(window.mask());
        painter.drawPixmap(0, 0, shot);
        painter.end();
        cut.save(folder.filePath(QString("terminal-%1.png").arg(family)));
    }
    return 0;
}
