// tessel-studio: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "app/main_window.h"
#include "app/program_icon.h"
#include "core/app_paths.h"
#include "core/ui/control_names.h"
#include "core/ui/qt_desktop.h"
#include "core/ui/qt_messages.h"
#include "link/platform/port_listing.h"
#include "link/platform/qt_serial_port.h"

namespace {

// The project named on the command line (as the file manager passes it), as
// an absolute path so that the recent files can find it again.
std::string fileToOpen(const QApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::tr("Designs data-collection applications for barcode terminals."));
    parser.addHelpOption();
    parser.addPositionalArgument("file", QApplication::tr("A project file (.TSX or .TSA) to open."), "[file]");
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return {};
    return QFileInfo(files.first()).absoluteFilePath().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tessel Studio");
    QApplication::setDesktopFileName("tessel-studio");
    QApplication::setWindowIcon(tessel::ui::programIcon());
    QApplication::setQuitOnLastWindowClosed(true);
    tessel::ui::nameControlsOfShownWindows();
    const std::string file = fileToOpen(application);

    tessel::ui::QtMessages messages;
    tessel::ui::QtFileDialogs dialogs;
    tessel::ui::QtDesktop desktop;
    tessel::sim::SystemClock clock;
    tessel::ui::MainWindow window({messages, dialogs, desktop, clock, tessel::preferencesFilePath(),
                                   tessel::languageSearchFolders(), tessel::link::listSerialPorts,
                                   tessel::link::makeQtSerialPort, tessel::skinArtworkFolder(), file});
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    application.exec();
    return 0;
}
