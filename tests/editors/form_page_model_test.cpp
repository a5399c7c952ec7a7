#include "editors/form_page_model.h"

#include <gtest/gtest.h>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

// A Form page opened on a new project of the group family.
class FormPage : public ::testing::Test {
protected:
    void SetUp() override { page.load(project.definition.forms); }

    // Gives field 0 every property that a type change may clear.
    void giveFieldProperties() {
        FormRecord& form = page.form();
        form.fixedLengthOn[0] = 1;
        form.alignment[0] = 2;
        form.fixedLength[0] = 12;
        form.initialValueOn[0] = 1;
        setCellText(form.initialValue[0], "7");
        form.prefixOn[0] = 1;
        setCellText(form.prefix[0], "\x0f");
        form.suffixOn[0] = 1;
        setCellText(form.suffix[0], "A");
        form.inputMark[0] = '_';
        form.checkDigit[0] = 3;
    }
    bool fieldHasProperties() const {
        const FormRecord& form = page.form();
        return form.fixedLengthOn[0] && form.alignment[0] && form.fixedLength[0] && form.initialValueOn[0] &&
               form.initialValue[0][0] && form.prefixOn[0] && form.prefix[0][0] && form.suffixOn[0] &&
               form.suffix[0][0] && form.inputMark[0] && form.checkDigit[0];
    }
    bool fieldPropertiesCleared() const {
        const FormRecord& form = page.form();
        return !form.fixedLengthOn[0] && !form.alignment[0] && !form.fixedLength[0] && !form.initialValueOn[0] &&
               !form.initialValue[0][0] && !form.prefixOn[0] && !form.prefix[0][0] && !form.suffixOn[0] &&
               !form.suffix[0][0] && !form.inputMark[0] && !form.checkDigit[0];
    }

    Project project = test::newProject(kFamilyGroup);
    FormPageModel page{test::builtinStrings()};
};

TEST_F(FormPage, NewProjectFormsContinueWithThemselvesAndHaveNoFields) {
    for (std::size_t k = 0; k < kFormCount; ++k) {
        page.selectForm(k);
        EXPECT_EQ(page.form().nextTarget, k + 1);
        for (std::size_t f = 0; f < kFieldsPerForm; ++f) EXPECT_EQ(page.form().fieldType[f], kFieldNone);
        EXPECT_EQ(cellText(page.form().stampDateSeparator), "/");
        EXPECT_EQ(cellText(page.form().stampTimeSeparator), ":");
        EXPECT_TRUE(page.form().stampYear && page.form().stampMonth && page.form().stampDay);
        EXPECT_TRUE(page.form().stampHour && page.form().stampMinute && page.form().stampSecond);
    }
}

TEST_F(FormPage, TypeChangeKeepsOrClearsProperties) {
    struct Case {
        int from;
        int to;
        bool keeps;
    };
    const Case cases[] = {
        {kFieldText, kFieldInteger, true},         {kFieldText, kFieldLookup, true},
        {kFieldLookup, kFieldText, false},         {kFieldText, kFieldNone, false},
        {kFieldText, kFieldAlphameric, false},     {kFieldText, kFieldFixedData, false},
        {kFieldAlphameric, kFieldVariable1, true},
    };
    for (const auto& c : cases) {
        page.setFieldType(0, c.from);
        giveFieldProperties();
        page.setFieldType(0, c.to);
        EXPECT_EQ(c.keeps ? fieldHasProperties() : fieldPropertiesCleared(), true) << c.from << " -> " << c.to;
    }
}

TEST_F(FormPage, PauseReadsTheKeypad) {
    page.setFieldType(2, kFieldPause);
    EXPECT_EQ(page.form().inputSource[2], 1);
    EXPECT_TRUE(page.enabling(2).inputSource);
}

TEST_F(FormPage, LengthEditsAreCorrectedInPlace) {
    struct Case {
        const char* typed;
        const char* shown;
        Byte stored;
    };
    const Case cases[] = {
        {"200", "160", 160}, {"abc", "0", 0}, {"", "0", 0},  {"12a", "0", 0},
        {"07", "7", 7},      {"007", "7", 7}, {"0", "0", 0}, {"160", "160", 160},
    };
    page.setFieldType(0, kFieldText);
    for (const auto& c : cases) {
        EXPECT_EQ(page.setMaxLength(0, c.typed), c.shown) << c.typed;
        EXPECT_EQ(page.form().maxLength[0], c.stored) << c.typed;
        EXPECT_EQ(page.setMinLength(0, c.typed), c.shown) << c.typed;
        EXPECT_EQ(page.form().minLength[0], c.stored) << c.typed;
    }
}

