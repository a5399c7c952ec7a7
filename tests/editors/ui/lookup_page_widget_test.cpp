#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "core/messages.h"
#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/lookup_page.h"
#include "editors/ui/placeholder_page.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

// Lookup 2: fixed-length columns with large stored values in every byte.
void designLookup(LookupRecord& lookup) {
    lookup.recordLength = 250;
    lookup.columnCount = 3;
    lookup.keyColumn = 2;
    lookup.columnOffset = {1, 101, 201, 255, 1, 1, 1, 1};
    lookup.columnLength = {100, 100, 50, 0, 0, 0, 0, 5};
    lookup.delimiter = 0;
    lookup.uploadable = 0;
    lookup.noMatchAction = 5;
    lookup.badFormatAction = 2;
    lookup.negativeRemains = 1;
    lookup.onSdCard = 1;
}

// Captured messages that first tell `onShow`, to see the sheet as the user
// sees it while a message is up.
class WatchedMessages : public CapturedMessages {
public:
    std::function<void()> onShow = [] {};
    int show(std::string_view caption, std::string_view text, MessageStyle style) override {
        onShow();
        return CapturedMessages::show(caption, text, style);
    }
};

class LookupPageTest : public ::testing::Test {
protected:
    void open(int family) {
        project = test::newProject(family);
        designLookup(project.definition.lookups[1]);
        sheet = std::make_unique<EditorSheet>(project, test::builtinStrings());
        sheet->addPage(new PlaceholderPage("Form"));
        sheet->addPage(new PlaceholderPage("Menu"));
        sheet->addPage(new LookupPage(project, test::builtinStrings(), messages, std::make_shared<WorkingTexts>()));
        sheet->tabs()->setCurrentIndex(2);
    }
    void SetUp() override { open(kFamilyGroup); }

    template <typename Widget>
    Widget* control(const std::string& name) {
        return test::child<Widget>(sheet.get(), name.c_str());
    }
    QLineEdit* row(const char* stem, std::size_t column) {
        return control<QLineEdit>(stem + std::to_string(column + 1));
    }
    void pressOk() { sheet->findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Ok)->click(); }
    void retype(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    // Every control of the page against the lookup it shows.
    void expectShows(const LookupRecord& lookup, std::size_t index) {
        const bool delimited = lookup.delimiter != 0;
        EXPECT_EQ(control<QComboBox>("lookupName")->currentIndex(), static_cast<int>(index));
        EXPECT_EQ(control<QLineEdit>("memberLength")->text().toInt(), lookup.recordLength);
        EXPECT_EQ(control<QComboBox>("columnCount")->currentIndex(), lookup.columnCount);
        EXPECT_EQ(control<QRadioButton>("fixedLength")->isChecked(), !delimited);
        EXPECT_EQ(control<QRadioButton>("delimiter")->isChecked(), delimited);
        EXPECT_EQ(control<QLineEdit>("delimiterCode")->text().toInt(), lookup.delimiter);
        EXPECT_EQ(control<QLabel>("lengthHeading")->text(), delimited ? "Max Length" : "   Length");
        for (std::size_t k = 0; k < kColumnsPerLookup; ++k) {
            EXPECT_EQ(row("offset", k)->text().toInt(), lookup.columnOffset[k]) << k;
            EXPECT_EQ(row("length", k)->text().toInt(), lookup.columnLength[k]) << k;
            EXPECT_EQ(control<QRadioButton>("key" + std::to_string(k + 1))->isChecked(), lookup.keyColumn == k);
        }
        EXPECT_EQ(control<QCheckBox>("readOnce")->isChecked(), lookup.readOnce != 0);
        EXPECT_EQ(control<QCheckBox>("uploadable")->isChecked(), lookup.uploadable != 0);
        EXPECT_EQ(control<QCheckBox>("negativeRemains")->isChecked(), lookup.negativeRemains != 0);
        EXPECT_EQ(control<QCheckBox>("deleteIfNull")->isChecked(), lookup.deleteIfNull != 0);
        EXPECT_EQ(control<QCheckBox>("onSdCard")->isChecked(), lookup.onSdCard != 0);
        EXPECT_EQ(control<QComboBox>("badFormatAction")->currentIndex(), lookup.badFormatAction);
        EXPECT_EQ(control<QComboBox>("noMatchAction")->currentIndex(), lookup.noMatchAction);
    }

    Project project;
    WatchedMessages messages;
    std::unique_ptr<EditorSheet> sheet;
};

TEST_F(LookupPageTest, BoxesShowTheRecords) {
    ASSERT_NE(sheet->findChild<QWidget*>("LOOKUPDLG"), nullptr);
    expectShows(project.definition.lookups[0], 0);
    EXPECT_FALSE(control<QLineEdit>("memberLength")->isEnabled());
    control<QComboBox>("lookupName")->setCurrentIndex(1);
    expectShows(project.definition.lookups[1], 1);
    EXPECT_TRUE(control<QLineEdit>("memberLength")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("delimiterCode")->isEnabled());
    for (std::size_t k = 0; k < kColumnsPerLookup; ++k) {
        EXPECT_EQ(row("offset", k)->isEnabled(), k < 3) << k;
        EXPECT_EQ(row("length", k)->isEnabled(), k < 3) << k;
    }
}

