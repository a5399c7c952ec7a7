// tessel-studio: the desktop program.
#include <QApplication>

#include "app/main_window.h"
#include "app/program_icon.h"
#include "core/app_paths.h"
#include "core/ui/control_names.h"
#include "core/ui/qt_desktop.h"
#include "core/ui/qt_messages.h"
#include "link/platform/port_listing.h"
#include "link/platform/qt_serial_port.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tessel Studio");
    QApplication::setDesktopFileName("tessel-studio");
    QApplication::setWindowIcon(tessel::ui::programIcon());
    QApplication::setQuitOnLastWindowClosed(true);
    tessel::ui::nameControlsOfShownWindows();

    tessel::ui::QtMessages messages;
    tessel::ui::QtFileDialogs dialogs;
    tessel::ui::QtDesktop desktop;
    tessel::sim::SystemClock clock;
    tessel::ui::MainWindow window({messages, dialogs, desktop, clock, tessel::preferencesFilePath(),
                                   tessel::languageSearchFolders(), tessel::link::listSerialPorts,
                                   tessel::link::makeQtSerialPort, tessel::skinArtworkFolder()});
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    application.exec();
    return 0;
}
