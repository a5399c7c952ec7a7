// Saves pictures of the Barcode page in each reader mode and of a sample of
// its dialogs as PNG files in the folder given on the command line, for the
// documentation:
//   QT_QPA_PLATFORM=offscreen reader_screenshots docs/screenshots
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

#include "core/messages.h"
#include "core/project.h"
#include "core/strings.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/placeholder_page.h"
#include "reader/ui/barcode_page.h"
#include "reader/ui/code_id_dialog.h"
#include "reader/ui/option_dialog.h"
#include "reader/ui/rfid_dialog.h"
#include "reader/ui/weight_code_dialog.h"
#include "support/screenshot.h"

namespace tessel {
namespace {

constexpr int kBarcodeTab = 3;

void saveOptions(Definition& definition, const Strings& strings, const QDir& folder, bool twoD, int button,
                 const char* name) {
    OptionDialog dialog(*optionDialogFor(twoD, button), strings, definition);
    test::saveScreenshot(dialog, folder, name);
}

void takeAll(const QDir& folder) {
    const Strings strings;
    CapturedMessages messages;
    Project project = startupProject(strings);
    newProjectOfFamily(project, strings, 4760);
    project.currentPath = "/home/ann/stock.TSX";
    project.definition.settings.codeIdOn = 1;
    project.definition.settings.codeId[0] = {'A', 0};
    project.definition.settings.codeId[8] = {'H', 0};

    EditorSheet sheet(project, strings);
    for (int tab = 0; tab < 6; ++tab) {
        if (tab == kBarcodeTab) {
            sheet.addPage(new BarcodePage(project, strings, messages));
        } else {
            sheet.addPage(new PlaceholderPage("Placeholder"));
        }
    }
    sheet.tabs()->setCurrentIndex(kBarcodeTab);
    auto* reader = sheet.findChild<QComboBox*>("readerType");
    const char* modes[] = {"barcode-page-1d", "barcode-page-2d", "barcode-page-long-range"};
    for (int mode = 0; mode < 3; ++mode) {
        reader->setCurrentIndex(mode);
        test::saveScreenshot(sheet, folder, modes[mode], {860, 560});
    }

    saveOptions(project.definition, strings, folder, false, 204, "industrial25-options");
    saveOptions(project.definition, strings, folder, false, 207, "codabar-options");
    saveOptions(project.definition, strings, folder, false, 225, "ean128-options");
    saveOptions(project.definition, strings, folder, true, 201, "upca-2d-options");
    saveOptions(project.definition, strings, folder, true, 215, "interleaved25-2d-options");
    RfidDialog rfid(project.definition, strings);
    rfid.findChild<QCheckBox*>("readData")->setChecked(true);
    test::saveScreenshot(rfid, folder, "rfid-parameters");
    CodeIdDialog codeId(project.definition, strings, messages);
    test::saveScreenshot(codeId, folder, "code-id");
    WeightCodeDialog weightCode(project.definition, strings);
    test::saveScreenshot(weightCode, folder, "weight-code");
}

}  // namespace
}  // namespace tessel

int main(int argc, char** argv) { return tessel::test::takeScreenshots(argc, argv, tessel::takeAll); }
