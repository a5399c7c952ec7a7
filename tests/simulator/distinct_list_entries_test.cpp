// Every list of the editor sheet offers each entry under its own text, in
// English and with the shipped Russian language: two entries that read
// alike cannot be told apart by the user.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/messages.h"
#include "core/model_family.h"
#include "core/strings.h"
#include "core/working_texts.h"
#include "editors/branch_dialog_model.h"
#include "editors/branch_options_model.h"
#include "editors/field_options_edit.h"
#include "editors/field_properties_model.h"
#include "editors/form_lists.h"
#include "editors/function_key_dialog_model.h"
#include "editors/lookup_page_model.h"
#include "editors/menu_page_model.h"
#include "editors/printer_dialog_model.h"
#include "editors/settings_page_model.h"
#include "editors/stamp_dialog_model.h"
#include "simulator/startup_page_model.h"
#include "support/projects.h"
#include "support/shipped_russian.h"

namespace tessel {
namespace {

using Lister = std::function<ListEntries(const Strings&)>;

struct NamedList {
    const char* name;
    Lister entries;
};

ListEntries startupGroups(const Strings& strings) {
    Project project = test::newProject(kFamily4760);
    CapturedMessages messages;
    WorkingTexts texts;
    return StartupPageModel(project, strings, messages, texts).groupEntries();
}

const NamedList kLists[] = {
    {"form names", formNameEntries},
    {"targets", targetEntries},
    {"next targets", nextTargetEntries},
    {"error actions", errorActionEntries},
    {"form lookups", formLookupEntries},
    {"record actions", recordActionEntries},
    {"field types", fieldTypeEntries},
    {"input sources", inputSourceEntries},
    {"branch targets", BranchDialogModel::targetEntries},
    {"branch fields", branchFieldEntries},
    {"summation sources", SummationModel::sourceEntries},
    {"remains variables", RemainsModel::variableEntries},
    {"alignments", FieldOptionsEdit::alignmentEntries},
    {"decimal places", FieldPropertiesModel::decimalPlaceEntries},
    {"check digits", FieldPropertiesModel::checkDigitEntries},
    {"auto enter", FieldPropertiesModel::autoEnterEntries},
    {"functions", FunctionKeyDialogModel::functionEntries},
    {"lookup names", LookupPageModel::nameEntries},
    {"bad format actions", LookupPageModel::badFormatEntries},
    {"menu names", MenuPageModel::menuNameEntries},
    {"printing methods", PrinterDialogModel::methodEntries},
    {"bluetooth modes", PrinterDialogModel::bluetoothModeEntries},
    {"ports 4760", [](const Strings& s) { return SettingsPageModel::portEntries(s, kFamily4760); }},
    {"ports group", [](const Strings& s) { return SettingsPageModel::portEntries(s, kFamilyGroup); }},
    {"baud rates", SettingsPageModel::baudRateEntries},
    {"key clicks", SettingsPageModel::keyClickEntries},
    {"beeps", SettingsPageModel::beepEntries},
    {"stamp positions", StampDialogModel::positionEntries},
    {"startup groups", startupGroups},
};

// The texts that occur more than once in `entries`; blank entries (unused
// places a language leaves empty) are not offered apart and are left out.
std::set<std::string> repeated(const ListEntries& entries) {
    std::set<std::string> seen;
    std::set<std::string> twice;
    for (const auto& entry : entries) {
        if (entry.find_first_not_of(' ') == std::string::npos) continue;
        if (!seen.insert(entry).second) twice.insert(entry);
    }
    return twice;
}

class DistinctListEntries : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) test::loadShippedRussian(strings_.language());
    }

    Strings strings_;
};

TEST_P(DistinctListEntries, NoTwoEntriesOfAListReadAlike) {
    for (const auto& list : kLists) {
        const auto entries = list.entries(strings_);
        EXPECT_FALSE(entries.empty()) << list.name;
        for (const auto& text : repeated(entries)) ADD_FAILURE() << list.name << ": \"" << text << "\" twice";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DistinctListEntries, ::testing::Values(false, true),
                         [](const auto& language) { return language.param ? "Russian" : "English"; });

TEST(DistinctListEntriesCheck, FindsRepeatsAndPassesOverBlanks) {
    EXPECT_EQ(repeated({"a", "b", "a", "", "", "  "}), std::set<std::string>{"a"});
    EXPECT_TRUE(repeated({"a", "A"}).empty());
}

}  // namespace
}  // namespace tessel
