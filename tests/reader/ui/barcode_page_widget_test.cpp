// The Barcode page on the editor sheet: what each reader mode shows, and that
// the writes made at once mark the project modified even when the sheet is
// cancelled, while accepting writes only the bytes the page owns.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/messages.h"
#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/placeholder_page.h"
#include "reader/ui/barcode_page.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

using test::child;

constexpr int kBarcodeTab = 3;

class BarcodePageOnSheet : public ::testing::Test {
protected:
    BarcodePageOnSheet() { open(); }
    // Opens the sheet on the project as it now is, as Edit would.
    void open() {
        sheet = std::make_unique<EditorSheet>(project, test::builtinStrings());
        for (int tab = 0; tab < 6; ++tab) {
            if (tab == kBarcodeTab) {
                page = sheet->addPage(new BarcodePage(project, test::builtinStrings(), messages));
            } else {
                sheet->addPage(new PlaceholderPage("other"));
            }
        }
        sheet->tabs()->setCurrentIndex(kBarcodeTab);
    }
    template <typename Widget>
    Widget* control(const char* name) {
        return child<Widget>(page, name);
    }
    void press(QDialogButtonBox::StandardButton which) { test::press(*sheet, which); }

    Project project = test::newProject(kFamily4760);
    CapturedMessages messages;
    std::unique_ptr<EditorSheet> sheet;
    BarcodePage* page = nullptr;
};

TEST_F(BarcodePageOnSheet, EachReaderModeShowsItsControls) {
    auto* reader = control<QComboBox>("readerType");
    auto* first = control<QCheckBox>("box101");
    auto* qr = control<QCheckBox>("box127");
    EXPECT_EQ(reader->count(), 3);
    EXPECT_EQ(first->text(), "Code 39");
    EXPECT_TRUE(qr->isHidden());
    EXPECT_TRUE(control<QComboBox>("settingList1")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("aimDuration")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("more211")->isVisibleTo(page));
    EXPECT_TRUE(control<QPushButton>("more225")->isVisibleTo(page));

    reader->setCurrentIndex(1);
    EXPECT_EQ(project.definition.settings.ReaderType & 0x05, 0x01);
    EXPECT_EQ(first->text(), "UPC-A");
    EXPECT_FALSE(qr->isHidden());
    EXPECT_FALSE(control<QComboBox>("settingList1")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("more212")->isVisibleTo(page));
    EXPECT_FALSE(control<QPushButton>("more225")->isVisibleTo(page));

    reader->setCurrentIndex(2);
    EXPECT_TRUE(control<QLineEdit>("aimDuration")->isEnabled());
    EXPECT_FALSE(qr->isEnabled());
    EXPECT_FALSE(control<QPushButton>("more213")->isEnabled());

    reader->setCurrentIndex(0);
    EXPECT_TRUE(qr->isHidden());
}

TEST_F(BarcodePageOnSheet, TogglesEnableTheirDependants) {
    auto* code128 = control<QCheckBox>("box124");
    code128->setChecked(false);
    EXPECT_FALSE(control<QCheckBox>("box125")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("more225")->isEnabled());
    code128->setChecked(true);
    EXPECT_TRUE(control<QPushButton>("more225")->isEnabled());

    auto* rfid = control<QCheckBox>("rfidReader");
    rfid->setChecked(true);
    EXPECT_TRUE(control<QPushButton>("more228")->isEnabled());
    rfid->setChecked(false);
    EXPECT_FALSE(control<QPushButton>("more228")->isEnabled());

    auto* timeout = control<QLineEdit>("timeout");
    timeout->clear();
    QTest::keyClicks(timeout, "999");
    EXPECT_EQ(timeout->text(), "255");
}

TEST_F(BarcodePageOnSheet, AReaderChosenThenCancelledStaysAndMarksTheProject) {
    control<QComboBox>("readerType")->setCurrentIndex(1);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(project.definition.settings.ReaderType & 0x01, 0x01);
    EXPECT_TRUE(project.modified);
}

TEST_F(BarcodePageOnSheet, ResetToDefaultIsWrittenAtOnce) {
    recordBytes(project.definition.symbology)[21] = 60;
    const Definition before = project.definition;
    open();
    EXPECT_EQ(control<QLineEdit>("timeout")->text(), "60");
    control<QPushButton>("resetButton")->click();
    EXPECT_EQ(control<QLineEdit>("timeout")->text(), "3");
    EXPECT_EQ(project.definition.symbology.readTimeout, 3);
    EXPECT_EQ(project.definition.settings.ReaderType, before.settings.ReaderType);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(project.definition.symbology.readTimeout, 3);
    EXPECT_TRUE(project.modified);
}

