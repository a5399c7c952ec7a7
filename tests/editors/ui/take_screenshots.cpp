// Saves a picture of the editor sheet and of each of its dialogs as PNG files
// in the folder given on the command line, for the documentation:
//   QT_QPA_PLATFORM=offscreen editors_screenshots docs/screenshots
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>
#include <QWidget>

#include "core/file_dialogs.h"
#include "core/messages.h"
#include "core/project.h"
#include "core/strings.h"
#include "editors/ui/branch_dialog.h"
#include "editors/ui/branch_options_dialogs.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/field_properties_dialog.h"
#include "editors/ui/form_page.h"
#include "editors/ui/function_key_dialog.h"
#include "editors/ui/grid_dialog.h"
#include "editors/ui/grid_view.h"
#include "editors/ui/lookup_field_properties_dialog.h"
#include "editors/ui/lookup_page.h"
#include "editors/ui/menu_page.h"
#include "editors/ui/placeholder_page.h"
#include "editors/ui/printer_dialog.h"
#include "editors/ui/security_dialog.h"
#include "editors/ui/settings_page.h"
#include "editors/ui/stamp_dialog.h"
#include "simulator/ui/startup_page.h"
#include "support/screenshot.h"

namespace tessel {
namespace {

// The Startup page's import is not used for the pictures.
class NoFileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest&) override { return std::nullopt; }
};

// A stock-taking form: an article looked up by its code, a quantity and a note
// that runs on over an extension line.
void designSampleForm(FormRecord& form) {
    const struct {
        Byte type;
        const char* prompt;
        Byte maxLength;
    } lines[] = {{7, "Article:", 160}, {2, "Quantity:", 6}, {1, "Note:", 35}, {12, "", 0}, {13, "Press a key", 160}};
    for (std::size_t f = 0; f < std::size(lines); ++f) {
        form.fieldType[f] = lines[f].type;
        setCellText(form.fieldPrompt[f], lines[f].prompt);
        form.maxLength[f] = lines[f].maxLength;
    }
    form.formLookup = 1;
    form.fieldLink[0] = 1;
    form.fieldLink[1] = 19;
    form.inputSource[4] = 1;
    form.branchTarget = {12, 11, 13, 0};
    form.sumSpec[0] = 0x41;
    form.sumSource[0] = 3;
    form.remainsSpec[1] = 0x12;
    form.printMethod = 1;
    form.printQuantity = 2;
    form.printData = {1, 2, 11, 0, 0, 0, 0, 0};
    form.prefixOn[1] = 1;
    form.prefix[1] = {0x1B, 0x41};
    form.partialOn[1] = 1;
}

// The main menu of the stock-taking application: two forms and a submenu.
void designSampleMenu(MenuRecord& menu) {
    menu.captionOn = 1;
    setCellText(menu.caption, "Stock taking");
    const char* items[] = {"Receive goods", "Count shelf", "Settings"};
    const Byte targets[] = {1, 2, 12};
    for (std::size_t item = 0; item < std::size(items); ++item) {
        setCellText(menu.itemName[item], items[item]);
        menu.itemTarget[item] = targets[item];
    }
    menu.saveCaption = 1;
    menu.menuPassDown = 1;
}

// The articles: code, name and price, separated by commas, keyed by the code.
void designSampleLookup(LookupRecord& lookup) {
    lookup.columnCount = 3;
    lookup.columnLength = {10, 5, 8, 0, 0, 0, 0, 0};
    lookup.columnOffset = {1, 12, 18, 1, 1, 1, 1, 1};
    lookup.recordLength = 25;
    lookup.delimiter = ',';
    lookup.badFormatAction = 2;
    lookup.noMatchAction = 1;
}

// Uploads by modem, a password guarding the settings, two mapped function keys.
void designSampleSettings(SystemSettings& settings) {
    settings.uploadPort = 3;
    setCellText(settings.uploadPhone, "+44 20 7946 0018");
    settings.modemSpeed = 3;
    settings.backlightIdle = 3;
    settings.entryOptions = 2;
    settings.promptDuration = 15;
    setCellText(settings.password, "Stock42");
    settings.protectSettings = 1;
    settings.protectDeleteData = 1;
    settings.protectBacklight = 1;
    settings.functionKeysOn = 1;
    settings.functionKeyMap[0] = 1;
    settings.functionKeyMap[1] = 19;
}

