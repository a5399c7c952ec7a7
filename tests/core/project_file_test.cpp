#include "core/project_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/messages.h"
#include "core/preferences.h"
#include "core/project.h"
#include "support/projects.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

using test::builtinStrings;

std::string fileOf(int family) {
    Project project = test::newProject(family);
    return projectFileBytes(project.definition, family);
}

TEST(ProjectFile, NewProjectsHaveTheGoldenHeaderAndSize) {
    struct Case {
        int family;
        std::string magic;
    };
    const Case cases[] = {
        {kFamily4760, std::string("4760RU004\0", 10)},
        {kFamilyGroup, std::string("4130RU004\0", 10)},
        {kFamilyAtStartup, std::string("4130RU004\0", 10)},
    };
    for (const auto& c : cases) {
        const auto file = fileOf(c.family);
        ASSERT_EQ(file.size(), 19279u);
        EXPECT_EQ(file.substr(0, 10), c.magic);
        EXPECT_EQ(file.substr(19179), std::string(100, '\0'));
        // Golden offsets: settings version, the main menu's first line, the weight code.
        EXPECT_EQ(file[18899], '4');
        EXPECT_EQ(file.substr(16135, 20), "1. Collect data     ");
        EXPECT_EQ(static_cast<Byte>(file[19167]), 0xDA);
    }
}

TEST(ProjectFile, MagicRecognition) {
    struct Case {
        std::string head;
        std::optional<int> family;
        std::optional<int> exactFamily;
    };
    const Case cases[] = {
        {std::string("4760RU004\0", 10), kFamily4760, kFamily4760},
        {std::string("4130RU004\0", 10), kFamilyGroup, kFamilyGroup},
        {std::string("4760RUxyz\0", 10), kFamily4760, std::nullopt},
        {std::string("4760RU004X", 10), kFamily4760, std::nullopt},
        {std::string("4760-1.00\0", 10), kFamily4760, kFamily4760},
        {std::string("4760-1.00X", 10), kFamily4760, std::nullopt},
        {std::string("4760-1.01\0", 10), std::nullopt, std::nullopt},
        {std::string("4120RU004\0", 10), std::nullopt, std::nullopt},
        {std::string("4760RU", 6), std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(familyOfMagic(c.head), c.family) << c.head;
        EXPECT_EQ(familyOfExactMagic(c.head), c.exactFamily) << c.head;
    }
}

TEST(ProjectFile, CalculatorDigitFollowsTheLookups) {
    struct Case {
        char first;
        bool lookupInUse;
        char written;
    };
    const Case cases[] = {{'9', false, '8'}, {'8', true, '9'}, {'1', true, '9'}, {'C', true, 'C'}, {'C', false, 'C'}};
    for (const auto& c : cases) {
        Project project = test::newProject(kFamilyGroup);
        project.definition.settings.textLines[0][0] = static_cast<Byte>(c.first);
        if (c.lookupInUse) {
            project.definition.lookups[2].recordLength = 10;
            project.definition.lookups[2].columnCount = 1;
        }
        const auto file = projectFileBytes(project.definition, project.family);
        EXPECT_EQ(file[18899 + 150], c.written) << c.first;
        EXPECT_EQ(project.definition.settings.textLines[0][0], static_cast<Byte>(c.written));
    }
}

TEST(ProjectFile, ReadingBackGivesTheSameDefinitionAndFamily) {
    Project saved = test::newProject(kFamily4760);
    saved.definition.headerWord.set(0xBEEF);
    setCellText(saved.definition.forms[4].fieldPrompt[2], "Quantity");
    const auto file = projectFileBytes(saved.definition, saved.family);

    Project read = test::newProject(kFamilyGroup);
    const auto result = readProjectBytes(file, read.definition, builtinStrings());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->family, kFamily4760);
    EXPECT_FALSE(result->converted);
    EXPECT_TRUE(std::equal(recordBytes(saved.definition).begin(), recordBytes(saved.definition).end(),
                           recordBytes(read.definition).begin()));
}

TEST(ProjectFile, ShortFilesFillTheBlocksAsFarAsTheyReach) {
    Project original = test::newProject(kFamily4760);
    auto file = projectFileBytes(original.definition, original.family);
    Project target = test::newProject(kFamilyGroup);
    target.definition.forms[0].fieldType[0] = 7;       // before the cut: overwritten
    target.definition.weightCode.prefixCode[0] = 'X';  // after the cut: kept
    file.resize(10 + 2 + 23 + 3500 + 10);
    file[10 + 2 + 23 + 3500] = 42;  // first byte of form 1
    ASSERT_TRUE(readProjectBytes(file, target.definition, builtinStrings()).has_value());
    EXPECT_EQ(target.definition.forms[0].reserved0, 42);
    EXPECT_EQ(target.definition.forms[0].fieldType[0], 7);
    EXPECT_EQ(target.definition.weightCode.prefixCode[0], 'X');
}

