#include "editors/settings_page_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

void fill(SystemSettings& settings, Byte pattern) {
    for (Byte& b : recordBytes(settings)) b = pattern;
}

bool ownedBySettingsPage(std::size_t offset) {
    for (const OwnedBytes& span : kSettingsPageBytes) {
        if (offset >= span.begin && offset < span.end) return true;
    }
    return false;
}

class SettingsPage : public ::testing::Test {
protected:
    SettingsPageModel loaded(int family) {
        SettingsPageModel model;
        model.load(test::newProject(family).definition.settings, family);
        return model;
    }

    const Strings& strings = test::builtinStrings();
};

TEST_F(SettingsPage, ListsOfEachFamily) {
    EXPECT_EQ(SettingsPageModel::portEntries(strings, kFamily4760),
              (ListEntries{"Cradle-IR", "IrDA", "Modem", "Bluetooth SPP"}));
    EXPECT_EQ(SettingsPageModel::portEntries(strings, kFamilyGroup),
              (ListEntries{"Cable RS-232", "Bluetooth SPP", "Cable USB-VCOM", "Modem", "SD Card", "Cable USB-CDC",
                           "Cable Fast VPort"}));
    EXPECT_EQ(SettingsPageModel::baudRateEntries(strings),
              (ListEntries{"115200 bps", "57600 bps", "38400 bps", "19200 bps", "9600 bps"}));
    EXPECT_EQ(SettingsPageModel::keyClickEntries(strings),
              (ListEntries{"Mute", "Tone 1", "Tone 2", "Tone 3", "Tone 4", "Tone 5"}));
    EXPECT_EQ(SettingsPageModel::beepEntries(strings), (ListEntries{"Mute", "One beep", "Two beeps", "Three beeps"}));
    EXPECT_EQ(SettingsPageModel::entryOptionEntries(), (ListEntries{"No prompt", "Show count", "Show record"}));
    EXPECT_EQ(SettingsPageModel::vibratorEntries().size(), 6u);
    EXPECT_EQ(SettingsPageModel::vibratorEntries().front(), "Off");
}

TEST_F(SettingsPage, NewProjectOpensWithItsDefaults) {
    const auto model = loaded(kFamily4760);
    const SystemSettings& s = model.settings();
    EXPECT_EQ(s.uploadPort, 0);
    EXPECT_EQ(s.downloadPort, 0);
    EXPECT_EQ(s.baudRate, 0);
    EXPECT_EQ(s.backlight, 0);
    EXPECT_EQ(model.backlightIdle(), "2");
    EXPECT_EQ(s.dataDeletion, 0);
    EXPECT_EQ(s.entryOptions, 1);
    EXPECT_TRUE(model.stayOnLcd());
    EXPECT_EQ(model.promptDuration(), "6");
    EXPECT_EQ(s.keyClick, 2);
    EXPECT_EQ(s.goodReadBeep, 1);
    EXPECT_EQ(s.warningBeep, 2);
    EXPECT_EQ(s.vibrator, 0);
}

TEST_F(SettingsPage, ModemPortsEnablePhonesAndSpeeds) {
    struct Case {
        int family;
        int upload;
        int download;
        bool uploadPhone;
        bool downloadPhone;
        bool modemSpeed;
        bool baudRate;
    };
    const Case cases[] = {
        {kFamily4760, 0, 0, false, false, false, true}, {kFamily4760, 2, 0, true, false, true, true},
        {kFamily4760, 1, 2, false, true, true, true},   {kFamily4760, 2, 2, true, true, true, false},
        {kFamily4760, 3, 3, false, false, false, true}, {kFamilyGroup, 2, 2, false, false, false, true},
        {kFamilyGroup, 3, 0, true, false, true, true},  {kFamilyGroup, 4, 3, false, true, true, true},
        {kFamilyGroup, 3, 3, true, true, true, false},  {kFamilyGroup, 6, 5, false, false, false, true},
    };
    for (const auto& c : cases) {
        auto model = loaded(c.family);
        model.setChoice(&SystemSettings::uploadPort, c.upload);
        model.setChoice(&SystemSettings::downloadPort, c.download);
        const auto e = model.enabling();
        const auto where = testing::Message() << c.family << ": " << c.upload << ", " << c.download;
        EXPECT_EQ(e.uploadPhone, c.uploadPhone) << where;
        EXPECT_EQ(e.downloadPhone, c.downloadPhone) << where;
        EXPECT_EQ(e.modemSpeed, c.modemSpeed) << where;
        EXPECT_EQ(e.baudRate, c.baudRate) << where;
        EXPECT_EQ(model.settings().uploadPort, c.upload);
        EXPECT_EQ(model.settings().downloadPort, c.download);
    }
}

TEST_F(SettingsPage, TypedNumbersAreCorrected) {
    struct Case {
        std::string (SettingsPageModel::*set)(std::string_view);
        Byte SystemSettings::*stored;
        const char* typed;
        const char* shown;
        Byte value;
    };
    const auto idle = &SettingsPageModel::setBacklightIdle;
    const auto duration = &SettingsPageModel::setPromptDuration;
    const Case cases[] = {
        {idle, &SystemSettings::backlightIdle, "5", "5", 5},
        {idle, &SystemSettings::backlightIdle, "0", "1", 1},
        {idle, &SystemSettings::backlightIdle, "", "1", 1},
        {idle, &SystemSettings::backlightIdle, "x", "1", 1},
        {idle, &SystemSettings::backlightIdle, "12", "9", 9},
        {duration, &SystemSettings::promptDuration, "45", "45", 45},
        {duration, &SystemSettings::promptDuration, "07", "7", 7},
        {duration, &SystemSettings::promptDuration, "00", "1", 1},
        {duration, &SystemSettings::promptDuration, "", "1", 1},
        {duration, &SystemSettings::promptDuration, "9-", "1", 1},
        {duration, &SystemSettings::promptDuration, "150", "99", 99},
    };
    for (const auto& c : cases) {
        auto model = loaded(kFamilyGroup);
        EXPECT_EQ((model.*c.set)(c.typed), c.shown) << c.typed;
        EXPECT_EQ(model.settings().*c.stored, c.value) << c.typed;
    }
}

