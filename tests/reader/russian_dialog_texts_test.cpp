// With the shipped Russian language active, the Barcode page's dialogs take
// every caption and control text from its slots, so none of them may be empty.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/project.h"
#include "core/strings.h"
#include "core/text_encoding.h"
#include "reader/option_dialog_model.h"
#include "support/projects.h"
#include "support/shipped_russian.h"

namespace tessel {
namespace {

class RussianDialogTexts : public ::testing::Test {
protected:
    void SetUp() override { test::loadShippedRussian(strings.language()); }

    Strings strings;
};

TEST_F(RussianDialogTexts, EveryOptionDialogIsLabelled) {
    for (const bool twoD : {false, true}) {
        Project project = test::newProject(kFamily4760);
        for (const OptionDialogTable& table : optionDialogs()) {
            if (table.twoD != twoD) continue;
            SCOPED_TRACE(std::string(table.templateName));
            const OptionDialogModel model(table, strings, project.definition);
            EXPECT_FALSE(model.caption().empty());
            for (std::size_t index = 0; index < model.size(); ++index) {
                const OptionControl& control = model.control(index);
                if (!control.text.empty() || control.kind == OptionKind::Number) {
                    EXPECT_FALSE(model.text(index).empty()) << control.name;
                }
                for (std::size_t entry = 0; entry < control.entries.size(); ++entry) {
                    EXPECT_FALSE(model.entryText(index, entry).empty()) << control.name << " entry " << entry;
                }
                if (control.kind == OptionKind::Separator) {
                    EXPECT_FALSE(model.separatorLabel(index).empty());
                }
            }
            // Both pairs of 1D length labels, whichever mode is shown now.
            for (int offset = 0; table.lengthLabelSlot != 0 && offset < 4; ++offset) {
                EXPECT_FALSE(strings.language().text(table.lengthLabelSlot + offset).empty()) << offset;
            }
        }
    }
}

TEST_F(RussianDialogTexts, CodeIdWeightCodeAndRfidDialogsAreLabelled) {
    // Caption, switch, 15 rows, 5 sets and Clear; caption and 6 controls twice.
    for (const auto& [first, last] : {std::pair{1651, 1673}, std::pair{1750, 1756}, std::pair{2030, 2036}}) {
        for (int slot = first; slot <= last; ++slot) EXPECT_FALSE(strings.language().text(slot).empty()) << slot;
    }
    EXPECT_EQ(cp1251ToUtf8(strings.language().text(1218)), "ОК");
    EXPECT_EQ(cp1251ToUtf8(strings.language().text(1219)), "Отмена");
}

}  // namespace
}  // namespace tessel
