// Each rule of `tessel check` on a design that breaks it and on a near one
// that does not; a new project of either family has nothing to run, and the
// sample design is clean.
#include "design/design_checks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>

#include "core/records/field_type.h"
#include "design/sample_design.h"

namespace tessel {
namespace {

std::vector<std::string> findingLines(const Definition& definition, int family = kFamily4760) {
    std::vector<std::string> lines;
    for (const auto& finding : checkDesign(definition, family, test::builtinStrings()))
        lines.push_back(findingLine(finding));
    return lines;
}

// The terminal shows "No executable program" for a design whose start leads
// to nothing, so an empty design is not ready for a download.
TEST(DesignChecks, NewProjectsOfEitherFamilyHaveNothingToRun) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        EXPECT_EQ(
            findingLines(test::newProject(family).definition, family),
            std::vector<std::string>{"start: form 1 takes no input and menu 1 has no items: there is nothing to run"})
            << family;
    }
}

TEST(DesignChecks, TheSampleDesignIsClean) {
    EXPECT_EQ(findingLines(test::sampleDesign()), std::vector<std::string>{});
    EXPECT_EQ(findingLines(test::sampleDesign(kFamilyGroup), kFamilyGroup), std::vector<std::string>{});
}

struct RuleCase {
    const char* name;
    std::function<void(Definition&)> change;
    std::vector<std::string> findings;  // none: the change breaks no rule
};

// Failures name the case rather than its bytes.
void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

