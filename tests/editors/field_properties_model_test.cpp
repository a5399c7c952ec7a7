#include "editors/field_properties_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "editors/initial_value_filter.h"
#include "editors/lookup_field_properties_model.h"
#include "support/projects.h"

namespace tessel {
namespace {

class FieldProperties : public ::testing::Test {
protected:
    FieldProperties() { form.fieldType[0] = kFieldText; }
    FormRecord form = test::newProject(kFamilyGroup).definition.forms[0];
};

TEST(InitialValueFilter, KeepsWhatTheTypeAllows) {
    struct Case {
        int type;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {kFieldInteger, "12a4", "124"},
        {kFieldInteger, "-5", "5"},
        {kFieldReal, "1.2", "1.2"},
        {kFieldReal, "1.2.", "12"},
        {kFieldReal, "a.5", ".5"},
        {kFieldAuto, "3..1", "31"},
        {kFieldBoolean, "x", ""},
        {kFieldBoolean, "Y", "Y"},
        {kFieldBoolean, "0", "0"},
        {kFieldBoolean, "t", "t"},
        {kFieldBoolean, "No", "N"},
        {kFieldAlphameric, "AB-12", "AB"},
        {kFieldAlphameric, "abc9", "abc9"},
        {kFieldText, "any text!", "any text!"},
        {kFieldText, "ten chars!", "ten chars"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filterInitialValue(c.type, c.typed), c.kept) << c.type << " " << c.typed;
    }
}

TEST_F(FieldProperties, InitialValueIsStoredFiltered) {
    form.fieldType[0] = kFieldReal;
    FieldPropertiesModel model(form, 0);
    EXPECT_EQ(model.setInitialValue("1.2."), "12");
    EXPECT_EQ(cellText(form.initialValue[0]), "12");
}

TEST_F(FieldProperties, FixedDataHasNoInitialValueOrInputMarkBox) {
    form.fieldType[0] = kFieldFixedData;
    FieldPropertiesModel model(form, 0);
    EXPECT_FALSE(model.initialValueBoxEnabled());
    EXPECT_FALSE(model.showInputMarkBoxEnabled());
    EXPECT_FALSE(model.decimalPlacesEnabled());
}

TEST_F(FieldProperties, OpeningFixesPartialBarcodeValues) {
    struct Case {
        Byte start, length;
        Byte openedStart, openedLength;
    };
    const Case cases[] = {{0, 0, 1, 160}, {0, 200, 1, 160}, {0x80, 20, 0x80, 20}, {5, 160, 5, 160}};
    for (const auto& c : cases) {
        form.partialStart[0] = c.start;
        form.partialLength[0] = c.length;
        FieldPropertiesModel model(form, 0);
        EXPECT_EQ(form.partialStart[0], c.openedStart);
        EXPECT_EQ(form.partialLength[0], c.openedLength);
    }
}

TEST_F(FieldProperties, SaveFullBarcodeIsStoredOnOk) {
    FieldPropertiesModel model(form, 0);
    EXPECT_EQ(model.setPartialStart("12"), "12");
    model.setSaveFullBarcode(true);
    EXPECT_EQ(form.partialStart[0], 12);
    model.accept();
    EXPECT_EQ(form.partialStart[0], 0x80 | 12);

    FieldPropertiesModel again(form, 0);
    EXPECT_TRUE(again.saveFullBarcode());
    EXPECT_EQ(again.partialStart(), "12");
    again.setPartialStart("0");
    again.setSaveFullBarcode(false);
    again.accept();
    EXPECT_EQ(form.partialStart[0], 1);
}

TEST_F(FieldProperties, NumbersAreCorrectedInPlace) {
    FieldPropertiesModel model(form, 0);
    EXPECT_EQ(model.setFixedLength("300"), "255");
    EXPECT_EQ(form.fixedLength[0], 255);
    EXPECT_EQ(model.setFixedLength("x"), "0");
    EXPECT_EQ(model.setFixedLength("08"), "8");
    EXPECT_EQ(form.fixedLength[0], 8);
    EXPECT_EQ(model.setPartialLength("a"), "0");
    EXPECT_EQ(model.setPartialLength("99"), "99");
    EXPECT_EQ(form.partialLength[0], 99);
    EXPECT_EQ(model.setPartialLength("160"), "160");
    EXPECT_EQ(model.setPartialLength("999"), "160");
    EXPECT_EQ(form.partialLength[0], 160);
}

TEST_F(FieldProperties, StartPositionStaysOutOfTheSaveFullBarcodeBit) {
    form.partialStart[0] = 0x80 | 5;
    FieldPropertiesModel model(form, 0);
    EXPECT_EQ(model.setPartialStart("127"), "127");
    EXPECT_EQ(form.partialStart[0], 0x80 | 127);
    EXPECT_EQ(model.setPartialStart("150"), "127");
    EXPECT_EQ(form.partialStart[0], 0x80 | 127);
}

TEST_F(FieldProperties, LeadingCodeFillsItsOwnSlotOnly) {
    setCellText(form.leadingCode[1], "XY");
    FieldPropertiesModel model(form, 0);
    EXPECT_EQ(model.setLeadingCode("1234567"), "123456");
    EXPECT_EQ(form.leadingCode[0], (Bytes<6>{'1', '2', '3', '4', '5', '6'}));
    EXPECT_EQ(cellText(form.leadingCode[1]), "XY");
    EXPECT_EQ(model.leadingCode(), "123456");
    model.setLeadingCode("12");
    EXPECT_EQ(form.leadingCode[0], (Bytes<6>{'1', '2', 0, 0, 0, 0}));
}

TEST_F(FieldProperties, CheckDigitBoxAndMethod) {
    FieldPropertiesModel model(form, 0);
    model.setCheckDigitOn(true);
    EXPECT_EQ(form.checkDigit[0], 1);
    model.setCheckDigitMethod(7);
    EXPECT_EQ(form.checkDigit[0], 8);
    model.setCheckDigitOn(false);
    EXPECT_EQ(form.checkDigit[0], 0);
}

TEST_F(FieldProperties, InputMarkStaysOnlyWhileShown) {
    {
        FieldPropertiesModel model(form, 0);
        EXPECT_FALSE(model.showInputMark());
        model.setShowInputMark(true);
        EXPECT_EQ(model.setInputMark("#!"), "#");
        model.accept();
    }
    EXPECT_EQ(form.inputMark[0], '#');
    FieldPropertiesModel model(form, 0);
    EXPECT_TRUE(model.showInputMark());
    model.setShowInputMark(false);
    model.accept();
    EXPECT_EQ(form.inputMark[0], 0);
}

TEST_F(FieldProperties, AffixesReachTheRecordOnlyOnOk) {
    FieldPropertiesModel model(form, 0);
    model.setPrefixOn(true);
    model.prefix() = GridValue{0x41, 0x20, 0x0F};
    model.suffix() = GridValue{1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(form.prefix[0][0], 0);
    EXPECT_EQ(form.prefixOn[0], 1);  // boxes store at once
    model.accept();
    EXPECT_EQ(form.prefix[0], (Bytes<10>{0x41, 0x20, 0x0F}));
    EXPECT_EQ(form.suffix[0], (Bytes<10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
}

TEST_F(FieldProperties, CancelRestoresEverything) {
    const FormRecord before = form;
    FieldPropertiesModel model(form, 0);
    model.setFixedLengthOn(true);
    model.setInitialValueOn(true);
    model.setInitialValue("abc");
    model.setLeadingCode("ZZ");
    model.setAutoEnter(3);
    model.cancel();
    EXPECT_EQ(std::memcmp(&form, &before, sizeof form), 0);
}

TEST_F(FieldProperties, LookupFieldCompanionsNeedSaveDataAndTheirBox) {
    form.fieldType[0] = kFieldLookup;
    LookupFieldPropertiesModel model(form, 0);
    model.setFixedLengthOn(true);
    model.setPrefixOn(true);
    EXPECT_FALSE(model.optionBoxesEnabled());
    EXPECT_FALSE(model.fixedLengthControlsEnabled());
    EXPECT_FALSE(model.prefixBoxEnabled());
    model.setSaveFieldData(true);
    EXPECT_EQ(form.initialValueOn[0], 1);
    EXPECT_TRUE(model.optionBoxesEnabled());
    EXPECT_TRUE(model.fixedLengthControlsEnabled());
    EXPECT_TRUE(model.prefixBoxEnabled());
    EXPECT_FALSE(model.suffixBoxEnabled());
}

TEST_F(FieldProperties, LookupFieldOkDropsTheInputMark) {
    form.fieldType[0] = kFieldLookup;
    form.inputMark[0] = '*';
    LookupFieldPropertiesModel model(form, 0);
    model.suffix() = GridValue{0x1E};
    model.accept();
    EXPECT_EQ(form.inputMark[0], 0);
    EXPECT_EQ(form.suffix[0][0], 0x1E);
}

}  // namespace
}  // namespace tessel