TEST(ProjectFile, OlderSettingsAreUpgraded) {
    struct Case {
        char version;
        bool weightCodeReset;
        bool linesReset;
    };
    const Case cases[] = {{'3', false, false}, {'2', true, false}, {'1', true, true}, {'0', true, true}};
    for (const auto& c : cases) {
        Project old = test::newProject(kFamily4760);
        old.definition.settings.settingsVersion = static_cast<Byte>(c.version);
        old.definition.weightCode.prefixCode[0] = 'Q';
        setCellText(old.definition.settings.textLines[3], "old line");
        old.definition.settings.keyClick = 5;
        for (auto& form : old.definition.forms) form.errorAction = 3;
        const auto file = projectFileBytes(old.definition, old.family);

        Definition read{};
        const auto result = readProjectBytes(file, read, builtinStrings());
        ASSERT_TRUE(result.has_value());
        EXPECT_TRUE(result->converted);
        EXPECT_EQ(read.settings.settingsVersion, '4');
        for (const auto& form : read.forms) EXPECT_EQ(form.errorAction, 0);
        EXPECT_EQ(read.weightCode.prefixCode[0], c.weightCodeReset ? '2' : 'Q') << c.version;
        EXPECT_EQ(cellText(read.settings.textLines[3]), c.linesReset ? "2.Barcode Read      " : "old line")
            << c.version;
        EXPECT_EQ(read.settings.keyClick, c.linesReset ? 2 : 5) << c.version;
    }
}

TEST(ProjectFile, SaveAsNames) {
    struct Case {
        const char* chosen;
        const char* saved;
    };
    const Case cases[] = {
        {"/p/stock.tsx", "/p/stock.tsx"}, {"/p/stock.TsX", "/p/stock.TsX"}, {"/p/stock.txt", "/p/stock.txt.TSX"},
        {"/p/stock", "/p/stock.TSX"},     {"/p/st.ts", "/p/st.ts.TSX"},     {"/p/a.tsxold", "/p/a.tsxold"},
    };
    for (const auto& c : cases) EXPECT_EQ(saveAsName(c.chosen), c.saved);
}

class ProjectFiles : public ::testing::Test {
protected:
    void SetUp() override {
        preferences.file = temp.path() / "prefs" / "TESSEX.ini";
        project = test::newProject(kFamily4760);
    }
    void writeRaw(const std::string& name, const std::string& bytes) {
        std::ofstream(temp.path() / name, std::ios::binary) << bytes;
    }
    test::TempDir temp;
    PreferencesStore preferences;
    Project project;
    CapturedMessages messages;
};

TEST_F(ProjectFiles, WriteThenReadRemembersTheFile) {
    const auto path = temp.path() / "a.TSX";
    ASSERT_EQ(writeProject(project, path, &preferences), 1);
    EXPECT_EQ(std::filesystem::file_size(path), kProjectFileSize);
    Project read = test::newProject(kFamilyGroup);
    ASSERT_EQ(readProject(read, path, builtinStrings(), messages, &preferences), 1);
    EXPECT_EQ(read.family, kFamily4760);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(readPreferences(preferences.file).recentFiles, std::vector<std::string>{path.string()});
}

TEST_F(ProjectFiles, AFailedSaveKeepsTheOldFileWhole) {
    const auto path = temp.path() / "a.TSX";
    ASSERT_EQ(writeProject(project, path, nullptr), 1);
    const auto before = readFileBytes(path, 1 << 20);
    std::filesystem::create_directory(temp.path() / "blocked.TSX");  // a folder cannot be replaced by a file
    std::string reason;
    EXPECT_EQ(writeProject(project, temp.path() / "blocked.TSX", nullptr, &reason), kSaveFailedText);
    EXPECT_EQ(reason, (temp.path() / "blocked.TSX").string() + ": Is a directory");
    EXPECT_EQ(writeProject(project, temp.path() / "missing" / "b.TSX", nullptr, &reason), kSaveFailedText);
    EXPECT_EQ(reason, (temp.path() / "missing" / "b.TSX").string() + ": No such file or directory");
    EXPECT_EQ(builtinStrings().text(kSaveFailedText), "File open/create failed!");
    EXPECT_EQ(readFileBytes(path, 1 << 20), before);
    EXPECT_FALSE(std::filesystem::exists(preferences.file));

    // A read-only file is refused with the message that says so.
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    EXPECT_EQ(writeProject(project, path, &preferences), kReadOnlyFileText);
    EXPECT_EQ(readFileBytes(path, 1 << 20), before);
    EXPECT_EQ(builtinStrings().text(kReadOnlyFileText), "The file is read-only and was not saved!");
}

