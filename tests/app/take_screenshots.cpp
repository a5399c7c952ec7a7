// Saves pictures of the program's window for each family, of a form taking
// input on the group terminal, of the scanner beside it, of the notice after a
// save, of the question before the editor sheet drops changes, and of the
// editor sheet with its preview for each family, into a folder:
//   take_app_screenshots FOLDER
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
#include <QTimer>

#include "app/main_window.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "core/records/field_type.h"
#include "core/ui/qt_messages.h"
#include "simulator/key_script.h"
#include "simulator/ui/scan_window.h"
#include "simulator/ui/terminal_view.h"
#include "support/recording_desktop.h"
#include "support/screenshot.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace {

// A stock count: menu 1 leads to a form asking for an item (with a fill
// character) and a quantity (starting at 1), stamped with the date.
void designStockCount(tessel::Definition& d) {
    using tessel::Byte;
    d.settings.programStart = 1;
    tessel::MenuRecord& menu = d.menus[0];
    menu.captionOn = 1;
    tessel::setCellText(menu.caption, "Stock");
    tessel::setCellText(menu.itemName[0], "Count");
    menu.itemTarget[0] = 1;
    tessel::setCellText(menu.itemName[1], "Receive");
    menu.itemTarget[1] = 1;
    tessel::FormRecord& form = d.forms[0];
    form.fieldType[0] = static_cast<Byte>(tessel::kFieldText);
    tessel::setCellText(form.fieldPrompt[0], "Item:");
    form.maxLength[0] = 12;
    form.inputMark[0] = '_';
    form.fieldType[1] = static_cast<Byte>(tessel::kFieldInteger);
    tessel::setCellText(form.fieldPrompt[1], "Qty:");
    form.maxLength[1] = 5;
    form.initialValueOn[1] = 1;
    tessel::setCellText(form.initialValue[1], "1");
    form.fieldType[2] = static_cast<Byte>(tessel::kFieldPrompt);
    tessel::setCellText(form.fieldPrompt[2], "ENTER to save");
    form.escTarget = 11;
    form.nextTarget = 1;
}

// The editor sheet on page `tab`, with its preview, as NAME.png.
void shootSheet(tessel::ui::MainWindow& window, const QDir& folder, const char* name, int tab) {
    QTimer::singleShot(0, [&folder, name, tab] {
        auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!sheet) return;
        sheet->findChild<QTabWidget*>("editorTabs")->setCurrentIndex(tab);
        QApplication::processEvents();
        tessel::test::saveScreenshot(*sheet, folder, name);
        sheet->reject();
    });
    window.runCommand(tessel::kCommandEdit);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    tessel::test::TempDir temp;
    tessel::ui::QtMessages messages;
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
    // As the desktop shows the terminal: cut to its outline.
    const auto save = [&](const QString& name) {
        const QPixmap shot = window.grab();
        QPixmap cut(shot.size());
        cut.fill(Qt::transparent);
        QPainter painter(&cut);
        painter.setClipRegion(window.mask());
        painter.drawPixmap(0, 0, shot);
        painter.end();
        cut.save(folder.filePath(name + ".png"));
    };
    for (const int family : {tessel::kFamily4760, tessel::kFamilyGroup}) {
        window.runCommand(family == tessel::kFamily4760 ? tessel::kCommandNew4760 : tessel::kCommandNewGroup);
        window.simulator().tick();
        save(QString("terminal-%1").arg(family));
    }
    // A form taking input on the group terminal: a text field filled, the
    // cursor after the quantity typed so far.
    tessel::FormRecord& form = window.project().definition.forms[0];
    form.fieldType[0] = static_cast<tessel::Byte>(tessel::kFieldText);
    tessel::setCellText(form.fieldPrompt[0], "Item:");
    form.maxLength[0] = 12;
    form.fieldType[1] = static_cast<tessel::Byte>(tessel::kFieldInteger);
    tessel::setCellText(form.fieldPrompt[1], "Qty:");
    form.maxLength[1] = 5;
    window.simulator().restart();
    tessel::sim::runKeyScript(window.simulator(), clock, "1 4 0 1 2 ENTER 1 2");
    save("form-4130");
    // Scanning: the scanner beside the terminal, an EAN-13 just read into the
    // item field, the cursor on the quantity.
    form.maxLength[0] = 13;
    window.simulator().restart();
    tessel::sim::runKeyScript(window.simulator(), clock, "1");
    auto& scanner = window.scanner();
    scanner.findChild<QComboBox*>("symbology")->setCurrentText("EAN13");
    scanner.findChild<QLineEdit*>("scanData")->setText("4006381333931");
    scanner.scanBox();
    scanner.findChild<QLineEdit*>("scanData")->setText("96385074");
    scanner.findChild<QComboBox*>("symbology")->setCurrentText("EAN8");
    save("scanning-4130");
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

    dialogs.answer((temp.path() / "stock.TSX").string());
    window.simulator().restart();
    window.runCommand(tessel::kCommandSaveAs);
    save("saved-notice");

    // A change on the Form page, then Esc: the question, answered Discard.
    closer.stop();
    QTimer::singleShot(0, [&folder] {
        auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        sheet->findChild<QComboBox*>("fieldType1")->setCurrentIndex(2);
        QTimer::singleShot(200, [&folder] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box->grab().save(folder.filePath("discard-question.png"));
            box->button(QMessageBox::Discard)->click();
        });
        sheet->reject();
    });
    window.runCommand(tessel::kCommandEdit);
    closer.start(50);

    // The sheet with its preview: the Form page of the 4760, the Menu page
    // of the group terminal.
    for (const int family : {tessel::kFamily4760, tessel::kFamilyGroup}) {
        window.runCommand(family == tessel::kFamily4760 ? tessel::kCommandNew4760 : tessel::kCommandNewGroup);
        QApplication::processEvents();
        closer.stop();
        designStockCount(window.project().definition);
        const bool forms = family == tessel::kFamily4760;
        shootSheet(window, folder, forms ? "preview-form-4760" : "preview-menu-4130", forms ? 0 : 1);
        closer.start(50);
    }
    return 0;
}
