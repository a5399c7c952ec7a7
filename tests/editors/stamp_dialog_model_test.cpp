#include "editors/stamp_dialog_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/projects.h"

namespace tessel {
namespace {

class StampDialog : public ::testing::Test {
protected:
    FormRecord form = test::newProject(kFamilyGroup).definition.forms[0];
};

TEST_F(StampDialog, CaptionsShowThePattern) {
    struct Case {
        int style;
        Byte yearDigits;
        Byte year, month, day, separatorOn;
        const char* date;
    };
    const Case cases[] = {
        {0, 0, 1, 1, 1, 1, "YYYY/MM/DD"}, {1, 0, 1, 1, 1, 1, "MM/DD/YYYY"}, {2, 1, 1, 1, 1, 1, "DD/MM/YY"},
        {0, 0, 1, 0, 1, 1, "YYYY/DD"},    {2, 0, 0, 1, 1, 0, "DDMM"},       {0, 0, 0, 0, 0, 1, ""},
    };
    for (const auto& c : cases) {
        StampDialogModel model(form);
        model.setDateStyle(c.style);
        model.setYearDigits(c.yearDigits);
        model.setFlag(&FormRecord::stampYear, c.year);
        model.setFlag(&FormRecord::stampMonth, c.month);
        model.setFlag(&FormRecord::stampDay, c.day);
        model.setFlag(&FormRecord::stampDateSeparatorOn, c.separatorOn);
        EXPECT_EQ(model.dateFormat(), c.date);
        model.cancel();
    }
}

TEST_F(StampDialog, TimeCaptionFollowsPartsAndSeparator) {
    StampDialogModel model(form);
    EXPECT_EQ(model.timeFormat(), "HH:MM:SS");
    model.setFlag(&FormRecord::stampMinute, false);
    EXPECT_EQ(model.timeFormat(), "HH:SS");
    model.setTimeSeparator("-");
    EXPECT_EQ(model.timeFormat(), "HH-SS");
    model.setFlag(&FormRecord::stampTimeSeparatorOn, false);
    EXPECT_EQ(model.timeFormat(), "HHSS");
}

TEST_F(StampDialog, SeparatorsKeepOneCharacter) {
    StampDialogModel model(form);
    EXPECT_EQ(model.setDateSeparator(".-"), ".");
    EXPECT_EQ(form.stampDateSeparator, (Bytes<2>{'.', 0}));
    EXPECT_EQ(model.setDateSeparator(""), "");
    EXPECT_EQ(form.stampDateSeparator[0], 0);
    EXPECT_EQ(model.dateFormat(), "YYYYMMDD");
}

TEST_F(StampDialog, CancelRestoresEveryChange) {
    const FormRecord before = form;
    StampDialogModel model(form);
    model.setPosition(2);
    model.setFlag(&FormRecord::stampSplit, false);
    model.setDateSeparator("-");
    model.setDateStyle(2);
    model.cancel();
    EXPECT_EQ(std::memcmp(&form, &before, sizeof form), 0);
}

}  // namespace
}  // namespace tessel
