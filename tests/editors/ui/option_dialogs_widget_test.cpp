#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "core/messages.h"
#include "editors/ui/branch_dialog.h"
#include "editors/ui/field_properties_dialog.h"
#include "editors/ui/grid_dialog.h"
#include "editors/ui/grid_target_box.h"
#include "editors/ui/grid_view.h"
#include "editors/ui/lookup_field_properties_dialog.h"
#include "editors/ui/printer_dialog.h"
#include "editors/ui/stamp_dialog.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

class OptionDialogs : public ::testing::Test {
protected:
    OptionDialogs() { form.fieldType[0] = 1; }

    FormRecord form = test::newProject(kFamilyGroup).definition.forms[0];
    CapturedMessages messages;
};

void clickCell(GridView* view, Byte value) {
    QTest::mouseClick(view, Qt::LeftButton, {}, view->cellCentre(value / 16, value % 16));
}

TEST_F(OptionDialogs, CancelInBranchRestoresASummationSetting) {
    BranchDialog branch(form, test::builtinStrings());
    auto* more = test::child<QPushButton>(&branch, "branchMore1");
    EXPECT_FALSE(more->isEnabled());
    test::child<QComboBox>(&branch, "branchTarget1")->setCurrentIndex(12);  // Summation
    ASSERT_TRUE(more->isEnabled());

    test::whenModalOpens([](QDialog& summation) {
        test::child<QComboBox>(&summation, "sumField")->setCurrentIndex(1);
        test::child<QCheckBox>(&summation, "sumMultiply")->setChecked(true);
        test::child<QComboBox>(&summation, "sumMultiplierField")->setCurrentIndex(4);
        test::press(summation, QDialogButtonBox::Ok);
    });
    more->click();
    EXPECT_EQ(form.sumSpec[0], 81);

    test::press(branch, QDialogButtonBox::Cancel);
    EXPECT_EQ(form.sumSpec[0], 0);
    EXPECT_EQ(form.branchTarget[0], 0);
}

TEST_F(OptionDialogs, GridBuildsAValueFromClickedCells) {
    GridDialog dialog({}, 9, test::builtinStrings(), messages);
    dialog.resize(700, 500);
    dialog.show();
    for (const Byte cell : {Byte{0x41}, Byte{0x0D}, Byte{0x20}, Byte{0x0F}}) clickCell(dialog.view(), cell);
    const auto& value = dialog.grid().value();
    EXPECT_EQ(std::vector<Byte>(value.begin(), value.begin() + 4), (std::vector<Byte>{0x41, 0x20, 0x0F, 0}));
    EXPECT_EQ(test::child<QLabel>(&dialog, "resultText")->text(), " A SP F1");
}

TEST_F(OptionDialogs, PrefixBoxComposesThroughTheGrid) {
    FieldPropertiesDialog properties(form, 0, 0, test::builtinStrings(), messages);
    properties.resize(900, 500);
    properties.show();
    auto* prefixOn = test::child<QCheckBox>(&properties, "prefixOn");
    auto* prefix = test::child<GridTargetBox>(&properties, "prefix");
    EXPECT_FALSE(prefix->isEnabled());
    prefixOn->setChecked(true);
    ASSERT_TRUE(prefix->isEnabled());

    auto pickThenPress = [](std::vector<Byte> cells, QDialogButtonBox::StandardButton button) {
        return [cells, button](QDialog& grid) {
            grid.resize(700, 500);
            for (const Byte cell : cells) clickCell(test::child<GridView>(&grid, "grid"), cell);
            test::press(grid, button);
        };
    };
    test::whenModalOpens(pickThenPress({0x41, 0x1D}, QDialogButtonBox::Ok));
    QTest::mouseClick(prefix, Qt::LeftButton);
    EXPECT_EQ(prefix->text(), " A");
    ASSERT_EQ(messages.shown().size(), 1u);  // Var1 after a byte is refused
    EXPECT_EQ(messages.shown()[0].caption, "Error");

    test::whenModalOpens(pickThenPress({0x42}, QDialogButtonBox::Cancel));
    QTest::mouseClick(prefix, Qt::LeftButton);
    EXPECT_EQ(prefix->text(), " A");

    EXPECT_EQ(form.prefix[0][0], 0);  // stored only when the Properties dialog is accepted
    test::press(properties, QDialogButtonBox::Ok);
    EXPECT_EQ(form.prefix[0], (Bytes<10>{0x41}));
    EXPECT_EQ(form.prefixOn[0], 1);
}

TEST_F(OptionDialogs, StampCaptionsFollowTheBoxes) {
    StampDialog stamp(form, test::builtinStrings());
    auto* dateGroup = test::child<QGroupBox>(&stamp, "dateGroup");
    EXPECT_EQ(dateGroup->title(), "Date Format : YYYY/MM/DD");
    test::child<QCheckBox>(&stamp, "stampMonth")->setChecked(false);
    test::child<QComboBox>(&stamp, "stampDateStyle")->setCurrentIndex(2);
    EXPECT_EQ(dateGroup->title(), "Date Format : DD/YYYY");
    test::press(stamp, QDialogButtonBox::Cancel);
    EXPECT_EQ(form.stampMonth, 1);
    EXPECT_EQ(form.stampDateStyle, 0);
}

// Every number box is wide enough for the largest value its byte may hold.
TEST_F(OptionDialogs, NumberBoxesShowWhatTheRecordHolds) {
    form.fixedLength[0] = 255;
    form.partialStart[0] = 0x80 | 127;
    form.partialLength[0] = 160;
    FieldPropertiesDialog properties(form, 0, 0, test::builtinStrings(), messages);
    EXPECT_EQ(test::child<QLineEdit>(&properties, "fixedLength")->text(), "255");
    EXPECT_EQ(test::child<QLineEdit>(&properties, "partialStart")->text(), "127");
    EXPECT_EQ(test::child<QLineEdit>(&properties, "partialLength")->text(), "160");
    test::press(properties, QDialogButtonBox::Cancel);

    form.fieldType[1] = kFieldLookup;
    form.fixedLength[1] = 200;
    LookupFieldPropertiesDialog lookup(form, 0, 1, test::builtinStrings(), messages);
    EXPECT_EQ(test::child<QLineEdit>(&lookup, "fixedLength")->text(), "200");
    test::press(lookup, QDialogButtonBox::Cancel);

    form.printMethod = 1;
    form.printQuantity = 255;
    SystemSettings settings{};
    PrinterDialog printer(form, settings, test::builtinStrings());
    EXPECT_EQ(test::child<QLineEdit>(&printer, "quantity")->text(), "255");
}

}  // namespace
}  // namespace tessel
