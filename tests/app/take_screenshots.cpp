// Saves pictures of the program for the documentation into a folder:
//   take_app_screenshots FOLDER        the window for each family, a form
//                                      taking input on the group terminal, the
//                                      scanner beside it, the notice after a
//                                      save, the question before the editor
//                                      sheet drops changes and the sheet with
//                                      its preview for each family
//   take_app_screenshots FOLDER guide  the user guide's pictures of the stock
//                                      count, in FOLDER/en and FOLDER/ru
// Runs on the offscreen platform; not part of the test run.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include "app/main_window.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "core/preferences.h"
#include "core/records/field_type.h"
#include "core/text_encoding.h"
#include "core/ui/qt_messages.h"
#include "simulator/key_script.h"
#include "simulator/ui/scan_window.h"
#include "simulator/ui/terminal_view.h"
#include "stock_count_design.h"
#include "support/recording_desktop.h"
#include "support/screenshot.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

void savePicture(const QPixmap& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + ".png");
    picture.save(path);
    QTextStream(stdout) << path << "\n";
}

// As the desktop shows the terminal: cut to its outline.
void saveTerminal(ui::MainWindow& window, const QDir& folder, const QString& name) {
    window.simulator().tick();
    const QPixmap shot = window.grab();
    QPixmap cut(shot.size());
    cut.fill(Qt::transparent);
    QPainter painter(&cut);
    painter.setClipRegion(window.mask());
    painter.drawPixmap(0, 0, shot);
    painter.end();
    savePicture(cut, folder, name);
}

// Runs `command`, whose modal window `take` pictures and closes.
void withModal(ui::MainWindow& window, int command, const std::function<void(QDialog&)>& take) {
    QTimer::singleShot(0, [take] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) take(*dialog);
    });
    window.runCommand(command);
}

struct Desk {
    explicit Desk(std::string_view language = kBuiltinLanguage, std::vector<std::filesystem::path> folders = {}) {
        Preferences preferences;
        preferences.language = std::string(language);
        writePreferences(temp.path() / "TESSEX.ini", preferences);
        window =
            std::make_unique<ui::MainWindow>(ui::WindowServices{messages,
                                                                dialogs,
                                                                desktop,
                                                                clock,
                                                                temp.path() / "TESSEX.ini",
                                                                std::move(folders),
                                                                [] {
                                                                    return link::PortList{{"/dev/ttyUSB0", "ttyUSB0"}};
                                                                },
                                                                {}});
    }

    test::TempDir temp;
    ui::QtMessages messages;
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    std::unique_ptr<ui::MainWindow> window;
};

// Closes every modal window as soon as it shows: New opens the editor sheet.
void closeModalsAtOnce(QTimer& closer) {
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(50);
}

// The scanner beside the group terminal: an EAN-13 just read into the item
// field, the cursor on the quantity, an EAN-8 typed for the next scan.
void saveScanning(ui::MainWindow& window, sim::SteppingClock& clock, const QDir& folder) {
    window.project().definition.forms[0].maxLength[0] = 13;
    window.simulator().restart();
    sim::runKeyScript(window.simulator(), clock, "1");
    auto& scanner = window.scanner();
    scanner.findChild<QComboBox*>("symbology")->setCurrentText("EAN13");
    scanner.findChild<QLineEdit*>("scanData")->setText("4006381333931");
    scanner.scanBox();
    scanner.findChild<QLineEdit*>("scanData")->setText("96385074");
    scanner.findChild<QComboBox*>("symbology")->setCurrentText("EAN8");
    saveTerminal(window, folder, "scanning-4130");
    const QPixmap terminalShot(folder.filePath("scanning-4130.png"));
    const QPixmap scannerShot = scanner.grab();
    QPixmap both(terminalShot.width() + 12 + scannerShot.width(),
                 std::max(terminalShot.height(), scannerShot.height()));
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, terminalShot);
    painter.drawPixmap(terminalShot.width() + 12, 40, scannerShot);
    painter.end();
    both.save(folder.filePath("scanning-4130.png"));
}

