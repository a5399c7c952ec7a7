// `tessel diff`'s lines: each change of a design named in the design's
// terms, and nothing for equal designs.
#include "design/design_differences.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/records/field_type.h"
#include "design/sample_design.h"

namespace tessel {
namespace {

std::vector<std::string> differences(const Definition& before, const Definition& after, int familyBefore = kFamily4760,
                                     int familyAfter = kFamily4760) {
    return designDifferences({before, familyBefore}, {after, familyAfter}, test::builtinStrings());
}

TEST(DesignDifferences, EqualDesignsHaveNone) {
    EXPECT_TRUE(differences(test::sampleDesign(), test::sampleDesign()).empty());
}

struct ChangeCase {
    const char* name;
    std::function<void(Definition&)> change;
    std::vector<std::string> lines;
};

// Failures name the case rather than its bytes.
void PrintTo(const ChangeCase& c, std::ostream* out) { *out << c.name; }

const std::vector<ChangeCase> kChangeCases{
    {"field type", [](Definition& d) { d.forms[4].fieldType[6] = kFieldReal; }, {"form 5, field 7, type: nil -> real"}},
    {"field type of a field in use",
     [](Definition& d) { d.forms[0].fieldType[1] = kFieldReal; },
     {"form 1, field 2, type: integer -> real"}},
    {"item name",
     [](Definition& d) { test::setText(d.menus[0].itemName[1], "Inventory"); },
     {"menu 1, item 2, name: \"Count\" -> \"Inventory\""}},
    {"item target", [](Definition& d) { d.menus[0].itemTarget[1] = 12; }, {"menu 1, item 2, next: form 2 -> menu 2"}},
    {"form targets",
     [](Definition& d) {
         d.forms[0].escTarget = 0;
         d.forms[0].nextTarget = 21;
         d.forms[0].errorAction = 1;
     },
     {"form 1, esc: menu 1 -> main", "form 1, next: form 1 -> 21", "form 1, if an error occured: Skip error -> main"}},
    {"branch", [](Definition& d) { d.forms[0].branchTarget[2] = 12; }, {"form 1, FN+3, branch: disable -> Summation"}},
    {"field link by the form's lookup",
     [](Definition& d) { d.forms[1].fieldLink[1] = 1; },
     {"form 2, field 2, link: field 2 -> field 1"}},
    {"field link to variables",
     [](Definition& d) { d.forms[0].fieldLink[0] = 17; },
     {"form 1, field 1, link: nil -> get&set v1"}},
    {"lengths", [](Definition& d) { d.forms[0].minLength[0] = 3; }, {"form 1, field 1, min length: 0 -> 3"}},
    {"bits of a byte",
     [](Definition& d) { d.forms[0].partialStart[0] = 0x85; },
     {"form 1, field 1, partial start, save full barcode: 0 -> 1",
      "form 1, field 1, partial start, start position: 0 -> 5"}},
    {"main menu text",
     [](Definition& d) { test::setText(d.texts.block(2)[0], "Hello"); },
     {"texts, Main menu, line 1: \"1. Collect data     \" -> \"Hello\""}},
    {"text of block 1",
     [](Definition& d) { test::setText(d.texts.block(1)[3], "x"); },
     {"texts, block 1, line 4: \"\" -> \"x\""}},
    {"bytes after a text's end",
     [](Definition& d) { d.menus[0].itemName[0][15] = 'z'; },
     {"menu 1, item 1, name: bytes after the text differ"}},
    {"Windows-1251 text",
     [](Definition& d) { test::setText(d.menus[0].itemName[0], "\xD1\xEA\xEB\xE0\xE4"); },
     {"menu 1, item 1, name: \"Stock\" -> \"Склад\""}},
    {"control bytes in a prefix",
     [](Definition& d) { setCellText(d.forms[0].prefix[0], "\r\"A"); },
     {"form 1, field 1, prefix: \"\" -> \"\\x0d\\\"A\""}},
    {"delimiters",
     [](Definition& d) {
         d.settings.fieldDelimiter1 = ',';
         d.settings.fieldDelimiter2 = 0x80;
     },
     {"settings, field delimiter 1: TAB -> ','", "settings, field delimiter 2: none -> byte 128"}},
    {"program start and function keys",
     [](Definition& d) {
         d.settings.programStart = 0;
         d.settings.functionKeyMap[8] = 19;
     },
     {"settings, program start: menu 1 -> form 1", "settings, FN+9 function: Nil -> Calculator"}},
    {"settings text line",
     [](Definition& d) { test::setText(d.settings.textLines[1], "7.Sound"); },
     {"settings, text line 2: \"7.Buzzer            \" -> \"7.Sound\""}},
    {"code id",
     [](Definition& d) {
         d.settings.codeId[0] = {'A', 0};
     },
     {"settings, code id, Code 39: \"\" -> \"A\""}},
    {"lookup column and delimiter",
     [](Definition& d) {
         d.lookups[0].columnLength[1] = 9;
         d.lookups[0].delimiter = ';';
     },
     {"lookup 1, delimiter: TAB -> ';'", "lookup 1, column 2, length: 8 -> 9"}},
    {"reader bits",
     [](Definition& d) { d.reader.byte30 = static_cast<Byte>(kReaderLedIllumination.with(d.reader.byte30, 3)); },
     {"reader settings, LED Illumination: Internal -> Both"}},
    {"reserved bytes",
     [](Definition& d) {
         d.forms[2].reserved1085[7] = 1;
         d.forms[2].reserved1085[9] = 1;
     },
     {"form 3, reserved 1085: 2 of 130 bytes differ"}},
    {"header word", [](Definition& d) { d.headerWord.set(258); }, {"header word: 0 -> 258"}},
};

// Every stored number by the entry of the list that shows it, every reader bit
// by the control that edits it, with the value that control shows.
const std::vector<ChangeCase> kNamedValueCases{
    {"lookup actions and key",
     [](Definition& d) {
         d.lookups[0].keyColumn = 1;
         d.lookups[0].noMatchAction = 3;
         d.lookups[0].badFormatAction = 2;
     },
     {"lookup 1, key column: column 1 -> column 2",
      "lookup 1, no match action: Continue -> Show warning message & Insert",
      "lookup 1, bad format action: Stop the download process -> Skip the record"}},
    {"summation source",
     [](Definition& d) { d.forms[0].sumSource[1] = 3; },
     {"form 1, FN+2, sum source: 1st lookup file -> Data File"}},
    {"field options",
     [](Definition& d) {
         d.forms[0].checkDigit[0] = 2;
         d.forms[0].alignment[0] = 1;
         d.forms[0].autoEnter[0] = 0;
     },
     {"form 1, field 1, alignment: Left aligned (padded with space) -> Right aligned (filled with space)",
      "form 1, field 1, auto enter: Scan+ENTER -> No",
      "form 1, field 1, check digit: 0 -> MOD 10 Add-Double-Add (next high)"}},
    {"settings lists",
     [](Definition& d) {
         d.settings.uploadPort = 3;
         d.settings.baudRate = 4;
         d.settings.warningBeep = 0;
         d.settings.entryOptions = 2;
     },
     {"settings, upload port: Cradle-IR -> Bluetooth SPP", "settings, baud rate: 115200 bps -> 9600 bps",
      "settings, entry options: Show count -> Show record", "settings, warning beep: Two beeps -> Mute"}},
    {"weight code lists",
     [](Definition& d) {
         d.weightCode.maskCode.set(9);
         d.weightCode.keyField.set(5);
     },
     {"weight code, mask code: 07 -> 09", "weight code, key field: field 2 -> field 5"}},
    {"page box and list",
     [](Definition& d) {
         d.symbology.byte0 ^= 0x80;
         d.symbology.byte20 = static_cast<Byte>(kSymbologyScanMode.with(d.symbology.byte20, 1));
     },
     {"symbology, Code 39: on -> off", "symbology, Scan mode: Laser -> Continuous"}},
    {"option check boxes",
     [](Definition& d) {
         d.symbology.byte5 ^= 0x20;
         d.symbology.byte22 ^= 0x20;
     },
     {"symbology, Code 39 Parameters, Transmit Checksum: on -> off",
      "symbology, EAN128 Parameters, Transmit Code ID: on -> off"}},
    {"option choice",
     [](Definition& d) { d.symbology.byte7 = static_cast<Byte>((d.symbology.byte7 & ~0x38) | 0x38); },
     {"symbology, Codabar Parameters, Start/Stop Character: None -> ABCD / TN*E"}},
    {"shared choice told once",
     [](Definition& d) { d.reader.byte2 ^= 0x04; },
     {"reader settings, UPC-A Parameters, Decode Supplementals: Ignore Supplementaries -> Decode With "
      "Supplementaries"}},
    {"bits no control edits",
     [](Definition& d) {
         d.symbology.byte22 ^= 0x10;
         d.symbology.byte2 ^= 0x08;
     },
     {"symbology, byte 2, reserved 3: 0 -> 1", "symbology, code 128 copy: 0 -> 1"}},
};

class DesignChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(DesignChange, IsNamedInTheDesignsTerms) {
    Definition after = test::sampleDesign();
    GetParam().change(after);
    EXPECT_EQ(differences(test::sampleDesign(), after), GetParam().lines);
}

std::string caseName(const ::testing::TestParamInfo<ChangeCase>& param) {
    std::string name;
    for (const char c : std::string(param.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Changes, DesignChange, ::testing::ValuesIn(kChangeCases), caseName);
INSTANTIATE_TEST_SUITE_P(NamedValues, DesignChange, ::testing::ValuesIn(kNamedValueCases), caseName);

TEST(DesignDifferences, FieldsAreGroupedAfterTheFormsOwnSettings) {
    Definition after = test::sampleDesign();
    after.forms[0].fieldType[1] = kFieldText;
    after.forms[0].fieldType[0] = kFieldLetter;
    after.forms[0].recordAction = 8;
    test::setText(after.forms[0].fieldPrompt[0], "Code");
    EXPECT_EQ(differences(test::sampleDesign(), after), (std::vector<std::string>{
                                                            "form 1, record: save -> nothing",
                                                            "form 1, field 1, type: text -> letter",
                                                            "form 1, field 1, prompt: \"Item\" -> \"Code\"",
                                                            "form 1, field 2, type: integer -> text",
                                                        }));
}

TEST(DesignDifferences, FamilyChangeNamesTheFamilyAndItsTexts) {
    const auto lines = differences(test::newProject(kFamily4760).definition, test::newProject(kFamilyGroup).definition,
                                   kFamily4760, kFamilyGroup);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "family: 4760 -> 4130");
    for (const auto& line : lines) {
        if (line == lines.front()) continue;
        EXPECT_TRUE(line.starts_with("texts, Upload Port") || line.starts_with("texts, Download Port")) << line;
    }
}

}  // namespace
}  // namespace tessel