TEST_F(ProjectFiles, UntrustedFilesNeverChangeTheDefinition) {
    std::string garbage;
    for (int i = 0; i < 30000; ++i) garbage += static_cast<char>((i * 2654435761u) >> 24);
    writeRaw("garbage.TSX", garbage);
    writeRaw("empty.TSX", "");
    writeRaw("short.TSX", "4760");
    std::filesystem::create_directory(temp.path() / "folder.TSX");
    const auto before = project;

    for (const char* name : {"garbage.TSX", "empty.TSX", "short.TSX"}) {
        messages = CapturedMessages{};
        EXPECT_EQ(readProject(project, temp.path() / name, builtinStrings(), messages, &preferences), 0) << name;
        ASSERT_EQ(messages.shown().size(), 1u) << name;
        EXPECT_EQ(messages.shown()[0].caption, "Error");
        EXPECT_EQ(messages.shown()[0].text, "Format mismatch !!!");
    }
    messages = CapturedMessages{};
    EXPECT_EQ(readProject(project, temp.path() / "none.TSX", builtinStrings(), messages, &preferences), 0);
    EXPECT_EQ(readProject(project, temp.path() / "folder.TSX", builtinStrings(), messages, &preferences), 0);
    EXPECT_TRUE(std::equal(recordBytes(before.definition).begin(), recordBytes(before.definition).end(),
                           recordBytes(project.definition).begin()));
    EXPECT_EQ(project.family, kFamily4760);
    EXPECT_FALSE(std::filesystem::exists(preferences.file));
}

TEST_F(ProjectFiles, UpgradeShowsTheConversionWarning) {
    project.definition.settings.settingsVersion = '3';
    ASSERT_EQ(writeProject(project, temp.path() / "old.TSX", nullptr), 1);
    ASSERT_EQ(readProject(project, temp.path() / "old.TSX", builtinStrings(), messages, nullptr), 1);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");
    EXPECT_EQ(messages.shown()[0].text, "Задача преобразована в новый формат.\nПожалуйста, сохраните новую версию!");
    EXPECT_FALSE(project.modified);
}

TEST_F(ProjectFiles, ImportTextsRearrangesTheSettingsScreens) {
    Project source = test::newProject(kFamilyGroup);
    setCellText(source.definition.texts.block(8)[1], "one");
    setCellText(source.definition.texts.block(8)[7], "seven");
    setCellText(source.definition.settings.textLines[1], "buzzer");
    setCellText(source.definition.settings.textLines[0], "8.calc");
    setCellText(source.definition.texts.block(27)[0], "F8");
    writeRaw("source.TSX", projectFileBytes(source.definition, source.family));

    StartupTexts texts{};
    ASSERT_EQ(importTexts(temp.path() / "source.TSX", texts, project.defaults, builtinStrings(), messages), 1);
    EXPECT_EQ(cellText(texts[0][0]), "1. Collect data     ");
    EXPECT_EQ(cellText(texts[6][0]), "one");
    EXPECT_EQ(cellText(texts[6][6]), "buzzer");
    EXPECT_EQ(cellText(texts[6][7]), "seven");
    EXPECT_EQ(cellText(texts[25][0]), "F8");
    EXPECT_EQ(cellText(texts[25][3]), "8.calc");
    EXPECT_EQ(cellText(texts[25][6]), "3.Warning Beep      ");
}

TEST_F(ProjectFiles, ImportTextsWantsTheWholeMagic) {
    auto file = fileOf(kFamily4760);
    file.replace(6, 3, "005");
    writeRaw("other.TSX", file);
    StartupTexts texts{};
    EXPECT_EQ(importTexts(temp.path() / "other.TSX", texts, project.defaults, builtinStrings(), messages), 0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Format mismatch !!!");
    Project read = test::newProject(kFamilyGroup);
    EXPECT_EQ(readProject(read, temp.path() / "other.TSX", builtinStrings(), messages, nullptr), 1);
}

TEST_F(ProjectFiles, ImportFromAShortOrFirstGenerationFileUsesDefaultLines) {
    Project source = test::newProject(kFamilyGroup);
    source.definition.settings.settingsVersion = '1';
    setCellText(source.definition.settings.textLines[1], "stale");
    writeRaw("gen1.TSX", projectFileBytes(source.definition, source.family));
    writeRaw("cut.TSX", fileOf(kFamilyGroup).substr(0, 17000));
    // A magic and nothing else, and a file that ends before the texts begin:
    // nothing is there to copy, the texts read so far stay.
    writeRaw("magic.TSX", std::string("4130RU004", 10));
    writeRaw("before.TSX", fileOf(kFamilyGroup).substr(0, kTextsBlock2Offset - 1));
    for (const char* name : {"gen1.TSX", "cut.TSX", "magic.TSX", "before.TSX"}) {
        StartupTexts texts{};
        ASSERT_EQ(importTexts(temp.path() / name, texts, project.defaults, builtinStrings(), messages), 1) << name;
        EXPECT_EQ(cellText(texts[6][6]), "7.Buzzer            ") << name;
    }
    for (const char* name : {"magic.TSX", "before.TSX"}) {
        StartupTexts texts{};
        setCellText(texts[0][0], "kept");
        ASSERT_EQ(importTexts(temp.path() / name, texts, project.defaults, builtinStrings(), messages), 1) << name;
        EXPECT_EQ(cellText(texts[0][0]), "kept") << name;
        EXPECT_EQ(cellText(texts[25][3]), cellText(project.defaults.settingsLines[0])) << name;
    }
}

}  // namespace
}  // namespace tessel
