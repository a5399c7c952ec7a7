#include "core/project_json.h"

#include <gtest/gtest.h>

#include <random>

#include "core/project_file.h"
#include "support/projects.h"

namespace tessel {
namespace {

constexpr std::size_t kNestingLimit = 64;  // the levels a document may nest

std::string newProjectFile(int family) {
    Project project = test::newProject(family);
    return projectFileBytes(project.definition, family);
}

TEST(ProjectJson, NewProjectsRoundTripByteForByte) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        const auto file = newProjectFile(family);
        EXPECT_EQ(projectFileFromJson(projectFileToJson(file)), file) << family;
    }
}

TEST(ProjectJson, ArbitraryBlockBytesRoundTrip) {
    std::mt19937 random(20261210);
    for (int run = 0; run < 20; ++run) {
        auto file = newProjectFile(run % 2 ? kFamily4760 : kFamilyGroup);
        // Every byte of the blocks random; some runs favour zeros and blanks,
        // which exercise text cells with a terminator and bytes after it.
        for (std::size_t i = kMagicSize; i < kMagicSize + sizeof(Definition); ++i) {
            const unsigned r = random() % 256;
            file[i] = static_cast<char>(run % 3 == 0 ? r : (r < 128 ? 0 : (r < 192 ? ' ' : r)));
        }
        if (run == 5) file[kMagicSize + sizeof(Definition) + 3] = 9;  // a non-zero trailer survives too
        EXPECT_EQ(projectFileFromJson(projectFileToJson(file)), file) << "run " << run;
    }
}

TEST(ProjectJson, OldMagicAndShortFiles) {
    auto file = newProjectFile(kFamily4760);
    file.replace(0, 10, std::string("4760-1.00\0", 10));
    EXPECT_EQ(projectFileFromJson(projectFileToJson(file)), file);

    const auto shortFile = file.substr(0, 5000);
    auto expected = shortFile;
    expected.resize(kProjectFileSize, '\0');
    EXPECT_EQ(projectFileFromJson(projectFileToJson(shortFile)), expected);
    EXPECT_THROW(projectFileToJson("garbage"), ProjectJsonError);
}

TEST(ProjectJson, ShowsTextsAndNamesForReview) {
    Project project = test::newProject(kFamilyGroup);
    setCellText(project.definition.forms[0].fieldPrompt[0], "\xCA\xEE\xEB-\xE2\xEE");  // Windows-1251 "Кол-во"
    project.definition.forms[0].fieldType[0] = 2;
    const auto json = projectFileToJson(projectFileBytes(project.definition, project.family));
    EXPECT_NE(json.find("\"Кол-во\""), std::string::npos);
    EXPECT_NE(json.find("\"fieldType\""), std::string::npos);
    EXPECT_NE(json.find("\"screen\": \"Main menu\""), std::string::npos);
    EXPECT_NE(json.find("\"1. Collect data     \""), std::string::npos);
}

TEST(ProjectJson, ImportNamesWhatIsWrong) {
    const auto json = projectFileToJson(newProjectFile(kFamilyGroup));
    struct Case {
        std::string from, to, message;
    };
    const Case cases[] = {
        {"\"escTarget\": 0", "\"escTarget\": 256", "forms[0].escTarget: must be a whole number from 0 to 255"},
        {"\"escTarget\": 0", "\"escTarget\": -1", "forms[0].escTarget"},
        {"\"nextTarget\": 1", "\"nextTargetX\": 1", "forms[0]: has no member \"nextTarget\""},
        {"\"magic\": \"4130RU004\"", "\"magic\": \"9999RU004\"", "magic"},
        {"\"1. Collect data     \"", "\"1. Collect data, all of it\"", "texts[1].lines[0]: must be at most 20"},
        {"\"1. Collect data     \"", "\"日本\"", "texts[1].lines[0]: holds a character the terminal cannot show"},
    };
    for (const auto& c : cases) {
        auto edited = json;
        const auto at = edited.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        edited.replace(at, c.from.size(), c.to);
        try {
            projectFileFromJson(edited);
            ADD_FAILURE() << "accepted " << c.to;
        } catch (const ProjectJsonError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(projectFileFromJson("{"), ProjectJsonError);
    EXPECT_THROW(projectFileFromJson("[]"), ProjectJsonError);
}

// A document nested far deeper than any export is refused with a message
// instead of exhausting the stack.
TEST(ProjectJson, DeepNestingIsRefused) {
    for (const auto& [open, close] : {std::pair{'[', ']'}, std::pair{'{', '}'}}) {
        std::string deep;
        for (int level = 0; level < 20000; ++level) deep += open == '[' ? "[" : "{\"a\":";
        deep += "0";
        deep += std::string(20000, close);
        try {
            projectFileFromJson(deep);
            ADD_FAILURE() << "accepted " << open;
        } catch (const ProjectJsonError& error) {
            EXPECT_NE(std::string(error.what()).find("nested more than"), std::string::npos) << error.what();
        }
    }
}

// Documents as large as are taken, nested too deep: the nesting is refused
// as the reader reaches it, before any of the document is built. The wide
// prefix of empty objects would take hours to build beside the depth check.
TEST(ProjectJson, DeepNestingNearTheSizeLimitIsRefusedWithoutBuildingTheDocument) {
    const std::string deepTail = std::string(kNestingLimit + 1, '[') + "0";
    std::string wideThenDeep = "[";
    while (wideThenDeep.size() + deepTail.size() + 3 < kProjectJsonMax) wideThenDeep += "{},";
    wideThenDeep += deepTail;
    std::string objects;
    while (objects.size() + 5 <= kProjectJsonMax) objects += "{\"a\":";
    const std::string documents[] = {std::string(kProjectJsonMax, '['), objects, wideThenDeep};
    for (const auto& document : documents) {
        ASSERT_LE(document.size(), kProjectJsonMax);
        ASSERT_GT(document.size(), kProjectJsonMax - 16);
        try {
            projectFileFromJson(document);
            ADD_FAILURE() << "accepted " << document.substr(0, 20);
        } catch (const ProjectJsonError& error) {
            EXPECT_STREQ(error.what(), "not a project export: nested more than 64 levels deep");
        }
    }
}

// Syntax errors name where they are; an oversized text is called too large.
TEST(ProjectJson, UnreadableDocumentsSayWhy) {
    struct Case {
        std::string json, message;
    };
    const Case cases[] = {
        {"{\n  \"magic\": tru\n}", "not valid JSON at line 2, column "},
        {"{\"magic\": 1,,}", "not valid JSON at line 1, column 13"},
        {"", "not valid JSON at line 1, column 1"},
        {"{}" + std::string(8 << 20, ' '), "too large"},
        {"{\n\"headerWord\": 1e999}", "not valid JSON at line 2, column 19: number overflow parsing '1e999'"},
    };
    for (const auto& c : cases) {
        try {
            projectFileFromJson(c.json);
            ADD_FAILURE() << "accepted " << c.json.substr(0, 40);
        } catch (const ProjectJsonError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace tessel
