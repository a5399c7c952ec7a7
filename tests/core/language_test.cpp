#include "core/language.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/messages.h"
#include "core/strings.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

TEST(LanguageContent, StoresTextsWithoutTheirLastCharacter) {
    LanguageTable table;
    table.loadContent("Deutsch\r\n1131=Aktuelles Programm speichern ?\r\n 42=x\r\n7=\r\n");
    EXPECT_EQ(table.text(1131), "Aktuelles Programm speichern ?");
    EXPECT_EQ(table.text(42), "x");
    EXPECT_EQ(table.text(7), "");
}

TEST(LanguageContent, BareLineFeedsLoseTheLastCharacter) {
    LanguageTable table;
    table.loadContent("Name\n1131=Speichern\n12=ab\n");
    EXPECT_EQ(table.text(1131), "Speicher");
    EXPECT_EQ(table.text(12), "a");
}

TEST(LanguageContent, IgnoresWhatLiesOutsideTheTable) {
    LanguageTable table;
    const std::string longText(200, 'x');
    table.loadContent("Name\r\n-3=neg\r\n2500=too far\r\n99999999999=huge\r\n100=" + longText + "\r\nno equals sign");
    EXPECT_EQ(table.text(100).size(), kLanguageTextMax);
    EXPECT_EQ(table.text(-3), "");
    EXPECT_EQ(table.text(2500), "");
    EXPECT_EQ(table.text(2499), "");
}

TEST(LanguageContent, SurvivesGarbage) {
    LanguageTable table;
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    table.loadContent(garbage);
    table.loadContent("");
    table.loadContent("only a name");
    table.loadContent("name\n=\n==\n\n");
    SUCCEED();
}

TEST(LanguageName, CutsLongNamesAndRefusesEmptyOnes) {
    struct Case {
        std::string head;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"Deutsch\r\n1=x", "Deutsch"},
        {std::string(40, 'n') + "\r\n", std::string(40, 'n')},
        {std::string(45, 'n') + "\r\n", std::string(39, 'n')},
        {"\r\n1=x", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(languageNameOf(c.head), c.name) << c.head;
}

class LanguageFolders : public ::testing::Test {
protected:
    void write(const std::filesystem::path& folder, const std::string& name, const std::string& content) {
        std::filesystem::create_directories(folder);
        std::ofstream(folder / name, std::ios::binary) << content;
    }
    test::TempDir temp;
};

TEST_F(LanguageFolders, FindsLanguagesAcrossFoldersInOrder) {
    write(temp.path() / "program", "b.lng", "Deutsch\r\n1131=Speichern?\r\n");
    write(temp.path() / "program", "a.lng", "Russian\r\n");
    write(temp.path() / "program", "notes.txt", "Not a language\r\n");
    write(temp.path() / "program", "empty.lng", "");
    write(temp.path() / "user", "c.lng", "Polski\r\n");
    const auto found = findLanguages({temp.path() / "program", temp.path() / "missing", temp.path() / "user"});
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->size(), 3u);
    EXPECT_EQ((*found)[0].name, "Russian");
    EXPECT_EQ((*found)[1].name, "Deutsch");
    EXPECT_EQ((*found)[2].name, "Polski");
    EXPECT_FALSE(findLanguages({temp.path() / "missing"}).has_value());
}

TEST_F(LanguageFolders, TheExtensionMayBeUpperCase) {
    write(temp.path(), "DE.LNG", "Deutsch\r\n1131=Speichern ?\r\n");
    write(temp.path(), "pl.Lng", "Polski\r\n");
    const auto found = findLanguages({temp.path()});
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->size(), 2u);
    EXPECT_EQ((*found)[0].name, "Deutsch");
    EXPECT_EQ((*found)[1].name, "Polski");
}

TEST_F(LanguageFolders, KnowsAtMostTwentyLanguages) {
    for (int i = 0; i < 25; ++i)
        write(temp.path(), "l" + std::to_string(100 + i) + ".lng", "L" + std::to_string(i) + "\r\n");
    EXPECT_EQ(findLanguages({temp.path()})->size(), kMaxKnownLanguages);
}

TEST_F(LanguageFolders, LoadingReplacesTextsWhileOthersStayBuiltIn) {
    write(temp.path(), "de.lng", "Deutsch\r\n1131=Aktuelles Programm speichern ?\r\n");
    write(temp.path(), "empty-named.lng", "Leer");
    Strings strings;
    const auto known = *findLanguages({temp.path()});

    EXPECT_TRUE(loadLanguage(strings.language(), known, "Deutsch"));
    EXPECT_EQ(strings.text(1131), "Aktuelles Programm speichern ?");
    EXPECT_EQ(strings.text(1171), "Format mismatch !!!");

    EXPECT_FALSE(loadLanguage(strings.language(), known, "0"));
    EXPECT_EQ(strings.text(1131), "Save current program ?");
}

TEST_F(LanguageFolders, SwitchingLanguagesLeavesNoTextOfThePreviousOne) {
    write(temp.path(), "de.lng", "Deutsch\r\n1131=Speichern ?\r\n1171=Falsches Format\r\n");
    write(temp.path(), "pl.lng", "Polski\r\n1131=Zapisac ?\r\n");
    Strings strings;
    const auto known = *findLanguages({temp.path()});
    ASSERT_TRUE(loadLanguage(strings.language(), known, "Deutsch"));
    ASSERT_TRUE(loadLanguage(strings.language(), known, "Polski"));
    EXPECT_EQ(strings.text(1131), "Zapisac ?");
    EXPECT_EQ(strings.text(1171), "Format mismatch !!!");
}

// The language file's name picks the desktop's own translations: "DE.LNG"
// goes with the translation "de", and no language with none.
TEST_F(LanguageFolders, TheLoadedFileNamesTheInterfaceTranslation) {
    write(temp.path(), "DE.LNG", "Deutsch\r\n1131=Speichern ?\r\n");
    Strings strings;
    const auto known = *findLanguages({temp.path()});
    ASSERT_TRUE(loadLanguage(strings.language(), known, "Deutsch"));
    EXPECT_EQ(strings.language().interfaceCode(), "de");
    EXPECT_FALSE(loadLanguage(strings.language(), known, "0"));
    EXPECT_EQ(strings.language().interfaceCode(), "");
}

TEST(MessageByIds, ShowsNothingWhenATextIsMissing) {
    const auto table = StringTable::parse("1121=Error\n1171=Format mismatch !!!\n");
    Strings strings(table);
    CapturedMessages messages(kAnswerOk);
    EXPECT_EQ(messageByIds(strings, messages, 1121, 9999, {}), kAnswerNone);
    EXPECT_EQ(messageByIds(strings, messages, 9999, 1171, {}), kAnswerNone);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(messageByIds(strings, messages, 1121, 1171, {MessageIcon::Warning}), kAnswerOk);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].text, "Format mismatch !!!");
}

}  // namespace
}  // namespace tessel
