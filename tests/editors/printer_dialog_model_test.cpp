#include "editors/printer_dialog_model.h"

#include <gtest/gtest.h>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

class PrinterDialog : public ::testing::Test {
protected:
    Project project = test::newProject(kFamilyGroup);
    FormRecord& form = project.definition.forms[0];
    SystemSettings& settings = project.definition.settings;
};

TEST_F(PrinterDialog, QuantityOpensAsStored) {
    form.printQuantity = 0;
    PrinterDialogModel fromForm(form, settings);
    EXPECT_FALSE(fromForm.quantityFixed());
    EXPECT_EQ(fromForm.quantity(), "1");

    form.printQuantity = 200;
    PrinterDialogModel fixed(form, settings);
    EXPECT_TRUE(fixed.quantityFixed());
    EXPECT_EQ(fixed.quantity(), "200");
}

TEST_F(PrinterDialog, QuantityIsStoredOnOk) {
    struct Case {
        bool fixed;
        const char* typed;
        const char* shown;
        Byte stored;
    };
    const Case cases[] = {
        {true, "200", "200", 200}, {true, "999", "255", 255}, {true, "2x5", "25", 25},
        {true, "0", "0", 0},       {false, "50", "50", 0},
    };
    for (const auto& c : cases) {
        form.printQuantity = 9;
        PrinterDialogModel model(form, settings);
        model.setQuantityFixed(c.fixed);
        EXPECT_EQ(model.setQuantity(c.typed), c.shown);
        model.accept();
        EXPECT_EQ(form.printQuantity, c.stored) << c.typed;
    }
}

TEST_F(PrinterDialog, UpDownStaysWithinRange) {
    struct Case {
        const char* shown;
        int delta;
        const char* stepped;
    };
    const Case cases[] = {{"1", -1, "1"}, {"1", 1, "2"}, {"255", 1, "255"}, {"0", -1, "1"}, {"", 1, "1"}};
    for (const auto& c : cases) {
        PrinterDialogModel model(form, settings);
        model.setQuantity(c.shown);
        EXPECT_EQ(model.stepQuantity(c.delta), c.stepped) << c.shown << " " << c.delta;
    }
}

TEST_F(PrinterDialog, PrintVariablesEndAtTheFirstEmptyOne) {
    PrinterDialogModel model(form, settings);
    model.setPrintData(0, 3);
    model.setPrintData(1, 0);
    model.setPrintData(2, 5);
    model.setPrintData(7, 16);
    model.accept();
    EXPECT_EQ(form.printData, (Bytes<8>{3, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PrinterDialog, ControlsWaitForAPrintingMethod) {
    PrinterDialogModel model(form, settings);
    EXPECT_FALSE(model.printingEnabled());
    EXPECT_FALSE(model.quantityEditEnabled());
    EXPECT_FALSE(model.quantityFieldEnabled());
    model.setMethod(3);
    EXPECT_TRUE(model.quantityFieldEnabled());
    model.setQuantityFixed(true);
    EXPECT_TRUE(model.quantityEditEnabled());
    EXPECT_FALSE(model.quantityFieldEnabled());
}

TEST_F(PrinterDialog, CancelKeepsTheBluetoothModeOnly) {
    PrinterDialogModel model(form, settings);
    model.setMethod(1);
    model.setQuantityField(4);
    model.setBluetoothMode(2);
    model.cancel();
    EXPECT_EQ(form.printMethod, 0);
    EXPECT_EQ(form.printQuantityField, 0);
    EXPECT_EQ(settings.btPrintMode, 2);
}

TEST_F(PrinterDialog, ListEntries) {
    const auto methods = PrinterDialogModel::methodEntries(test::builtinStrings());
    ASSERT_EQ(methods.size(), 11u);
    EXPECT_EQ(methods[0], "No printing");
    EXPECT_EQ(methods[2], "On pressed Fn+1");
    EXPECT_EQ(methods[10], "On pressed Fn+9");
    const auto data = PrinterDialogModel::printDataEntries({"none", "Line #", "total"});
    ASSERT_EQ(data.size(), 17u);
    EXPECT_EQ(data[0], "none");
    EXPECT_EQ(data[1], "Line # 1");
    EXPECT_EQ(data[16], "Line # 8 + total");
}

}  // namespace
}  // namespace tessel