void takeTerminalPictures(const QDir& folder) {
    Desk desk;
    ui::MainWindow& window = *desk.window;
    QTimer closer;
    closeModalsAtOnce(closer);
    for (const int family : {kFamily4760, kFamilyGroup}) {
        window.runCommand(family == kFamily4760 ? kCommandNew4760 : kCommandNewGroup);
        saveTerminal(window, folder, QString("terminal-%1").arg(family));
    }
    // A form taking input on the group terminal: a text field filled, the
    // cursor after the quantity typed so far.
    FormRecord& form = window.project().definition.forms[0];
    form.fieldType[0] = static_cast<Byte>(kFieldText);
    setCellText(form.fieldPrompt[0], "Item:");
    form.maxLength[0] = 12;
    form.fieldType[1] = static_cast<Byte>(kFieldInteger);
    setCellText(form.fieldPrompt[1], "Qty:");
    form.maxLength[1] = 5;
    window.simulator().restart();
    sim::runKeyScript(window.simulator(), desk.clock, "1 4 0 1 2 ENTER 1 2");
    saveTerminal(window, folder, "form-4130");
    saveScanning(window, desk.clock, folder);

    desk.dialogs.answer((desk.temp.path() / "stock.TSX").string());
    window.simulator().restart();
    window.runCommand(kCommandSaveAs);
    saveTerminal(window, folder, "saved-notice");

    // A change on the Form page, then Esc: the question, answered Discard.
    closer.stop();
    QTimer::singleShot(0, [&folder] {
        auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        sheet->findChild<QComboBox*>("fieldType1")->setCurrentIndex(2);
        QTimer::singleShot(200, [&folder] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            savePicture(box->grab(), folder, "discard-question");
            box->button(QMessageBox::Discard)->click();
        });
        sheet->reject();
    });
    window.runCommand(kCommandEdit);
    closer.start(50);

    // The sheet with its preview: the Form page of the 4760, the Menu page
    // of the group terminal.
    for (const int family : {kFamily4760, kFamilyGroup}) {
        window.runCommand(family == kFamily4760 ? kCommandNew4760 : kCommandNewGroup);
        QApplication::processEvents();
        test::designStockCount(window.project());
        const bool forms = family == kFamily4760;
        closer.stop();
        withModal(window, kCommandEdit, [&folder, forms](QDialog& sheet) {
            sheet.findChild<QTabWidget*>("editorTabs")->setCurrentIndex(forms ? 0 : 1);
            QApplication::processEvents();
            test::saveScreenshot(sheet, folder, forms ? "preview-form-4760" : "preview-menu-4130");
            sheet.reject();
        });
        closer.start(50);
    }
}

// The stock count of the guide on the group terminal, page by page, then
// running on the simulated terminal.
void takeGuidePictures(const QDir& folder, bool russian) {
    QDir().mkpath(folder.path());
    const auto languages = std::filesystem::path(TESSEL_SOURCE_DIR) / "resources/languages";
    Desk desk(russian ? utf8ToCp1251Lossy("Русский") : std::string(kBuiltinLanguage),
              russian ? std::vector{languages} : std::vector<std::filesystem::path>{});
    ui::MainWindow& window = *desk.window;
    {
        QTimer closer;
        closeModalsAtOnce(closer);
        window.runCommand(kCommandNewGroup);
        QApplication::processEvents();
    }
    saveTerminal(window, folder, "new-project");
    test::designStockCount(window.project());
    withModal(window, kCommandEdit, [&folder](QDialog& sheet) {
        auto* tabs = sheet.findChild<QTabWidget*>();
        const char* names[] = {"page-form",    "page-menu",     "page-lookup",
                               "page-barcode", "page-settings", "page-startup"};
        for (int page = 0; page < tabs->count() && page < 6; ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            savePicture(sheet.grab(), folder, names[page]);
        }
        sheet.reject();
    });
    withModal(window, kCommandPreferences, [&folder](QDialog& preferences) {
        QApplication::processEvents();
        savePicture(preferences.grab(), folder, "preferences");
        preferences.reject();
    });
    // "1. Collect data" of the terminal's main menu starts the application.
    window.simulator().restart();
    sim::runKeyScript(window.simulator(), desk.clock, "1");
    saveTerminal(window, folder, "run-menu");
    sim::runKeyScript(window.simulator(), desk.clock, "1 4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER");
    saveTerminal(window, folder, "run-form");
}

}  // namespace
}  // namespace tessel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    if (argc > 2 && QString(argv[2]) == "guide") {
        tessel::takeGuidePictures(folder.filePath("en"), false);
        tessel::takeGuidePictures(folder.filePath("ru"), true);
    } else {
        tessel::takeTerminalPictures(folder);
    }
    return 0;
}