const std::vector<RuleCase> kRuleCases{
    // Reach
    {"form nothing leads to",
     [](Definition& d) { d.forms[2].fieldType[0] = kFieldText; },
     {"form 3: neither the start nor any menu or form leads to it"}},
    {"form a menu item leads to",
     [](Definition& d) {
         d.forms[2].fieldType[0] = kFieldText;
         test::setText(d.menus[0].itemName[2], "Extra");
         d.menus[0].itemTarget[2] = 3;
     },
     {}},
    {"form only a function-key branch leads to",
     [](Definition& d) {
         d.forms[2].fieldType[0] = kFieldText;
         d.forms[0].branchTarget[1] = 3;
     },
     {}},
    {"menu nothing leads to",
     [](Definition& d) { test::setText(d.menus[3].itemName[0], "Orphan"); },
     {"menu 4: neither the start nor any menu or form leads to it"}},
    {"menu a form's Esc leads to",
     [](Definition& d) {
         test::setText(d.menus[3].itemName[0], "Back");
         d.forms[1].escTarget = 14;
     },
     {}},
    {"start from menu 1 without items",
     [](Definition& d) {
         for (auto& item : d.menus[0].itemName) item.fill(0);
         d.forms[0].escTarget = d.forms[1].escTarget = 0;
     },
     {"start: menu 1 has no items: there is nothing to run"}},
    {"start from form 1 that takes input",
     [](Definition& d) {
         d.settings.programStart = 0;
         for (auto& item : d.menus[0].itemName) item.fill(0);
         d.forms[0].escTarget = d.forms[1].escTarget = 0;
         d.forms[0].nextTarget = 2;
     },
     {}},
    {"start from form 1 that takes no input",
     [](Definition& d) {
         d.settings.programStart = 0;
         d.forms[0].fieldType = {kFieldPrompt};
     },
     {"start: form 1 takes no input, so the program starts from menu 1"}},
    // Targets
    {"menu item to an empty form",
     [](Definition& d) {
         test::setText(d.menus[0].itemName[2], "Empty");
         d.menus[0].itemTarget[2] = 4;
     },
     {"menu 1, item 3: leads to form 4, which has no fields"}},
    {"menu item to the main menu",
     [](Definition& d) {
         test::setText(d.menus[0].itemName[2], "Quit");
         d.menus[0].itemTarget[2] = 0;
     },
     {}},
    {"menu item past the last menu",
     [](Definition& d) {
         test::setText(d.menus[0].itemName[2], "Broken");
         d.menus[0].itemTarget[2] = 25;
     },
     {"menu 1, item 3: leads past the last menu (target code 25)"}},
    {"unnamed item with a target", [](Definition& d) { d.menus[0].itemTarget[5] = 25; }, {}},
    {"menu Esc to an empty menu",
     [](Definition& d) { d.menus[0].menuEscTarget = 15; },
     {"menu 1, esc: leads to menu 5, which has no items"}},
    {"form Next to an empty menu",
     [](Definition& d) { d.forms[0].nextTarget = 15; },
     {"form 1, next: leads to menu 5, which has no items"}},
    {"form Next to a menu in use", [](Definition& d) { d.forms[0].nextTarget = 11; }, {}},
    {"form error target past the last menu",
     [](Definition& d) { d.forms[0].errorAction = 22; },
     {"form 1, if an error occured: leads past the last menu (target code 21)"}},
    {"form error target to a form in use", [](Definition& d) { d.forms[0].errorAction = 3; }, {}},
    {"branch no choice names",
     [](Definition& d) { d.forms[0].branchTarget[0] = 14; },
     {"form 1, FN+1 branch: is 14, which no branch choice names"}},
    {"branch to an empty form",
     [](Definition& d) { d.forms[0].branchTarget[3] = 9; },
     {"form 1, FN+4 branch: leads to form 9, which has no fields"}},
    {"branch to summation of an undefined lookup",
     [](Definition& d) {
         d.forms[0].branchTarget[0] = 12;
         d.forms[0].sumSource[0] = 2;
     },
     {"form 1, FN+1 branch: sums the 3rd lookup file, which is not defined"}},
    {"branch to summation of the data file",
     [](Definition& d) {
         d.forms[0].branchTarget[0] = 12;
         d.forms[0].sumSource[0] = 3;
     },
     {}},
    // Lookups
    {"lookup file not defined",
     [](Definition& d) { d.lookups[0].recordLength = 0; },
     {"form 2, field 1: linked to the 1st lookup file, which is not defined",
      "form 2, field 2: linked to the 1st lookup file, which is not defined"}},
    {"form lookup that does not exist",
     [](Definition& d) { d.forms[1].formLookup = 4; },
     {"form 2, lookup: names lookup file 4, which does not exist"}},
    {"form lookup not defined without linked fields",
     [](Definition& d) { d.forms[0].formLookup = 2; },
     {"form 1, lookup: the 2nd lookup file is not defined"}},
    {"link past the lookup's columns",
     [](Definition& d) { d.forms[1].fieldLink[1] = 3; },
     {"form 2, field 2: linked to column 3, but the 1st lookup file has 2 columns"}},
    {"signed link to a column the lookup has",
     [](Definition& d) {
         d.forms[1].fieldType[1] = kFieldInteger;
         d.forms[1].fieldLink[1] = 18;  // +field 2
     },
     {}},
    {"lookup field in a form without a lookup file",
     [](Definition& d) { d.forms[0].fieldType[2] = kFieldLookup; },
     {"form 1, field 3: a lookup field, but the form names no lookup file"}},
    // Lengths
    {"min length above max length",
     [](Definition& d) {
         d.forms[0].minLength[0] = 50;
         d.forms[0].maxLength[0] = 40;
     },
     {"form 1, field 1: min length 50 is above max length 40"}},
    {"min length equal to max length",
     [](Definition& d) {
         d.forms[0].minLength[0] = 40;
         d.forms[0].maxLength[0] = 40;
     },
     {}},
    {"max length above 160",
     [](Definition& d) { d.forms[0].maxLength[1] = 200; },
     {"form 1, field 2: max length 200 is above 160"}},
    {"lengths of a field that has none",
     [](Definition& d) {
         d.forms[0].fieldType[2] = kFieldPrompt;
         d.forms[0].minLength[2] = 90;
         d.forms[0].maxLength[2] = 10;
     },
     {}},
    // Delimiters
    {"field delimiter that is a digit",
     [](Definition& d) { d.settings.fieldDelimiter1 = '5'; },
     {"settings, field delimiter 1: '5' can occur in the data"}},
    {"field delimiter that ends the line",
     [](Definition& d) { d.settings.fieldDelimiter2 = 13; },
     {"settings, field delimiter 2: byte 13 ends the record line"}},
    {"field delimiter ';'", [](Definition& d) { d.settings.fieldDelimiter1 = ';'; }, {}},
    {"prefix holding the delimiter",
     [](Definition& d) {
         d.forms[0].prefixOn[0] = 1;
         setCellText(d.forms[0].prefix[0], "A\t");
     },
     {"form 1, field 1, prefix: holds the field delimiter TAB"}},
    {"prefix without the delimiter",
     [](Definition& d) {
         d.forms[0].prefixOn[0] = 1;
         setCellText(d.forms[0].prefix[0], "A;");
     },
     {}},
    {"stamp separator that is the delimiter",
     [](Definition& d) {
         d.settings.fieldDelimiter1 = '/';
         d.forms[0].stampPosition = 1;
     },
     {"form 1, date separator: holds the field delimiter '/'"}},
    {"saved item name holding the delimiter",
     [](Definition& d) {
         d.settings.fieldDelimiter1 = ' ';
         d.menus[0].saveSelectedItem = 1;
         test::setText(d.menus[0].itemName[1], "Stock count");
     },
     {"menu 1, item 2, name: holds the field delimiter space"}},
    {"item name with the delimiter not saved",
     [](Definition& d) {
         d.settings.fieldDelimiter1 = ' ';
         test::setText(d.menus[0].itemName[1], "Stock count");
     },
     {}},
    {"code id holding the delimiter",
     [](Definition& d) {
         d.settings.codeIdOn = 1;
         d.settings.codeId[2] = {'\t', 0};
     },
     {"settings, code id, French Pharmacode: holds the field delimiter TAB"}},
    {"code id with the delimiter while code ids are off",
     [](Definition& d) {
         d.settings.codeId[2] = {'\t', 0};
     },
     {}},
    {"field separator replacement that is the delimiter",
     [](Definition& d) { d.settings.fieldSeparatorReplacement = '\t'; },
     {"settings, field separator replacement: holds the field delimiter TAB"}},
    {"RFID delimiter that is the delimiter",
     [](Definition& d) {
         d.settings.ReaderType = static_cast<Byte>(kReaderTypeRfid.with(d.settings.ReaderType, 1));
         d.rfid.options = static_cast<Byte>(kRfidUseDelimiter.with(d.rfid.options, 1));
         d.rfid.delimiter = '\t';
     },
     {"RFID, delimiter: holds the field delimiter TAB"}},
    {"RFID delimiter without an RFID reader",
     [](Definition& d) {
         d.rfid.options = static_cast<Byte>(kRfidUseDelimiter.with(d.rfid.options, 1));
         d.rfid.delimiter = '\t';
     },
     {}},
    {"lookup delimiter that is a letter",
     [](Definition& d) { d.lookups[0].delimiter = 'x'; },
     {"lookup 1, delimiter: 'x' can occur in the data"}},
    {"lookup delimiter ','", [](Definition& d) { d.lookups[0].delimiter = ','; }, {}},
    // Screen width
    {"prompt of 21 characters",
     [](Definition& d) { d.forms[0].fieldPrompt[0].fill('P'); },
     {"form 1, field 1, prompt: 21 characters, longer than the 20-character screen"}},
    {"prompt of 20 characters",
     [](Definition& d) { test::setText(d.forms[0].fieldPrompt[0], std::string(20, 'P')); },
     {}},
    {"caption of 21 characters",
     [](Definition& d) {
         d.menus[0].captionOn = 1;
         d.menus[0].caption.fill('C');
     },
     {"menu 1, caption: 21 characters, longer than the 20-character screen"}},
    {"long caption not shown", [](Definition& d) { d.menus[0].caption.fill('C'); }, {}},
    {"terminal text of 21 characters",
     [](Definition& d) { d.texts.block(2)[0].fill('M'); },
     {"texts, Main menu, line 1: 21 characters, longer than the 20-character screen"}},
    {"item after an empty one",
     [](Definition& d) {
         test::setText(d.menus[0].itemName[3], "Later");
         d.menus[0].itemTarget[3] = 2;
     },
     {"menu 1, item 4: never shown: the menu shows its first 3 items and an item before it is empty"}},
    {"tenth item of a menu with a caption",
     [](Definition& d) {
         d.menus[0].captionOn = 1;
         for (std::size_t i = 2; i < kItemsPerMenu; ++i) {
             test::setText(d.menus[0].itemName[i], "More");
             d.menus[0].itemTarget[i] = 1;
         }
     },
     {"menu 1, item 9: below the screen: a menu with a caption shows 8 items",
      "menu 1, item 10: below the screen: a menu with a caption shows 8 items"}},
    // Settings
    {"baud rate past the list",
     [](Definition& d) { d.settings.baudRate = 7; },
     {"settings, baud rate: 7 is outside 0..4"}},
    {"last baud rate", [](Definition& d) { d.settings.baudRate = 4; }, {}},
    {"backlight idle of 0",
     [](Definition& d) { d.settings.backlightIdle = 0; },
     {"settings, backlight idle: 0 is outside 1..9"}},
    {"upload port of the group family on a 4760",
     [](Definition& d) { d.settings.uploadPort = 5; },
     {"settings, upload port: 5 is outside 0..3"}},
    {"function past the list",
     [](Definition& d) { d.settings.functionKeyMap[2] = 20; },
     {"settings, FN+3 function: 20 is outside 0..19"}},
    {"settings version of another generation",
     [](Definition& d) { d.settings.settingsVersion = '7'; },
     {"settings, settings version: '7' is not the current '4'"}},
    {"1D scan mode past the list",
     [](Definition& d) { d.symbology.byte20 = 9 << 4; },
     {"symbology, byte 20, scan mode: 9 is outside 0..8"}},
    {"1D read time-out of 0",
     [](Definition& d) { d.symbology.readTimeout = 0; },
     {"symbology, read timeout: 0 is outside 1..255"}},
    {"2D settings out of range while the 1D reader is chosen", [](Definition& d) { d.reader.byte30 = 0xFF; }, {}},
    {"2D illumination past the list",
     [](Definition& d) {
         d.settings.ReaderType = 1;
         d.reader.byte30 = static_cast<Byte>(kReaderLedIllumination.with(d.reader.byte30, 5));
     },
     {"reader settings, byte 30, led illumination: 5 is outside 0..3"}},
    {"2D length above 127",
     [](Definition& d) {
         d.settings.ReaderType = 1;
         d.reader.code93Length1 = 128;
     },
     {"reader settings, code 93 length 1: 128 is outside 0..127"}},
};

class DesignRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(DesignRule, FindsExactlyItsMistake) {
    Definition design = test::sampleDesign();
    GetParam().change(design);
    EXPECT_EQ(findingLines(design), GetParam().findings);
}

INSTANTIATE_TEST_SUITE_P(Rules, DesignRule, ::testing::ValuesIn(kRuleCases), [](const auto& param) {
    std::string name;
    for (const char c : std::string(param.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

struct LocationCase {
    const char* name;
    std::function<void(Definition&)> change;
    FindingLocation location;  // of the one finding the change makes
};

void PrintTo(const LocationCase& c, std::ostream* out) { *out << c.name; }

const std::vector<LocationCase> kLocationCases{
    {"field",
     [](Definition& d) {
         d.forms[1].minLength[1] = 9;
         d.forms[1].maxLength[1] = 3;
     },
     {DesignPage::Form, 1, 1}},
    {"form", [](Definition& d) { d.forms[0].errorAction = 22; }, {DesignPage::Form, 0, -1}},
    {"form nothing leads to", [](Definition& d) { d.forms[4].fieldType[0] = kFieldText; }, {DesignPage::Form, 4, -1}},
    {"menu item",
     [](Definition& d) {
         test::setText(d.menus[0].itemName[3], "Later");
         d.menus[0].itemTarget[3] = 2;
     },
     {DesignPage::Menu, 0, 3}},
    {"menu", [](Definition& d) { d.menus[0].menuEscTarget = 15; }, {DesignPage::Menu, 0, -1}},
    {"lookup", [](Definition& d) { d.lookups[0].delimiter = 'x'; }, {DesignPage::Lookup, 0, -1}},
    {"start",
     [](Definition& d) {
         d.settings.programStart = 0;
         d.forms[0].fieldType = {kFieldPrompt};
     },
     {DesignPage::Startup, -1, -1}},
    {"text line of a group", [](Definition& d) { d.texts.block(4)[2].fill('M'); }, {DesignPage::Startup, 2, 2}},
    {"buzzer text line", [](Definition& d) { d.settings.textLines[1].fill('B'); }, {DesignPage::Startup, 6, 6}},
    {"calculator text line", [](Definition& d) { d.settings.textLines[0].fill('C'); }, {DesignPage::Startup, 25, 3}},
    {"last settings text line", [](Definition& d) { d.settings.textLines[4].fill('L'); }, {DesignPage::Startup, 25, 6}},
    {"field delimiter", [](Definition& d) { d.settings.fieldDelimiter1 = '5'; }, {DesignPage::Startup, -1, -1}},
    {"settings byte", [](Definition& d) { d.settings.baudRate = 7; }, {DesignPage::Settings, -1, -1}},
    {"symbology", [](Definition& d) { d.symbology.readTimeout = 0; }, {DesignPage::Barcode, -1, -1}},
};

class FindingPlace : public ::testing::TestWithParam<LocationCase> {};

TEST_P(FindingPlace, NamesThePageAndPartToMendItOn) {
    Definition design = test::sampleDesign();
    GetParam().change(design);
    const auto findings = checkDesign(design, kFamily4760, test::builtinStrings());
    ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findingLine(findings[0]));
    EXPECT_EQ(findings[0].location, GetParam().location) << findingLine(findings[0]);
}

INSTANTIATE_TEST_SUITE_P(Locations, FindingPlace, ::testing::ValuesIn(kLocationCases), [](const auto& param) {
    std::string name;
    for (const char c : std::string(param.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(DesignChecks, PortListsFollowTheFamily) {
    Definition design = test::sampleDesign(kFamilyGroup);
    design.settings.uploadPort = 6;
    EXPECT_EQ(findingLines(design, kFamilyGroup), std::vector<std::string>{});
    design.settings.downloadPort = 7;
    EXPECT_EQ(findingLines(design, kFamilyGroup),
              std::vector<std::string>{"settings, download port: 7 is outside 0..6"});
}

TEST(DesignChecks, FindingsComeInTheOrderOfTheDesign) {
    Definition design = test::sampleDesign();
    design.settings.baudRate = 9;
    design.forms[1].minLength[1] = 9;
    design.forms[1].maxLength[1] = 3;
    design.menus[0].itemTarget[0] = 30;
    EXPECT_EQ(findingLines(design), (std::vector<std::string>{
                                        "menu 1, item 1: leads past the last menu (target code 30)",
                                        "form 1: neither the start nor any menu or form leads to it",
                                        "form 2, field 2: min length 9 is above max length 3",
                                        "settings, baud rate: 9 is outside 0..4",
                                    }));
}

}  // namespace
}  // namespace tessel
