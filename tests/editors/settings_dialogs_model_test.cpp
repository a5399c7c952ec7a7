// The Settings page's two sub-dialogs: Security Settings and Function Key
// Mapping.
#include <gtest/gtest.h>

#include <cstring>

#include "core/messages.h"
#include "core/project.h"
#include "editors/function_key_dialog_model.h"
#include "editors/security_dialog_model.h"
#include "support/projects.h"

namespace tessel {
namespace {

class SettingsDialogs : public ::testing::Test {
protected:
    SystemSettings working = test::newProject(kFamilyGroup).definition.settings;
    CapturedMessages messages;
    const Strings& strings = test::builtinStrings();
};

TEST_F(SettingsDialogs, PasswordRefusalsPutBackTheLastAcceptedText) {
    struct Step {
        const char* typed;
        const char* shown;
        const char* message;  // nullptr: accepted without a message
    };
    const Step steps[] = {
        {"7", "7", nullptr},
        {"7a", "7a", nullptr},
        {"7a-", "7a", "Invalid character!!!"},
        {"7aZ09", "7aZ09", nullptr},
        {"7aZ09 ", "7aZ09", "Invalid character!!!"},
        {"7aZ09Ж", "7aZ09", "Invalid character!!!"},
        {"1234567890", "1234567890", nullptr},
        {"12345678901", "1234567890", "Password is too long!!!"},
        {"1234567890-", "1234567890", "Password is too long!!!"},
        {"", "", nullptr},
    };
    SecurityDialogModel model(working, strings, messages);
    for (const auto& step : steps) {
        const auto before = messages.shown().size();
        EXPECT_EQ(model.setPassword(step.typed), step.shown) << step.typed;
        if (step.message == nullptr) {
            EXPECT_EQ(messages.shown().size(), before) << step.typed;
            continue;
        }
        ASSERT_EQ(messages.shown().size(), before + 1) << step.typed;
        const auto& shown = messages.shown().back();
        EXPECT_EQ(shown.caption, "Warning");
        EXPECT_EQ(shown.text, step.message);
        EXPECT_EQ(shown.style.icon, MessageIcon::Warning);
    }
}

TEST_F(SettingsDialogs, RefusalFallsBackToTheStoredPassword) {
    setCellText(working.password, "Pin42");
    SecurityDialogModel model(working, strings, messages);
    EXPECT_EQ(model.password(), "Pin42");
    EXPECT_EQ(model.setPassword("Pin42!"), "Pin42");
}

TEST_F(SettingsDialogs, ProtectedSettingsDisableTheSingleSettingsButKeepThem) {
    SecurityDialogModel model(working, strings, messages);
    model.setProtected(6, true);   // Upload Port
    model.setProtected(14, true);  // Warning Beep
    model.setProtected(0, true);   // Settings
    for (std::size_t box = 0; box < kProtectBoxes; ++box) {
        EXPECT_EQ(model.boxEnabled(box), box < 6) << kProtectBoxList[box].label;
    }
    model.accept();
    EXPECT_EQ(working.protectSettings, 1);
    EXPECT_EQ(working.protectUploadPort, 1);
    EXPECT_EQ(working.protectWarningBeep, 1);
    EXPECT_EQ(working.protectDownloadPort, 0);

    SecurityDialogModel reopened(working, strings, messages);
    reopened.setProtected(0, false);
    for (std::size_t box = 0; box < kProtectBoxes; ++box) EXPECT_TRUE(reopened.boxEnabled(box));
    EXPECT_TRUE(reopened.isProtected(6));
}

TEST_F(SettingsDialogs, EachBoxStoresItsOwnByte) {
    const std::size_t offsets[kProtectBoxes] = {34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 140, 141, 142};
    for (std::size_t box = 0; box < kProtectBoxes; ++box) {
        SystemSettings settings = working;
        SecurityDialogModel model(settings, strings, messages);
        model.setProtected(box, true);
        model.accept();
        const auto bytes = recordBytes(settings);
        const auto original = recordBytes(working);
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            EXPECT_EQ(bytes[b], b == offsets[box] ? 1 : original[b]) << kProtectBoxList[box].label << " byte " << b;
        }
    }
}

TEST_F(SettingsDialogs, SecurityOkStoresAndCancelDiscards) {
    const SystemSettings before = working;
    {
        SecurityDialogModel cancelled(working, strings, messages);
        cancelled.setPassword("abc");
        cancelled.setProtected(3, true);
    }
    EXPECT_EQ(std::memcmp(&working, &before, sizeof before), 0);

    SecurityDialogModel model(working, strings, messages);
    model.setPassword("abc");
    model.setProtected(3, true);
    model.accept();
    EXPECT_EQ(cellText(working.password), "abc");
    EXPECT_EQ(working.protectDateTime, 1);
}

TEST_F(SettingsDialogs, FunctionListNamesTheTerminalFunctions) {
    const auto entries = FunctionKeyDialogModel::functionEntries(strings);
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries[0], "Nil");
    EXPECT_EQ(entries[8], "Set Date / Time");
    EXPECT_EQ(entries[19], "Calculator");
}

TEST_F(SettingsDialogs, FunctionKeysOkStoresAndCancelDiscards) {
    const SystemSettings before = working;
    {
        FunctionKeyDialogModel cancelled(working);
        cancelled.setMappingsOn(true);
        cancelled.setFunction(0, 5);
    }
    EXPECT_EQ(std::memcmp(&working, &before, sizeof before), 0);

    FunctionKeyDialogModel model(working);
    EXPECT_FALSE(model.mappingsOn());
    model.setMappingsOn(true);
    model.setFunction(0, 5);
    model.setFunction(8, 19);
    model.accept();
    EXPECT_EQ(working.functionKeysOn, 1);
    EXPECT_EQ(working.functionKeyMap, (Bytes<kFunctionKeys>{5, 0, 0, 0, 0, 0, 0, 0, 19}));

    FunctionKeyDialogModel reopened(working);
    EXPECT_TRUE(reopened.mappingsOn());
    EXPECT_EQ(reopened.function(8), 19);
}

}  // namespace
}  // namespace tessel
