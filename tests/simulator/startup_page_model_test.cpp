// The Startup page's rules: loading, the groups and their lines, the
// delimiter boxes, Reset, import and what OK writes back.
#include "simulator/startup_page_model.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/messages.h"
#include "core/project_file.h"
#include "core/text_encoding.h"
#include "simulator/startup_texts_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

const std::string kBlank(20, ' ');

class StartupPageModelTest : public ::testing::Test {
protected:
    void loadFamily(int family) {
        project = test::newProject(family);
        model.load();
    }
    std::string cell(const TextCell& line) { return std::string(cellText(line)); }
    std::string blockLine(int number, std::size_t line) { return cell(project.definition.texts.block(number)[line]); }
    std::string slotLine(std::size_t group, std::size_t line) { return cell(texts.groups[group][line]); }
    void useLookup() {
        project.definition.lookups[0].recordLength = 10;
        project.definition.lookups[0].columnCount = 2;
    }

    Project project = test::newProject(kFamilyGroup);
    CapturedMessages messages;
    WorkingTexts texts;
    StartupPageModel model{project, test::builtinStrings(), messages, texts};
};

TEST_F(StartupPageModelTest, LoadTakesProgramStartAndCountsTheDelimiters) {
    const struct {
        Byte first, second;
        int count;
    } cases[] = {{0, 0, 0}, {0, ';', 0}, {',', 0, 1}, {',', ';', 2}};
    for (const auto& c : cases) {
        project.definition.settings.programStart = 1;
        project.definition.settings.fieldDelimiter1 = c.first;
        project.definition.settings.fieldDelimiter2 = c.second;
        model.load();
        EXPECT_EQ(model.programStart(), 1);
        EXPECT_EQ(model.delimiterCount(), c.count) << int(c.first) << " " << int(c.second);
        EXPECT_EQ(model.delimiterEnabled(0), c.count >= 1);
        EXPECT_EQ(model.delimiterEnabled(1), c.count == 2);
        EXPECT_EQ(model.delimiterBoxes(1).code, std::to_string(c.second));
        EXPECT_EQ(model.shownGroup(), 0u);
        EXPECT_FALSE(model.textsChanged());
    }
}

TEST_F(StartupPageModelTest, ListsNameTheChoicesAndEveryGroupWithItsSizeLabel) {
    EXPECT_EQ(model.programStartEntries(), (std::vector<std::string>{"form 1", "menu 1"}));
    EXPECT_EQ(model.delimiterCountEntries(), (std::vector<std::string>{"nil", " 1 ", " 2 "}));
    const auto groups = model.groupEntries();
    ASSERT_EQ(groups.size(), 26u);
    const std::pair<std::size_t, const char*> samples[] = {
        {0, "Main menu (3x20)"},   {3, "Confirm (3x20)"},       {6, "Settings (8x20)"},
        {7, "Upload Port (6x20)"}, {20, "Set Password (2x20)"}, {25, "Misc - continuous (7x20)"},
    };
    for (const auto& [group, entry] : samples) EXPECT_EQ(groups[group], entry);
}

TEST_F(StartupPageModelTest, EachGroupShowsItsEditedLinesAndBlanksTheRest) {
    const struct {
        std::size_t group;
        int family;
        std::size_t edited;
    } cases[] = {
        {0, kFamilyGroup, 3},  {1, kFamilyGroup, 8},  {3, kFamilyGroup, 4},     {5, kFamilyGroup, 7},
        {7, kFamily4760, 5},   {7, kFamilyGroup, 6},  {7, kFamilyAtStartup, 6}, {8, kFamily4760, 6},
        {14, kFamilyGroup, 3}, {20, kFamilyGroup, 2}, {24, kFamilyGroup, 8},    {25, kFamily4760, 7},
    };
    for (const auto& c : cases) {
        loadFamily(c.family);
        model.showGroup(c.group);
        const auto lines = model.shownLines();
        for (std::size_t line = 0; line < kGroupLines; ++line) {
            SCOPED_TRACE("group " + std::to_string(c.group) + " line " + std::to_string(line));
            EXPECT_EQ(lines[line].enabled, line < c.edited);
            if (line >= c.edited) {
                EXPECT_EQ(lines[line].label, kBlank);
                EXPECT_EQ(lines[line].text, kBlank);
            }
        }
    }
}