TEST_F(FormPage, BooleanLengthsAreAlwaysOne) {
    page.setFieldType(0, kFieldBoolean);
    EXPECT_EQ(page.form().minLength[0], 1);
    EXPECT_EQ(page.form().maxLength[0], 1);
    EXPECT_EQ(page.setMaxLength(0, "5"), "5");
    EXPECT_EQ(page.setMinLength(0, "5"), "5");
    EXPECT_EQ(page.form().minLength[0], 1);
    EXPECT_EQ(page.form().maxLength[0], 1);
}

TEST_F(FormPage, PromptsAreCutToTwentyCharacters) {
    EXPECT_EQ(page.setPrompt(0, "Quantity"), "Quantity");
    EXPECT_EQ(page.setPrompt(0, "A prompt longer than twenty"), "A prompt longer than");
    EXPECT_EQ(cellText(page.form().fieldPrompt[0]), "A prompt longer than");
    EXPECT_EQ(page.setPrompt(1, "Количество"), "Количество");  // one byte a character on the terminal
    EXPECT_EQ(cellText(page.form().fieldPrompt[1]).size(), 10u);
}

TEST_F(FormPage, ChoosingALookupFileRebuildsTheLinks) {
    page.setFieldType(0, kFieldText);
    page.setFieldType(1, kFieldInteger);
    ASSERT_EQ(page.linkEntries(0).size(), 25u);
    EXPECT_FALSE(page.linksAreLookupColumns());
    page.setFieldLink(0, 20);  // get and set variable 4
    page.setFieldLink(1, 20);
    page.setFieldType(2, kFieldLookup);
    EXPECT_FALSE(page.enabling(2).link);

    page.setFormLookup(1);
    EXPECT_TRUE(page.linksAreLookupColumns());
    EXPECT_EQ(page.linkEntries(0).size(), 9u);
    EXPECT_EQ(page.form().fieldLink[0], 4);
    EXPECT_EQ(page.form().fieldLink[1], 20);  // "+field 4" of an integer
    EXPECT_TRUE(page.enabling(2).link);
}

TEST_F(FormPage, TypeChangeFoldsASignedColumn) {
    page.setFormLookup(2);
    page.setFieldType(0, kFieldReal);
    page.setFieldLink(0, 13);  // -field 5
    page.setFieldType(0, kFieldText);
    EXPECT_EQ(page.form().fieldLink[0], 5);
}

TEST_F(FormPage, EachFormIsEditedOnItsOwn) {
    page.selectForm(3);
    page.setFieldType(0, kFieldText);
    page.setEscTarget(12);
    page.selectForm(0);
    EXPECT_EQ(page.form().fieldType[0], kFieldNone);
    EXPECT_EQ(page.workingCopy()[3].escTarget, 12);
    EXPECT_EQ(project.definition.forms[3].fieldType[0], kFieldNone);  // only the working copy changed
}

// The sheet marks the project modified, and only when the bytes changed.
TEST_F(FormPage, AcceptStoresNormalisedFormsAndLeavesTheModifiedFlagToTheSheet) {
    page.setFieldType(0, kFieldText);
    page.setMinLength(0, "50");
    page.setMaxLength(0, "40");
    page.accept(project);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], kFieldText);
    EXPECT_EQ(project.definition.forms[0].minLength[0], 40);
}

TEST_F(FormPage, AcceptClearsPropertiesOfFieldsThatCannotUseThem) {
    page.setFieldType(0, kFieldLookup);
    giveFieldProperties();
    page.form().initialValueOn[0] = 0;  // a lookup field that does not save its data
    page.accept(project);
    const FormRecord& stored = project.definition.forms[0];
    EXPECT_EQ(stored.prefixOn[0], 0);
    EXPECT_EQ(stored.prefix[0][0], 0);
    EXPECT_EQ(stored.fixedLength[0], 0);
    EXPECT_EQ(stored.inputMark[0], 0);
    EXPECT_EQ(stored.checkDigit[0], 3);  // kept: not one of the cleared properties
}

}  // namespace
}  // namespace tessel
