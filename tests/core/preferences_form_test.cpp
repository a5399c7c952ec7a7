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
    // Sorted: COM3 (index 1), rfcomm0 (2), ttyUSB0 (0). A position past the
    // end of the list shows nothing and stays as it was.
    const Case cases[] = {{-1, 2, 0}, {0, 2, 0}, {2, 1, 2}, {1, 0, 1}, {9, -1, 9}};
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
    EXPECT_EQ(form.result().portName, "rfcomm0");
    EXPECT_FALSE(PreferencesForm({}, kFamilyGroup, {}, {}).hasPorts());
}

// The list of running simulated terminals is shared by every program of the
// user: when one stops, another terminal moves up to its position. A stored
// position is shown only while it still names the port that was chosen.
TEST(PreferencesForm, AStalePositionSelectsNoPort) {
    // Shown sorted: /dev/pts/7 (index 1), then ttyS0 (index 0).
    const std::vector<std::string> lines{"ttyS0 - Serial port", "/dev/pts/7 - Virtual port"};
    struct Case {
        const char* what;
        int storedIndex;
        const char* storedName;
        int shownRow;
    };
    const Case cases[] = {
        {"the chosen terminal is still there", 1, "/dev/pts/7", 0},
        {"another terminal at its position", 1, "/dev/pts/4", -1},
        {"the chosen terminal is gone and the list shorter", 2, "/dev/pts/9", -1},
        {"a file without the name trusts the position", 1, "", 0},
        {"nothing chosen offers the first port", -1, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Preferences stored;
        stored.portIndex = c.storedIndex;
        stored.portName = c.storedName;
        const PreferencesForm form(stored, kFamilyGroup, lines, {});
        EXPECT_EQ(form.selectedPortRow(), c.shownRow);
        if (c.shownRow < 0) {
            // OK without a new choice keeps the stale choice, so a transfer asks again.
            EXPECT_EQ(form.result().portIndex, c.storedIndex);
            EXPECT_EQ(form.result().portName, c.storedName);
        }
    }
}

TEST(PreferencesForm, ADevicePathCanBeTypedForThePort) {
    const std::vector<std::string> lines{"ttyS0 - Serial port", "ttyUSB0 - Virtual port"};
    struct Case {
        std::string text;
        int row;
        std::string typed;
        int portIndex;
        std::string portName;
    };
    const Case cases[] = {
        {"ttyUSB0 - Virtual port", 1, "", 1, "ttyUSB0"},  // a line of the list
        {" ttyS0 ", 0, "", 0, "ttyS0"},                   // a listed port's name
        {"/dev/rfcomm0", -1, "/dev/rfcomm0", -1, "/dev/rfcomm0"},
        {"  /dev/pts/12\t", -1, "/dev/pts/12", -1, "/dev/pts/12"},
        {"", -1, "", 3, "old"},  // nothing: the stored choice stays
        {"/dev/x\ry", -1, "", 3, "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Preferences stored;
        stored.portIndex = 3;
        stored.portName = "old";
        PreferencesForm form(stored, kFamilyGroup, lines, {});
        form.setPortText(c.text);
        EXPECT_EQ(form.selectedPortRow(), c.row);
        EXPECT_EQ(form.typedPort(), c.typed);
        EXPECT_EQ(form.result().portIndex, c.portIndex);
        EXPECT_EQ(form.result().portName, c.portName);
    }
    // A typed path read back from the preferences shows again as typed.
    Preferences typed;
    typed.portName = "/dev/rfcomm0";
    const PreferencesForm again(typed, kFamilyGroup, lines, {});
    EXPECT_EQ(again.selectedPortRow(), -1);
    EXPECT_EQ(again.typedPort(), "/dev/rfcomm0");
    // Choosing from the list drops what was typed.
    PreferencesForm chosen(typed, kFamilyGroup, lines, {});
    chosen.choosePortRow(0);
    EXPECT_EQ(chosen.result().portName, "ttyS0");
    EXPECT_EQ(chosen.typedPort(), "");
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

// Bluetooth SPP is entry 2 of the 4760's list and entry 1 of the group's:
// a choice is shown, and kept, as the entry it was chosen as.
TEST(PreferencesForm, InterfaceChoicesOfTheOtherFamilyKeepTheirMeaning) {
    struct Case {
        int storedFor, choice, family, shown;
    };
    const Case cases[] = {
        {kFamily4760, 2, kFamilyGroup, 1},                            // Bluetooth SPP
        {kFamilyGroup, 1, kFamily4760, 2},                            // Bluetooth SPP
        {kFamilyGroup, 3, kFamily4760, 0},                            // SD Card: the 4760 has none
        {kFamilyGroup, 2, kFamilyGroup, 2}, {0, 2, kFamilyGroup, 2},  // an older file: read against the family shown
    };
    for (const auto& c : cases) {
        Preferences stored;
        stored.downloadVia = c.choice;
        stored.receiveVia = c.choice;
        stored.interfaceFamily = c.storedFor;
        PreferencesForm form(stored, c.family, {"p"}, {});
        EXPECT_EQ(form.downloadVia(), c.shown) << c.storedFor << " " << c.choice;
        EXPECT_EQ(form.receiveVia(), c.shown) << c.storedFor << " " << c.choice;
        EXPECT_EQ(form.result().interfaceFamily, is4760(c.family) ? kFamily4760 : kFamilyGroup);
    }
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
