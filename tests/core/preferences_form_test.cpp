#include "core/preferences_form.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/language.h"
#include "core/model_family.h"
#include "core/strings.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

TEST(PreferencesForm, InterfaceListsFollowTheFamily) {
    const Strings strings;
    EXPECT_EQ(PreferencesForm({}, kFamily4760, {"COM1 - Serial port"}, {}).interfaceChoices(strings),
              (std::vector<std::string>{"Cradle-IR", "IrDA", "Bluetooth SPP"}));
    EXPECT_EQ(PreferencesForm({}, kFamilyGroup, {"COM1 - Serial port"}, {}).interfaceChoices(strings),
              (std::vector<std::string>{"Cable RS-232", "Bluetooth SPP", "Cable USB-VCOM", "SD Card"}));
}

TEST(PreferencesForm, DetectCradleRule) {
    struct Case {
        int family, download, receive;
        bool enabled;
    };
    const Case cases[] = {
        {kFamily4760, 0, 2, true},   {kFamily4760, 1, 0, true},      {kFamily4760, 1, 2, false},
        {kFamilyGroup, 0, 0, false}, {kFamilyAtStartup, 0, 3, true}, {kFamilyAtStartup, 3, 3, false},
    };
    for (const auto& c : cases) {
        PreferencesForm form({}, c.family, {"COM1 - Serial port"}, {});
        form.setDownloadVia(c.download);
        form.setReceiveVia(c.receive);
        EXPECT_EQ(form.detectCradleEnabled(), c.enabled) << c.family << " " << c.download << " " << c.receive;
    }
}

TEST(PreferencesForm, PortsAreShownSortedAndKeepTheirIndexes) {
    const std::vector<std::string> lines{"ttyUSB0 - Virtual port", "COM3 - Serial port", "rfcomm0 - Bluetooth port"};
    struct Case {
        int storedIndex, shownRow, chosenIndex;
    };
    // Sorted: COM3 (index 1), rfcomm0 (2), ttyUSB0 (0).
    const Case cases[] = {{-1, 2, 0}, {0, 2, 0}, {2, 1, 2}, {1, 0, 1}, {9, 2, 0}};
    for (const auto& c : cases) {
        Preferences stored;
        stored.portIndex = c.storedIndex;
        PreferencesForm form(stored, kFamilyGroup, lines, {});
        EXPECT_EQ(form.selectedPortRow(), c.shownRow) << c.storedIndex;
        EXPECT_EQ(form.result().portIndex, c.chosenIndex) << c.storedIndex;
    }
    PreferencesForm form({}, kFamilyGroup, lines, {});
    form.choosePortRow(1);
    EXPECT_EQ(form.result().portIndex, 2);
    EXPECT_FALSE(PreferencesForm({}, kFamilyGroup, {}, {}).hasPorts());
}

TEST(PreferencesForm, LanguagesAndTheDefaultEntry) {
    Preferences stored;
    stored.language = "Deutsch";
    PreferencesForm form(stored, kFamilyGroup, {"COM1 - Serial port"}, {"Polski", "Deutsch"});
    EXPECT_EQ(form.languageChoices(), (std::vector<std::string>{"Default <English>", "Polski", "Deutsch"}));
    EXPECT_EQ(form.selectedLanguageRow(), 2);
    form.chooseLanguageRow(0);
    EXPECT_EQ(form.result().language, "0");
    form.chooseLanguageRow(1);
    EXPECT_EQ(form.result().language, "Polski");

    stored.language = "Gone";
    EXPECT_EQ(PreferencesForm(stored, kFamilyGroup, {"p"}, {"Polski"}).selectedLanguageRow(), 0);
    EXPECT_FALSE(PreferencesForm(stored, kFamilyGroup, {"p"}, {}).languagesAvailable());
}

// Names are kept as the language file's Windows-1251 bytes, in the file and
// in the preferences alike, and shown as Unicode.
TEST(PreferencesForm, FindsALanguageNamedInCyrillic) {
    const std::string russian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";  // "Русский"
    test::TempDir temp;
    std::ofstream(temp.path() / "ru.lng", std::ios::binary) << russian << "\r\n1131=?\r\n";
    std::ofstream(temp.path() / "de.lng", std::ios::binary) << "Deutsch\r\n";
    const auto found = findLanguages({temp.path()});
    ASSERT_TRUE(found.has_value());
    std::vector<std::string> names;
    for (const auto& language : *found) names.push_back(language.name);
    Preferences chosen;
    chosen.language = russian;
    const auto stored = parsePreferences(serializePreferences(chosen));

    PreferencesForm form(stored, kFamilyGroup, {"p"}, names);
    EXPECT_EQ(form.languageChoices(), (std::vector<std::string>{"Default <English>", "Deutsch", "Русский"}));
    EXPECT_EQ(form.selectedLanguageRow(), 2);
    EXPECT_EQ(form.result().language, russian);
    form.chooseLanguageRow(1);
    form.chooseLanguageRow(2);
    EXPECT_EQ(form.result().language, russian);
    form.chooseLanguageRow(0);
    EXPECT_EQ(form.result().language, "0");
}

TEST(PreferencesForm, SdCardStaysChosen) {
    Preferences stored;
    stored.downloadVia = 3;
    PreferencesForm form(stored, kFamilyGroup, {"p"}, {});
    EXPECT_EQ(form.downloadVia(), 3);
    EXPECT_EQ(form.interfaceChoices(Strings())[3], "SD Card");
    EXPECT_EQ(parsePreferences(serializePreferences(form.result())).downloadVia, 3);
}

}  // namespace
}  // namespace tessel
