#include "editors/form_normalisation.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "editors/field_types.h"
#include "support/projects.h"

namespace tessel {
namespace {

FormTable newForms() { return test::newProject(kFamilyGroup).definition.forms; }

struct Line {
    int type;
    const char* prompt;
    Byte maxLength;
};

// Form 1 with the given lines; the other lines stay unused.
FormTable formWith(const std::vector<Line>& lines) {
    FormTable forms = newForms();
    for (std::size_t f = 0; f < lines.size(); ++f) {
        forms[0].fieldType[f] = static_cast<Byte>(lines[f].type);
        setCellText(forms[0].fieldPrompt[f], lines[f].prompt);
        forms[0].maxLength[f] = lines[f].maxLength;
        forms[0].autoEnter[f] = 3;
        forms[0].inputMark[f] = static_cast<Byte>('a' + f);
    }
    return forms;
}

TEST(Normalisation, ExtensionLinesTakeWhatRunsOnFromTheirField) {
    struct Case {
        std::vector<Line> lines;
        std::vector<Byte> expectedMax;
    };
    const Case cases[] = {
        // 15-character prompt, 30 characters of data: 25 then 5 on the extension lines.
        {{{kFieldText, "123456789012345", 30}, {kFieldExtension, "", 0}, {kFieldExtension, "", 0}}, {30, 25, 5}},
        // A share below zero stores 0.
        {{{kFieldText, "ab", 10}, {kFieldExtension, "", 99}, {kFieldExtension, "", 99}}, {10, 0, 0}},
        // Extension lines after a field that collects no data stay as they are.
        {{{kFieldPrompt, "Header", 30}, {kFieldExtension, "", 77}}, {30, 77}},
        // A second data field starts its own run.
        {{{kFieldInteger, "Qty", 20},
          {kFieldExtension, "", 0},
          {kFieldCompare, "twenty characters!!!", 160},
          {kFieldExtension, "", 0}},
         {20, 3, 160, 160}},
    };
    for (const auto& c : cases) {
        FormTable forms = formWith(c.lines);
        normaliseForms(forms);
        for (std::size_t f = 0; f < c.expectedMax.size(); ++f) {
            EXPECT_EQ(forms[0].maxLength[f], c.expectedMax[f]) << "line " << f + 1 << " of " << c.lines[0].prompt;
        }
    }
}

TEST(Normalisation, ExtensionLinesCopyAutoEnterAndInputMark) {
    FormTable forms = formWith({{kFieldText, "Name", 60}, {kFieldExtension, "", 0}});
    forms[0].autoEnter[1] = 0;
    normaliseForms(forms);
    EXPECT_EQ(forms[0].autoEnter[1], 3);
    EXPECT_EQ(forms[0].inputMark[1], 'a');
}

TEST(Normalisation, LengthsAreBroughtIntoRange) {
    FormTable forms = formWith({{kFieldText, "A", 200}, {kFieldText, "B", 40}});
    forms[0].minLength[0] = 170;
    forms[0].minLength[1] = 50;
    normaliseForms(forms);
    EXPECT_EQ(forms[0].maxLength[0], 160);
    EXPECT_EQ(forms[0].minLength[0], 160);
    EXPECT_EQ(forms[0].minLength[1], 40);
}

TEST(Normalisation, LinksRemainOnlyWhereTheyMeanSomething) {
    FormTable forms = formWith({{kFieldText, "A", 10},
                                {kFieldLookup, "B", 10},
                                {kFieldFixedData, "C", 10},
                                {kFieldPause, "D", 10},
                                {kFieldCompare, "E", 10}});
    forms[0].fieldLink.fill(5);
    normaliseForms(forms);
    const std::vector<Byte> links(forms[0].fieldLink.begin(), forms[0].fieldLink.begin() + 5);
    EXPECT_EQ(links, (std::vector<Byte>{5, 5, 0, 0, 5}));
}

TEST(Normalisation, UnusedLinesReturnToTheirDefaults) {
    FormTable forms = formWith({{kFieldNone, "", 10}, {kFieldExtension, "", 10}});
    for (std::size_t f = 0; f < 2; ++f) {
        FormRecord& form = forms[0];
        setCellText(form.fieldPrompt[f], "left over");
        form.fieldLink[f] = 3;
        form.inputSource[f] = 0;
        form.minLength[f] = 5;
        form.initialValueOn[f] = 1;
        setCellText(form.leadingCode[f], "123456");
        form.partialStart[f] = 0x85;
        form.partialLength[f] = 9;
        form.fieldReserve[f][0] = 7;
    }
    normaliseForms(forms);
    const FormRecord& form = forms[0];
    for (std::size_t f = 0; f < 2; ++f) {
        EXPECT_EQ(form.fieldPrompt[f], TextCell{}) << f;
        EXPECT_EQ(form.fieldLink[f], 0) << f;
        EXPECT_EQ(form.inputSource[f], 2) << f;
        EXPECT_EQ(form.minLength[f], 0) << f;
        EXPECT_EQ(form.initialValueOn[f], 0) << f;
        EXPECT_EQ(form.leadingCode[f], (Bytes<6>{})) << f;
        EXPECT_EQ(form.partialStart[f], 0) << f;
        EXPECT_EQ(form.partialLength[f], 20) << f;
        EXPECT_EQ(form.fieldReserve[f][0], 0) << f;
    }
    // Only a line of no type also gets the defaults of maximum length, auto ENTER and input mark.
    EXPECT_EQ(form.maxLength[0], 160);
    EXPECT_EQ(form.autoEnter[0], 1);
    EXPECT_EQ(form.inputMark[0], 0);
    EXPECT_EQ(form.maxLength[1], 10);
    EXPECT_EQ(form.autoEnter[1], 3);
}

TEST(Normalisation, APromptWithoutItsZeroIsCut) {
    FormTable forms = formWith({{kFieldText, "", 10}});
    forms[0].fieldPrompt[0].fill('x');
    normaliseForms(forms);
    EXPECT_EQ(cellText(forms[0].fieldPrompt[0]), std::string(20, 'x'));
}

TEST(CleanupOnAccept, ClearsPropertiesOfLinesThatCannotUseThem) {
    struct Case {
        int type;
        Byte saveData;
        bool cleared;
    };
    const Case cases[] = {
        {kFieldNone, 1, true},      {kFieldPrompt, 1, true},     {kFieldCounter, 1, true},  {kFieldPassDown, 1, true},
        {kFieldExtension, 1, true}, {kFieldPause, 1, true},      {kFieldLookup, 0, true},   {kFieldLookup, 1, false},
        {kFieldText, 1, false},     {kFieldFixedData, 1, false}, {kFieldCompare, 0, false},
    };
    for (const auto& c : cases) {
        FormTable forms = newForms();
        FormRecord& form = forms[0];
        form.fieldType[0] = static_cast<Byte>(c.type);
        form.initialValueOn[0] = c.saveData;
        form.inputMark[0] = '*';
        setCellText(form.suffix[0], "S");
        form.suffixOn[0] = 1;
        setCellText(form.prefix[0], "P");
        form.prefixOn[0] = 1;
        form.alignment[0] = 1;
        form.fixedLength[0] = 8;
        form.fixedLengthOn[0] = 1;
        setCellText(form.initialValue[0], "9");
        cleanupFieldsOnAccept(forms);
        const bool allCleared = !form.inputMark[0] && !form.suffix[0][0] && !form.suffixOn[0] && !form.prefix[0][0] &&
                                !form.prefixOn[0] && !form.alignment[0] && !form.fixedLength[0] &&
                                !form.fixedLengthOn[0] && !form.initialValue[0][0];
        const bool noneCleared = form.inputMark[0] && form.suffix[0][0] && form.suffixOn[0] && form.prefix[0][0] &&
                                 form.prefixOn[0] && form.alignment[0] && form.fixedLength[0] &&
                                 form.fixedLengthOn[0] && form.initialValue[0][0];
        EXPECT_TRUE(c.cleared ? allCleared : noneCleared) << "type " << c.type;
        EXPECT_EQ(form.initialValueOn[0], c.saveData) << "the flag itself stays, type " << c.type;
    }
}

}  // namespace
}  // namespace tessel