TEST_F(StartupPageModelTest, GroupsHoldTheirBlockLinesAndTheSettingsLinesWhereTheyBelong) {
    project = test::projectWithOwnTexts(kFamilyGroup, "");
    model.load();
    EXPECT_EQ(slotLine(0, 0), "B2 L1");
    EXPECT_EQ(slotLine(0, 3), "B2 L4");  // carried, not shown
    EXPECT_EQ(slotLine(1, 7), "B3 L8");
    const char* settings[] = {"B8 L2", "B8 L3", "B8 L4", "B8 L5", "B8 L6", "B8 L7", "S2", "B8 L8"};
    const char* miscContinuous[] = {"B27 L1", "B27 L2", "B27 L3", "S1", "S3", "S4", "S5"};
    for (std::size_t line = 0; line < 8; ++line) EXPECT_EQ(slotLine(6, line), settings[line]);
    for (std::size_t line = 0; line < 7; ++line) EXPECT_EQ(slotLine(25, line), miscContinuous[line]);
    model.showGroup(24);
    EXPECT_EQ(model.shownLines()[7].text, "B26 L8");
}

TEST_F(StartupPageModelTest, EmptySettingsLinesOfMiscContinuousComeFromTheDefaults) {
    project.definition.settings.textLines[2] = {};
    project.definition.settings.textLines[1] = {};
    model.load();
    EXPECT_EQ(slotLine(25, 4), "1.Key Click         ");
    EXPECT_EQ(slotLine(6, 6), "");  // the buzzer entry of the settings screen stays empty
}

TEST_F(StartupPageModelTest, LabelsShowTheDefaultTexts) {
    setCellText(project.definition.settings.textLines[1], "7.Sound");
    model.load();
    const struct {
        std::size_t group;
        std::size_t line;
        std::string label;
    } cases[] = {
        {0, 0, "1. Collect data     "},
        {1, 6, "7. Memory & Power   "},  // the ampersand shows as it is
        {6, 0, cell(project.defaults.texts.block(8)[1])},
        {6, 6, "7.Sound"},  // the definition's buzzer entry, not the default one
        {12, 3, kBlank},
        {16, 2, kBlank},
        {21, 1, kBlank},
        {25, 4, "1.Key Click         "},
    };
    for (const auto& c : cases) {
        model.showGroup(c.group);
        EXPECT_EQ(model.shownLines()[c.line].label, c.label) << c.group << " " << c.line;
    }
}

TEST_F(StartupPageModelTest, ShowingMiscContinuousNumbersTheCalculatorLine) {
    const struct {
        const char* line;
        bool lookup;
        const char* shown;
        const char* label;
    } cases[] = {
        {"8. Calculator", true, "9. Calculator", "9. Calculator       "},
        {"9. Calculator", false, "8. Calculator", "8. Calculator       "},
        {"Calculator", true, "Calculator", "9. Calculator       "},
    };
    for (const auto& c : cases) {
        project = test::newProject(kFamilyGroup);
        if (c.lookup) useLookup();
        setCellText(project.definition.settings.textLines[0], c.line);
        model.load();
        EXPECT_EQ(slotLine(25, 3), c.line);
        model.showGroup(25);
        EXPECT_EQ(model.shownLines()[3].text, c.shown);
        EXPECT_EQ(model.shownLines()[3].label, c.label);
        EXPECT_FALSE(model.textsChanged());
    }
}