TEST_F(SettingsPage, PhoneNumbersHoldTwentyCharacters) {
    auto model = loaded(kFamilyGroup);
    EXPECT_EQ(model.setUploadPhone("0123456789 0123456789"), "0123456789 012345678");
    EXPECT_EQ(model.setDownloadPhone("+7 (495) ДОБ"), "+7 (495) ДОБ");
    EXPECT_EQ(cellText(model.settings().uploadPhone), "0123456789 012345678");
    EXPECT_EQ(cellText(model.settings().downloadPhone), "+7 (495) \xC4\xCE\xC1");
    EXPECT_EQ(model.downloadPhone(), "+7 (495) ДОБ");
    model.setUploadPhone("");
    EXPECT_EQ(model.uploadPhone(), "");
}

TEST_F(SettingsPage, EntryOptionEnablesThePromptChoice) {
    struct Case {
        int entryOption;
        bool stay;
        bool choice;
        bool duration;
    };
    const Case cases[] = {{0, true, false, false}, {0, false, false, false}, {1, true, true, true},
                          {1, false, true, false}, {2, true, true, true},    {2, false, true, false}};
    for (const auto& c : cases) {
        auto model = loaded(kFamily4760);
        model.setChoice(&SystemSettings::entryOptions, c.entryOption);
        model.setStayOnLcd(c.stay);
        EXPECT_EQ(model.enabling().promptChoice, c.choice) << c.entryOption << " " << c.stay;
        EXPECT_EQ(model.enabling().promptDuration, c.duration) << c.entryOption << " " << c.stay;
    }
}

TEST_F(SettingsPage, KeyPressStoresZeroAndStayStoresTheShownDuration) {
    auto model = loaded(kFamily4760);
    model.setPromptDuration("25");
    model.setStayOnLcd(false);
    EXPECT_EQ(model.settings().promptDuration, 0);
    EXPECT_EQ(model.promptDuration(), "25");
    model.setStayOnLcd(true);
    EXPECT_EQ(model.settings().promptDuration, 25);
}

TEST_F(SettingsPage, StoredZeroOpensAsKeyPressShowingSix) {
    SystemSettings settings = test::newProject(kFamily4760).definition.settings;
    settings.promptDuration = 0;
    SettingsPageModel model;
    model.load(settings, kFamily4760);
    EXPECT_FALSE(model.stayOnLcd());
    EXPECT_EQ(model.promptDuration(), "6");
    model.setStayOnLcd(true);
    EXPECT_EQ(model.settings().promptDuration, 6);

    settings.promptDuration = 33;
    model.load(settings, kFamily4760);
    EXPECT_TRUE(model.stayOnLcd());
    EXPECT_EQ(model.promptDuration(), "33");
}

TEST_F(SettingsPage, ResetRestoresThePageDefaultsOnly) {
    SystemSettings settings{};
    fill(settings, 0xAA);
    settings.functionKeysOn = 1;
    SettingsPageModel model;
    model.load(settings, kFamilyGroup);
    model.setStayOnLcd(false);
    model.reset();

    SystemSettings expected = settings;
    expected.uploadPort = expected.downloadPort = expected.baudRate = expected.backlight = 0;
    expected.dataDeletion = expected.modemSpeed = expected.vibrator = 0;
    expected.backlightIdle = 2;
    expected.entryOptions = 1;
    expected.promptDuration = 6;
    expected.keyClick = 2;
    expected.goodReadBeep = 1;
    expected.warningBeep = 2;
    expected.uploadPhone.fill(0);
    expected.downloadPhone.fill(0);
    const auto bytes = recordBytes(expected);
    std::fill(bytes.begin() + 34, bytes.begin() + 68, Byte{0});
    std::fill(bytes.begin() + 140, bytes.begin() + 150, Byte{0});

    const auto reset = recordBytes(model.settings());
    for (std::size_t b = 0; b < reset.size(); ++b) EXPECT_EQ(reset[b], bytes[b]) << "byte " << b;
    EXPECT_TRUE(model.stayOnLcd());
    EXPECT_EQ(model.promptDuration(), "6");
}

TEST_F(SettingsPage, AcceptWritesOnlyThePagesBytes) {
    SystemSettings opened{};
    fill(opened, 0x11);
    SettingsPageModel model;
    model.load(opened, kFamilyGroup);
    fill(model.workingCopy(), 0xAA);

    // Other pages and dialogs have written into the definition meanwhile.
    SystemSettings definition{};
    fill(definition, 0x55);
    model.accept(definition);
    const auto bytes = recordBytes(definition);
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        EXPECT_EQ(bytes[b], ownedBySettingsPage(b) ? 0xAA : 0x55) << "byte " << b;
    }
}

}  // namespace
}  // namespace tessel