TEST_F(LookupPageTest, NoteWarnsWhileFixedLength) {
    auto* note = control<QLabel>("delimiterNote");
    EXPECT_EQ(note->text(), "For the exchange through Korvan.dll only delimiters are to be used!!!");
    EXPECT_NE(note->palette().color(QPalette::WindowText), QColor(200, 20, 30));
    control<QRadioButton>("fixedLength")->click();
    EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(200, 20, 30));
    EXPECT_EQ(control<QLabel>("lengthHeading")->text(), "   Length");
}

TEST_F(LookupPageTest, SdCardBoxOnlyForTheGroupFamily) {
    EXPECT_FALSE(control<QCheckBox>("onSdCard")->isHidden());
    open(kFamily4760);
    EXPECT_TRUE(control<QCheckBox>("onSdCard")->isHidden());
}

TEST_F(LookupPageTest, DelimitedColumnsAreLaidOutOnOk) {
    control<QComboBox>("columnCount")->setCurrentIndex(3);
    const char* lengths[] = {"10", "5", "8"};
    for (std::size_t k = 0; k < 3; ++k) retype(row("length", k), lengths[k]);
    retype(control<QLineEdit>("delimiterCode"), "44");
    pressOk();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    const LookupRecord& lookup = project.definition.lookups[0];
    EXPECT_EQ(lookup.delimiter, ',');
    EXPECT_EQ(lookup.columnOffset[0], 1);
    EXPECT_EQ(lookup.columnOffset[1], 12);
    EXPECT_EQ(lookup.columnOffset[2], 18);
    EXPECT_EQ(lookup.recordLength, 25);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(cellText(project.definition.settings.textLines[0]).front(), '9');
}

TEST_F(LookupPageTest, CarriageReturnAsDelimiterIsRefused) {
    auto* code = control<QLineEdit>("delimiterCode");
    code->clear();
    QTest::keyClicks(code, "13");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");
    EXPECT_EQ(messages.shown()[0].text, "Invalid value!");
    // The box was "1" a keystroke before and goes back to it.
    EXPECT_EQ(code->text(), "1");
}

TEST_F(LookupPageTest, LengthsAreCappedTogether) {
    control<QComboBox>("columnCount")->setCurrentIndex(3);
    retype(row("length", 0), "200");
    retype(row("length", 1), "50");
    retype(row("length", 2), "10");
    EXPECT_EQ(row("length", 2)->text(), "5");
    retype(row("length", 0), "0999");
    EXPECT_EQ(row("length", 0)->text(), "200");
}

TEST_F(LookupPageTest, LayoutPastAByteKeepsTheSheetOpen) {
    control<QComboBox>("lookupName")->setCurrentIndex(2);
    control<QComboBox>("columnCount")->setCurrentIndex(2);
    retype(row("length", 0), "255");
    control<QComboBox>("lookupName")->setCurrentIndex(0);
    pressOk();
    EXPECT_NE(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(control<QComboBox>("lookupName")->currentIndex(), 2);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid value!");
    EXPECT_EQ(project.definition.lookups[2].columnLength[0], 0);
}

// The message comes over the lookup it is about, not over the page that was
// on top when OK was pressed.
TEST_F(LookupPageTest, LayoutPastAByteIsExplainedOnItsLookup) {
    control<QComboBox>("lookupName")->setCurrentIndex(2);
    control<QComboBox>("columnCount")->setCurrentIndex(2);
    retype(row("length", 0), "255");
    control<QComboBox>("lookupName")->setCurrentIndex(0);
    sheet->tabs()->setCurrentIndex(0);
    int tabShown = -1;
    int lookupShown = -1;
    messages.onShow = [&] {
        tabShown = sheet->tabs()->currentIndex();
        lookupShown = control<QComboBox>("lookupName")->currentIndex();
    };
    pressOk();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(tabShown, 2);
    EXPECT_EQ(lookupShown, 2);
}

TEST_F(LookupPageTest, ReadOnceRefillsTheNoMatchList) {
    auto* noMatch = control<QComboBox>("noMatchAction");
    EXPECT_EQ(noMatch->count(), 6);
    control<QCheckBox>("readOnce")->click();
    EXPECT_EQ(noMatch->count(), 2);
    EXPECT_EQ(noMatch->currentText(), "Insert to lookup file");
    noMatch->setCurrentIndex(1);
    control<QCheckBox>("readOnce")->click();
    EXPECT_EQ(noMatch->currentIndex(), 1);
    // "Show warning message & Insert" is one the narrowed list offers: it stays.
    noMatch->setCurrentIndex(3);
    control<QCheckBox>("readOnce")->click();
    EXPECT_EQ(noMatch->currentText(), "Show warning message & Insert");
    pressOk();
    EXPECT_EQ(project.definition.lookups[0].noMatchAction, 3);
}

TEST_F(LookupPageTest, ResetMakesEveryLookupFixedLength) {
    control<QComboBox>("lookupName")->setCurrentIndex(1);
    control<QPushButton>("resetButton")->click();
    EXPECT_EQ(control<QComboBox>("lookupName")->currentIndex(), 0);
    EXPECT_TRUE(control<QRadioButton>("fixedLength")->isChecked());
    EXPECT_EQ(control<QLineEdit>("delimiterCode")->text(), "0");
    control<QRadioButton>("delimiter")->click();
    EXPECT_EQ(control<QLineEdit>("delimiterCode")->text(), "9");
}

}  // namespace
}  // namespace tessel