TEST_F(StartupPageModelTest, TypedCodesAreCorrectedAndShowTheirCharacter) {
    const struct {
        const char* typed;
        const char* code;
        std::string character;
    } cases[] = {
        {"59", "59", ";"}, {"065", "65", "A"}, {"abc", "0", ""}, {"", "0", ""}, {"300", "255", cp1251ToUtf8("\xFF")},
        {"9", "9", "\t"},
    };
    model.load();
    for (const auto& c : cases) {
        const DelimiterBoxes boxes = model.setDelimiterCode(1, c.typed);
        EXPECT_EQ(boxes.code, c.code) << c.typed;
        EXPECT_EQ(boxes.character, c.character) << c.typed;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(StartupPageModelTest, CarriageReturnIsRefusedAndTheOldCodeComesBack) {
    model.load();
    model.setDelimiterCode(0, "44");
    const DelimiterBoxes boxes = model.setDelimiterCode(0, "13");
    EXPECT_EQ(boxes.code, "44");
    EXPECT_EQ(boxes.character, ",");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");
    EXPECT_EQ(messages.shown()[0].text, "Invalid value!");
    EXPECT_EQ(messages.shown()[0].style.icon, MessageIcon::Warning);
    EXPECT_EQ(model.setDelimiterCharacter(0, "\r").code, "44");
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(StartupPageModelTest, TypedCharactersShowTheirCode) {
    const struct {
        const char* typed;
        const char* code;
        std::string character;
    } cases[] = {{"A", "65", "A"}, {"", "0", ""}, {"я", "255", "я"}, {"✓", "63", "?"}};
    model.load();
    for (const auto& c : cases) {
        const DelimiterBoxes boxes = model.setDelimiterCharacter(0, c.typed);
        EXPECT_EQ(boxes.code, c.code) << c.typed;
        EXPECT_EQ(boxes.character, c.character) << c.typed;
    }
}

TEST_F(StartupPageModelTest, OkStoresProgramStartAndTheDelimitersInUse) {
    const struct {
        int count;
        const char* first;
        const char* second;
        Byte stored1, stored2;
        int countAfterReload;
    } cases[] = {
        {0, "44", "59", 0, 0, 0}, {1, "44", "59", ',', 0, 1}, {2, "44", "59", ',', ';', 2},
        {2, "", "59", 0, 0, 0},  // an empty first box is no delimiter, whatever follows it
        {1, "", "", 0, 0, 0},     {2, "44", "", ',', 0, 1},   {2, "9", "32", '\t', ' ', 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " '" + c.first + "' '" + c.second + "'");
        model.load();
        model.setProgramStart(1);
        model.setDelimiterCount(c.count);
        model.setDelimiterCode(0, c.first);
        model.setDelimiterCode(1, c.second);
        model.accept();
        EXPECT_EQ(project.definition.settings.programStart, 1);
        EXPECT_EQ(project.definition.settings.fieldDelimiter1, c.stored1);
        EXPECT_EQ(project.definition.settings.fieldDelimiter2, c.stored2);
        model.load();
        EXPECT_EQ(model.delimiterCount(), c.countAfterReload);
    }
}

TEST_F(StartupPageModelTest, OneDelimiterAfterTwoKeepsTheSecondOnThePage) {
    model.load();
    model.setDelimiterCount(2);
    model.setDelimiterCode(1, "59");
    model.setDelimiterCount(1);
    model.accept();
    EXPECT_EQ(project.definition.settings.fieldDelimiter2, 0);
    EXPECT_EQ(model.delimiterBoxes(1).character, ";");
}

TEST_F(StartupPageModelTest, OkWritesOnlyTheStartupBytesOfTheSettings) {
    model.load();
    model.setLine(0, "Start");
    project.definition.settings.uploadPort = 3;  // another page's accept came first
    project.definition.settings.separateDataFiles = 1;
    const SystemSettings before = project.definition.settings;
    model.accept();
    const auto after = recordBytes(project.definition.settings);
    const auto old = recordBytes(before);
    for (std::size_t byte = 0; byte < sizeof(SystemSettings); ++byte) {
        const bool owned = (byte >= 1 && byte <= 3) || (byte >= 150 && byte <= 254);
        if (!owned) {
            EXPECT_EQ(after[byte], old[byte]) << byte;
        }
    }
}

TEST_F(StartupPageModelTest, EditedLinesAreCutToTwentyCharactersAndMarkTheTexts) {
    model.load();
    model.showGroup(1);
    EXPECT_EQ(model.setLine(2, "3. Erase all the data now"), "3. Erase all the dat");
    EXPECT_EQ(model.setLine(1, "2. Просмотр"), "2. Просмотр");
    EXPECT_TRUE(model.textsChanged());
    model.showGroup(20);
    EXPECT_EQ(model.setLine(5, "beyond the group"), kBlank);  // a disabled line takes nothing
    model.accept();
    EXPECT_EQ(blockLine(3, 2), "3. Erase all the dat");
    EXPECT_EQ(blockLine(3, 1), utf8ToCp1251Lossy("2. Просмотр"));
}

TEST_F(StartupPageModelTest, OkWithoutAChangeOfTheTextsLeavesThemAlone) {
    project = test::projectWithOwnTexts(kFamilyGroup, "");
    model.load();
    project.definition.texts.block(2)[0] = {};  // changed behind the page
    model.accept();
    EXPECT_EQ(blockLine(2, 0), "");
}

TEST_F(StartupPageModelTest, OneEditWritesEveryGroupToItsHome) {
    project = test::projectWithOwnTexts(kFamilyGroup, "");
    model.load();
    project = test::newProject(kFamilyGroup);  // the lines go back where they came from
    model.showGroup(14);
    model.setLine(0, "B16 L1");
    model.accept();
    const Project expected = test::projectWithOwnTexts(kFamilyGroup, "");
    for (int number = 2; number <= kTextBlockCount; ++number) {
        const auto lines = project.definition.texts.block(number);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (number == 8 && line == 0) continue;  // the settings screen's title is no group's line
            EXPECT_EQ(lines[line], expected.definition.texts.block(number)[line]) << number << " " << line;
        }
    }
    EXPECT_EQ(blockLine(8, 0), cell(test::newProject(kFamilyGroup).definition.texts.block(8)[0]));
    EXPECT_EQ(project.definition.settings.textLines, expected.definition.settings.textLines);
}

TEST_F(StartupPageModelTest, The4760KeepsItsSixthUploadPortLine) {
    project = test::projectWithOwnTexts(kFamily4760, "");
    model.load();
    model.showGroup(7);
    model.setLine(4, "5. Modem");
    setCellText(project.definition.texts.block(9)[5], "kept");
    model.accept();
    EXPECT_EQ(blockLine(9, 4), "5. Modem");
    EXPECT_EQ(blockLine(9, 5), "kept");
}

TEST_F(StartupPageModelTest, ResetGivesTheNewApplicationsStartAndTexts) {
    project = test::projectWithOwnTexts(kFamilyGroup, "");
    project.definition.settings.programStart = 1;
    model.load();
    model.showGroup(6);
    model.setLine(0, "edited");
    model.showGroup(3);
    model.reset();
    EXPECT_EQ(model.programStart(), 0);
    EXPECT_EQ(model.delimiterCount(), 1);
    EXPECT_EQ(model.delimiterBoxes(0).character, ",");
    EXPECT_EQ(model.delimiterBoxes(1).code, "0");
    EXPECT_EQ(model.shownGroup(), 0u);
    EXPECT_TRUE(model.textsChanged());
    EXPECT_EQ(slotLine(0, 0), "1. Collect data     ");
    EXPECT_EQ(slotLine(0, 3), kBlank);
    EXPECT_EQ(slotLine(7, 5), cell(project.defaults.texts.block(9)[5]));
    EXPECT_EQ(slotLine(25, 0), cell(project.defaults.texts.block(27)[0]));
    EXPECT_EQ(slotLine(6, 0), "B8 L2");  // the settings screen as the definition has it
    EXPECT_EQ(slotLine(25, 3), "S1");
}

TEST_F(StartupPageModelTest, ResetThenOkWritesTheDefaultTexts) {
    project = test::projectWithOwnTexts(kFamilyGroup, "");
    model.load();
    model.reset();
    model.accept();
    EXPECT_EQ(blockLine(2, 0), "1. Collect data     ");
    EXPECT_EQ(blockLine(3, 6), "7. Memory & Power   ");
    EXPECT_EQ(blockLine(25, 0), cell(project.defaults.texts.block(25)[0]));
    EXPECT_EQ(blockLine(8, 1), "B8 L2");
    EXPECT_EQ(project.definition.settings.fieldDelimiter1, ',');
}

class StartupImport : public StartupPageModelTest {
protected:
    std::string saved(int family) {
        Project other = test::projectWithOwnTexts(family, "x");
        const auto path = (dir.path() / "other.TSX").string();
        EXPECT_EQ(writeProject(other, path, nullptr), 1);
        return path;
    }

    test::TempDir dir;
    test::ScriptedFileDialogs dialogs;
};

TEST_F(StartupImport, TakesEveryGroupOfAnotherProjectAndOkKeepsThem) {
    for (const int family : {kFamilyGroup, kFamily4760}) {
        SCOPED_TRACE(family);
        loadFamily(family);
        project.currentPath = (dir.path() / "mine.TSX").string();
        dialogs.answer(saved(family));
        model.showGroup(4);
        ASSERT_TRUE(model.importPrompts(dialogs));
        EXPECT_EQ(dialogs.requests.back().initialPath, project.currentPath);
        EXPECT_EQ(dialogs.requests.back().defaultExtension, "TSX");
        EXPECT_EQ(model.shownGroup(), 0u);
        EXPECT_EQ(model.shownLines()[0].text, "B2 L1x");
        EXPECT_TRUE(model.textsChanged());
        const TextCell sixthUploadPort = project.definition.texts.block(9)[5];
        model.accept();

        const Project other = test::projectWithOwnTexts(family, "x");
        for (int number = 2; number <= kTextBlockCount; ++number) {
            const auto lines = project.definition.texts.block(number);
            for (std::size_t line = 0; line < lines.size(); ++line) {
                const bool notOnThePage = (number == 8 && line == 0) || (number == 9 && line == 5 && is4760(family));
                if (notOnThePage) continue;
                EXPECT_EQ(lines[line], other.definition.texts.block(number)[line]) << number << " " << line;
            }
        }
        EXPECT_EQ(project.definition.texts.block(9)[5],
                  is4760(family) ? sixthUploadPort : other.definition.texts.block(9)[5]);
        EXPECT_EQ(project.definition.settings.textLines, other.definition.settings.textLines);
    }
}

TEST_F(StartupImport, CancelOrAFileThatIsNotAProjectChangesNothing) {
    model.load();
    const StartupTexts before = texts.groups;
    EXPECT_FALSE(model.importPrompts(dialogs));  // cancelled
    const auto notAProject = dir.path() / "notes.TSX";
    std::ofstream(notAProject) << "4120RU004 and then some text";
    dialogs.answer(notAProject.string());
    EXPECT_FALSE(model.importPrompts(dialogs));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Format mismatch !!!");
    dialogs.answer((dir.path() / "missing.TSX").string());
    EXPECT_FALSE(model.importPrompts(dialogs));
    EXPECT_EQ(texts.groups, before);
    EXPECT_FALSE(model.textsChanged());
}

TEST_F(StartupPageModelTest, TheCalculatorDigitSetBeforeOkIsWritten) {
    model.load();
    model.setLine(0, "1. Count stock");
    useLookup();  // the Lookup page's accept has put a lookup in use and renumbered
    texts.applyCalculatorDigit(true);
    model.accept();
    EXPECT_EQ(project.definition.settings.textLines[0][0], '9');
}

}  // namespace
}  // namespace tessel