void takeAll(const QDir& folder) {
    const Strings strings;
    CapturedMessages messages;
    Project project = startupProject(strings);
    newProjectOfFamily(project, strings, 4130);
    project.currentPath = "/home/ann/stock.TSX";
    FormRecord& form = project.definition.forms[0];
    designSampleForm(form);
    designSampleMenu(project.definition.menus[0]);
    designSampleLookup(project.definition.lookups[0]);

    EditorSheet sheet(project, strings);
    sheet.addPage(new FormPage(project, strings, messages, {}));
    const auto startupTexts = std::make_shared<WorkingTexts>();
    sheet.addPage(new MenuPage(project, strings));
    sheet.addPage(new LookupPage(project, strings, messages, startupTexts));
    sheet.addPage(new PlaceholderPage("Placeholder"));
    sheet.addPage(new SettingsPage(project, strings, messages));
    NoFileDialogs noFiles;
    auto* startup = sheet.addPage(new StartupPage(project, strings, messages, noFiles, startupTexts));
    sheet.resize(1000, 560);
    test::saveScreenshot(sheet, folder, "editor-sheet-form");
    sheet.tabs()->setCurrentIndex(1);
    test::saveScreenshot(sheet, folder, "editor-sheet-menu");
    sheet.tabs()->setCurrentIndex(2);
    test::saveScreenshot(sheet, folder, "editor-sheet-lookup");
    designSampleSettings(project.definition.settings);
    sheet.tabs()->setCurrentIndex(4);
    test::saveScreenshot(sheet, folder, "editor-sheet-settings");
    sheet.tabs()->setCurrentIndex(5);
    startup->findChild<QComboBox*>("promptGroup")->setCurrentIndex(1);
    test::saveScreenshot(sheet, folder, "editor-sheet-startup", {1000, 560});

    StampDialog stamp(form, strings);
    test::saveScreenshot(stamp, folder, "date-time-stamp");
    FieldPropertiesDialog properties(form, 0, 1, strings, messages);
    test::saveScreenshot(properties, folder, "properties");
    LookupFieldPropertiesDialog lookupProperties(form, 0, 0, strings, messages);
    lookupProperties.findChild<QCheckBox*>("saveFieldData")->setChecked(true);
    lookupProperties.findChild<QCheckBox*>("fixedLengthOn")->setChecked(true);
    test::saveScreenshot(lookupProperties, folder, "lookup-properties");
    BranchDialog branch(form, strings);
    test::saveScreenshot(branch, folder, "branch");
    SummationDialog summation(form, 0, strings);
    test::saveScreenshot(summation, folder, "summation");
    RemainsDialog remains(form, 1, strings);
    test::saveScreenshot(remains, folder, "remains");
    PrinterDialog printer(form, project.definition.settings, strings);
    test::saveScreenshot(printer, folder, "printer-settings");
    SecurityDialog security(project.definition.settings, strings, messages);
    test::saveScreenshot(security, folder, "security-settings");
    FunctionKeyDialog functionKeys(project.definition.settings, strings);
    test::saveScreenshot(functionKeys, folder, "function-key-mapping");

    GridDialog grid({}, 9, strings, messages);
    grid.resize(720, 520);
    grid.show();
    for (const Byte cell : {Byte{0x41}, Byte{0x20}, Byte{0x0F}}) {
        QTest::mouseClick(grid.view(), Qt::LeftButton, {}, grid.view()->cellCentre(cell / 16, cell % 16));
    }
    test::saveScreenshot(grid, folder, "character-grid", {720, 520});
}

}  // namespace
}  // namespace tessel

int main(int argc, char** argv) { return tessel::test::takeScreenshots(argc, argv, tessel::takeAll); }
