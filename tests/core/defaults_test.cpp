#include "core/defaults.h"

#include <gtest/gtest.h>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

std::string line(const TextCell& cell) { return std::string(cellText(cell)); }

TEST(DefaultTexts, PortScreensFollowTheFamily) {
    struct Case {
        int family;
        const char* uploadSecondLine;
        const char* downloadFirstLine;
    };
    const Case cases[] = {
        {kFamily4760, "1. Cradle-IR        ", "Download Application"},
        {kFamilyGroup, "1. Cable RS-232     ", "Download via:       "},
        {kFamilyAtStartup, "1. Cable RS-232     ", "Download via:       "},
    };
    for (const auto& c : cases) {
        const auto defaults = loadDefaultTexts(test::builtinStrings(), c.family);
        EXPECT_EQ(line(defaults.texts.block(kUploadPortBlock)[1]), c.uploadSecondLine) << c.family;
        EXPECT_EQ(line(defaults.texts.block(kDownloadPortBlock)[0]), c.downloadFirstLine) << c.family;
    }
}

TEST(DefaultTexts, EveryLineIsTwentyCharactersAndBlockOneIsEmpty) {
    const auto defaults = loadDefaultTexts(test::builtinStrings(), kFamily4760);
    for (const auto& cell : defaults.texts.block(1)) EXPECT_EQ(cell[0], 0);
    for (int number = 2; number <= kTextBlockCount; ++number) {
        for (const auto& cell : defaults.texts.block(number)) EXPECT_EQ(line(cell).size(), 20u) << number;
    }
    EXPECT_EQ(line(defaults.texts.block(kMainMenuBlock)[3]), std::string(20, ' '));
    EXPECT_EQ(line(defaults.settingsLines[0]), "8. Calculator       ");
    EXPECT_EQ(line(defaults.settingsLines[4]), "3.Warning Beep      ");
}

TEST(DefaultTexts, LanguageTextsAreCutToTwentyCharacters) {
    Strings strings;
    strings.language().store(721, "1. A text of twenty-five!");
    strings.language().setActive(true);
    const auto defaults = loadDefaultTexts(strings, kFamilyGroup);
    EXPECT_EQ(line(defaults.texts.block(kMainMenuBlock)[0]), "1. A text of twenty-");
}

TEST(ResetDefaults, SetsEveryListedByte) {
    const Project project = test::newProject(kFamilyGroup);
    const Definition& d = project.definition;
    EXPECT_EQ(recordBytes(d.symbology)[0], 0x9B);
    EXPECT_EQ(recordBytes(d.symbology)[22], 0xC0);
    const auto reader = recordBytes(d.reader);
    EXPECT_EQ(std::vector<Byte>(reader.begin(), reader.begin() + 6),
              (std::vector<Byte>{0xD8, 0x57, 0x80, 0x06, 0xE0, 0x80}));
    EXPECT_EQ(reader[14], 0x80);
    EXPECT_EQ(reader[30], 0x39);
    EXPECT_EQ(reader[31], 0);
    EXPECT_EQ(recordBytes(d.rfid)[1], 0x2C);
    EXPECT_EQ(d.weightCode.prefixCode[0], '2');

    const FormRecord& form3 = d.forms[2];
    EXPECT_EQ(form3.nextTarget, 3);
    EXPECT_EQ(form3.stampDateSeparator[0], '/');
    EXPECT_EQ(form3.stampTimeSeparator[0], ':');
    EXPECT_EQ(form3.inputSource[7], 2);
    EXPECT_EQ(form3.maxLength[0], 160);
    EXPECT_EQ(form3.partialLength[4], 20);
    EXPECT_EQ(form3.autoEnter[5], 1);
    EXPECT_EQ(form3.escTarget, 0);

    EXPECT_EQ(d.lookups[1].columnOffset[7], 1);
    EXPECT_EQ(d.lookups[1].delimiter, 9);
    EXPECT_EQ(d.lookups[1].uploadable, 1);
    EXPECT_FALSE(anyLookupInUse(d));

    EXPECT_EQ(d.settings.settingsVersion, '4');
    EXPECT_EQ(d.settings.backlightIdle, 2);
    EXPECT_EQ(d.settings.promptDuration, 6);
    EXPECT_EQ(d.settings.warningBeep, 2);
    EXPECT_EQ(line(d.settings.textLines[1]), "7.Buzzer            ");
    EXPECT_EQ(line(d.texts.block(kMainMenuBlock)[0]), "1. Collect data     ");
}

TEST(ResetDefaults, ReaderResetLeavesTheApplicationAlone) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.forms[0].fieldType[0] = 1;
    setCellText(project.definition.texts.block(3)[0], "custom");
    recordBytes(project.definition.symbology)[0] = 0;
    recordBytes(project.definition.reader)[44] = 7;
    resetReaderDefaults(project.definition);
    EXPECT_EQ(recordBytes(project.definition.symbology)[0], 0x9B);
    EXPECT_EQ(recordBytes(project.definition.reader)[44], 0);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], 1);
    EXPECT_EQ(line(project.definition.texts.block(3)[0]), "custom");
}

TEST(NewDefinition, KeepsFamilyHeaderWordAndPath) {
    Project project = test::newProject(kFamily4760);
    project.currentPath = "/x/y.TSX";
    project.definition.headerWord.set(0x1234);
    project.modified = true;
    project.recordCounter = 12;
    project.definition.menus[3].captionOn = 1;
    newDefinition(project);
    EXPECT_EQ(project.family, kFamily4760);
    EXPECT_EQ(project.currentPath, "/x/y.TSX");
    EXPECT_EQ(project.definition.headerWord.value(), 0x1234);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(project.recordCounter, 0u);
    EXPECT_EQ(project.definition.menus[3].captionOn, 0);
}

}  // namespace
}  // namespace tessel