TEST_F(BarcodePageOnSheet, MoreButtonsOpenTheDialogOfTheModeWhichWritesOnOk) {
    const Byte byte5 = project.definition.symbology.byte5;
    test::whenModalOpens([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "Code39Dlg");
        EXPECT_EQ(dialog.windowTitle(), "Code 39 Parameters");
        child<QCheckBox>(&dialog, "fullAscii")->click();
        test::press(dialog, QDialogButtonBox::Ok);
    });
    control<QPushButton>("more201")->click();
    EXPECT_EQ(project.definition.symbology.byte5, byte5 ^ 0x10);

    control<QComboBox>("readerType")->setCurrentIndex(1);
    const Definition before = project.definition;
    test::whenModalOpens([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "INTERLEAVE25_2D_DLG");
        child<QCheckBox>(&dialog, "toEan13")->click();
        test::press(dialog, QDialogButtonBox::Cancel);
    });
    control<QPushButton>("more215")->click();
    EXPECT_EQ(project.definition.reader.byte14, before.reader.byte14);

    press(QDialogButtonBox::Cancel);
    EXPECT_TRUE(project.modified);
}

TEST_F(BarcodePageOnSheet, TheButtonsOfThePageOpenTheirOwnDialogs) {
    struct Case {
        const char* button;
        const char* dialog;
        const char* control;  // a check box the test ticks before OK
    };
    const Case cases[] = {
        {"codeIdButton", "CODEIDDLG", "codeIdOn"},
        {"weightCodeButton", "WEIGHTCODE", "format1c"},
        {"more228", "RFID_PARAM_DLG", "readData"},
    };
    control<QCheckBox>("rfidReader")->setChecked(true);
    for (const Case& c : cases) {
        const Definition before = project.definition;
        test::whenModalOpens([&c](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), c.dialog);
            child<QCheckBox>(&dialog, c.control)->click();
            test::press(dialog, QDialogButtonBox::Ok);
        });
        control<QPushButton>(c.button)->click();
        const auto a = recordBytes(before);
        const auto b = recordBytes(project.definition);
        EXPECT_FALSE(std::equal(a.begin(), a.end(), b.begin())) << c.dialog;
    }
    press(QDialogButtonBox::Cancel);
    EXPECT_TRUE(project.modified);
}

TEST_F(BarcodePageOnSheet, AnOptionDialogOkThatChangesNothingLeavesTheProjectUnmodified) {
    test::whenModalOpens([](QDialog& dialog) { test::press(dialog, QDialogButtonBox::Ok); });
    control<QPushButton>("more207")->click();
    press(QDialogButtonBox::Cancel);
    EXPECT_FALSE(project.modified);
}

// A new project's bytes leave the Code 128 copy bit clear, which the page
// sets with Code 128 when it writes: only looking at the page is no change.
TEST_F(BarcodePageOnSheet, ANewProjectOnlyLookedAtHasNoChanges) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        project = test::newProject(family);
        open();
        EXPECT_FALSE(page->hasChanges()) << "family " << family;
        EXPECT_FALSE(sheet->hasChanges()) << "family " << family;
    }
}

TEST_F(BarcodePageOnSheet, CancelWithNothingWrittenLeavesTheProjectUnmodified) {
    control<QCheckBox>("box101")->setChecked(false);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(project.definition.symbology.byte0 & 0x80, 0x80);
    EXPECT_FALSE(project.modified);
}

TEST_F(BarcodePageOnSheet, AcceptWritesOnlyTheBarcodePageBytes) {
    // Every byte the page does not own is changed behind its back, as the
    // other pages would; accepting must leave those changes alone.
    auto bytes = recordBytes(project.definition);
    const auto symbology = offsetof(Definition, symbology);
    const auto reader = offsetof(Definition, reader);
    const auto readerType = offsetof(Definition, settings) + offsetof(SystemSettings, ReaderType);
    const auto owned = [&](std::size_t at) {
        return (at >= symbology && at < symbology + sizeof(SymbologyBlock)) ||
               (at >= reader && at < reader + sizeof(ReaderSettings)) || at == readerType;
    };
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (!owned(at)) bytes[at] = static_cast<Byte>(at * 7);
    }
    const Definition others = project.definition;
    control<QCheckBox>("box101")->setChecked(false);
    control<QCheckBox>("rfidReader")->setChecked(true);
    press(QDialogButtonBox::Ok);
    const auto before = recordBytes(others);
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (!owned(at)) {
            ASSERT_EQ(bytes[at], before[at]) << at;
        }
    }
    EXPECT_EQ(project.definition.symbology.byte0 & 0x80, 0);
    EXPECT_EQ(project.definition.settings.ReaderType & 0x02, 0x02);
    EXPECT_TRUE(project.modified);
}

}  // namespace
}  // namespace tessel
