// The three dialogs of the Barcode page that are not option tables: RFID
// Parameters, Weight Code and Code ID.
#include <gtest/gtest.h>

#include "core/project.h"
#include "reader/code_id_dialog_model.h"
#include "reader/rfid_dialog_model.h"
#include "reader/weight_code_dialog_model.h"
#include "support/projects.h"

namespace tessel {
namespace {

class BespokeDialogs : public ::testing::Test {
protected:
    Project project = test::newProject(kFamily4760);
};

TEST_F(BespokeDialogs, RfidEnablingFollowsWhatIsRead) {
    struct Case {
        bool uid, data, delimiter;
        bool positions, useDelimiter, delimiterField;
    };
    const Case cases[] = {
        {true, false, true, false, false, false},
        {false, true, true, true, false, false},
        {true, true, false, true, true, false},
        {true, true, true, true, true, true},
    };
    RfidDialogModel model(project.definition);
    for (const Case& c : cases) {
        model.setReadUid(c.uid);
        model.setReadData(c.data);
        model.setUseDelimiter(c.delimiter);
        EXPECT_EQ(model.positionsEnabled(), c.positions);
        EXPECT_EQ(model.useDelimiterEnabled(), c.useDelimiter);
        EXPECT_EQ(model.delimiterEnabled(), c.delimiterField);
    }
}

TEST_F(BespokeDialogs, RfidStoresItsFieldsOnOkOnly) {
    project.definition.rfid.options = 0x9F;  // read UID, and bits no control edits
    RfidDialogModel model(project.definition);
    EXPECT_EQ(model.delimiterText(), ",");
    EXPECT_EQ(model.maxLengthText(), "128");
    EXPECT_EQ(model.setStartPosition("300"), "255");
    EXPECT_EQ(model.setStartPosition("x"), "0");
    EXPECT_EQ(model.setStartPosition("012"), "12");
    EXPECT_EQ(model.setMaxLength("256"), "255");
    model.setReadUid(false);
    model.setReadData(true);
    model.setUseDelimiter(true);
    model.setDelimiter(";");
    EXPECT_EQ(project.definition.rfid.startPosition, 0);
    model.accept();
    EXPECT_EQ(project.definition.rfid.options, 0x7F);
    EXPECT_EQ(project.definition.rfid.delimiter, ';');
    EXPECT_EQ(project.definition.rfid.startPosition, 12);
    EXPECT_EQ(project.definition.rfid.maxLength, 255);
}

TEST_F(BespokeDialogs, WeightCodePrefixIsPaddedOnOkAsOnLeavingTheField) {
    struct Case {
        const char* typed;
        Bytes<2> stored;
    };
    const Case cases[] = {{"2", {' ', '2'}}, {"", {' ', ' '}}, {"27", {'2', '7'}}, {"123", {'1', '2'}}};
    for (const Case& c : cases) {
        WeightCodeDialogModel model(project.definition);
        model.setPrefix(c.typed);
        model.accept();  // no focus change: Enter pressed in the prefix field
        EXPECT_EQ(project.definition.weightCode.prefixCode, c.stored) << c.typed;
    }
    WeightCodeDialogModel model(project.definition);
    model.setPrefix("5");
    EXPECT_EQ(model.padPrefix(), " 5");
}

TEST_F(BespokeDialogs, WeightCodeListsAndFlags) {
    WeightCodeDialogModel model(project.definition);
    EXPECT_TRUE(model.enabled());
    EXPECT_EQ(model.maskChoice(), 2);  // 7
    EXPECT_EQ(model.keyChoice(), 1);
    EXPECT_EQ(model.quantityChoice(), 3);
    EXPECT_EQ(WeightCodeDialogModel::maskEntries().front(), "05");
    EXPECT_EQ(WeightCodeDialogModel::fieldEntries(test::builtinStrings()).back(), "field 8");
    model.setEnabled(false);
    EXPECT_FALSE(model.optionsEnabled());
    model.setFormat1c(true);
    model.setMaskChoice(4);
    model.setKeyChoice(7);
    model.setQuantityChoice(0);
    model.accept();
    const WeightCodeBlock& block = project.definition.weightCode;
    EXPECT_EQ(block.flags.value(), 2);
    EXPECT_EQ(block.maskCode.value(), 9);
    EXPECT_EQ(block.keyField.value(), 8);
    EXPECT_EQ(block.quantityField.value(), 1);
    EXPECT_EQ(block.marker.value(), kWeightCodeMarker);

    project.definition.weightCode.maskCode.set(3);  // outside the list: shown as none, kept on OK
    WeightCodeDialogModel odd(project.definition);
    EXPECT_EQ(odd.maskChoice(), -1);
    odd.accept();
    EXPECT_EQ(project.definition.weightCode.maskCode.value(), 3);
}

TEST_F(BespokeDialogs, CodeIdSetsClearAndTheRowsOfThe2dReader) {
    CodeIdDialogModel model(project.definition);
    EXPECT_FALSE(model.rowEnabled(0));  // off: nothing to edit
    model.setOn(true);
    for (std::size_t row = 0; row < kCodeIdSymbologies; ++row) EXPECT_TRUE(model.rowEnabled(row));
    model.loadSet(3);
    EXPECT_EQ(model.codes()[0], (Bytes<2>{'M', 0}));
    EXPECT_EQ(model.codes()[10], (Bytes<2>{'F', 'F'}));
    EXPECT_EQ(model.codes()[14], (Bytes<2>{'Q', 0}));
    model.loadSet(0);
    EXPECT_EQ(model.codes()[8], (Bytes<2>{'H', 0}));
    model.accept();
    EXPECT_EQ(project.definition.settings.codeIdOn, 1);
    EXPECT_EQ(project.definition.settings.codeId[8], (Bytes<2>{'H', 0}));

    project.definition.settings.ReaderType = 0x01;
    CodeIdDialogModel twoD(project.definition);
    for (const std::size_t row : {1u, 2u, 5u, 14u}) EXPECT_FALSE(twoD.rowEnabled(row)) << row;
    EXPECT_TRUE(twoD.rowEnabled(3));
    twoD.clear();
    twoD.setOn(false);
    twoD.accept();
    EXPECT_EQ(project.definition.settings.codeIdOn, 0);
    EXPECT_EQ(project.definition.settings.codeId[8], (Bytes<2>{0, 0}));
}

}  // namespace
}  // namespace tessel
