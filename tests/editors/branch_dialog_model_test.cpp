#include "editors/branch_dialog_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "editors/branch_options_model.h"
#include "support/projects.h"

namespace tessel {
namespace {

class BranchDialog : public ::testing::Test {
protected:
    FormRecord form = test::newProject(kFamilyGroup).definition.forms[0];
};

TEST_F(BranchDialog, UnknownTargetsAreDisabledOnOpening) {
    form.branchTarget = {14, 13, 200, 5};
    BranchDialogModel model(form);
    EXPECT_EQ(form.branchTarget, (Bytes<4>{0, 13, 0, 5}));
}

TEST_F(BranchDialog, OnlyRemainsAndSummationHaveOptions) {
    form.branchTarget = {12, 11, 13, 10};
    BranchDialogModel model(form);
    EXPECT_TRUE(model.hasOptions(0));
    EXPECT_TRUE(model.hasOptions(1));
    EXPECT_FALSE(model.hasOptions(2));
    EXPECT_FALSE(model.hasOptions(3));
    const auto entries = BranchDialogModel::targetEntries(test::builtinStrings());
    ASSERT_EQ(entries.size(), 14u);
    EXPECT_EQ(entries[0], "disable");
    EXPECT_EQ(entries[10], "form  10");
    EXPECT_EQ(entries[11], "Remains");
    EXPECT_EQ(entries[13], "Delete last from DataFile");
}

TEST_F(BranchDialog, SummationStoresFieldMultiplierAndSource) {
    struct Case {
        int source, sumField;
        bool multiply;
        int multiplierField;
        Byte packed;
    };
    const Case cases[] = {
        {3, 1, true, 4, 81},  // field 2 multiplied by field 5
        {0, 7, false, 4, 7},
        {2, 0, true, 7, 128},
    };
    for (const auto& c : cases) {
        SummationModel model(form, 1);
        model.source = c.source;
        model.sumField = c.sumField;
        model.multiply = c.multiply;
        model.multiplierField = c.multiplierField;
        model.accept();
        EXPECT_EQ(form.sumSpec[1], c.packed);
        EXPECT_EQ(form.sumSource[1], c.source);

        SummationModel reopened(form, 1);
        EXPECT_EQ(reopened.sumField, c.sumField);
        EXPECT_EQ(reopened.multiply, c.multiply);
        if (c.multiply) {
            EXPECT_EQ(reopened.multiplierField, c.multiplierField);
        }
        EXPECT_EQ(reopened.source, c.source);
    }
}

TEST_F(BranchDialog, SummationStoresNothingWithoutOk) {
    SummationModel model(form, 0);
    model.sumField = 3;
    EXPECT_EQ(form.sumSpec[0], 0);
}

TEST_F(BranchDialog, RemainsStoresChoicesEvenWhenTheFilterIsOff) {
    struct Case {
        bool on;
        int variable, lookupField;
        bool suffix;
        Byte packed, filter;
    };
    const Case cases[] = {
        {true, 2, 5, true, 0x15, 0x21},
        {false, 1, 3, false, 0x03, 0x10},
    };
    for (const auto& c : cases) {
        RemainsModel model(form, 3);
        model.filterOn = c.on;
        model.variable = c.variable;
        model.lookupField = c.lookupField;
        model.filterIsSuffix = c.suffix;
        model.accept();
        EXPECT_EQ(form.remainsSpec[3], c.packed);
        EXPECT_EQ(form.remainsFilter[3], c.filter);

        RemainsModel reopened(form, 3);
        EXPECT_EQ(reopened.filterOn, c.on);
        EXPECT_EQ(reopened.variable, c.variable);
        EXPECT_EQ(reopened.lookupField, c.lookupField);
        EXPECT_EQ(reopened.filterIsSuffix, c.suffix);
    }
}

TEST_F(BranchDialog, CancelUndoesOptionsChangedFromIt) {
    form.branchTarget[0] = 12;
    const FormRecord before = form;
    BranchDialogModel branch(form);
    SummationModel summation(branch.record(), 0);
    summation.sumField = 4;
    summation.accept();
    RemainsModel remains(branch.record(), 1);
    remains.filterOn = true;
    remains.accept();
    branch.setTarget(2, 7);
    ASSERT_EQ(form.sumSpec[0], 4);
    branch.cancel();
    EXPECT_EQ(std::memcmp(&form, &before, sizeof form), 0);
}

}  // namespace
}  // namespace tessel
