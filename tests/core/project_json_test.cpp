#include "core/project_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>

#include "core/project_file.h"
#include "support/projects.h"

namespace tessel {
namespace {

using Json = nlohmann::ordered_json;

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

// A new project with a few bytes changed anywhere: elements that are almost
// blank, a text with one stray byte after its zero, a reserved byte set.
TEST(ProjectJson, ScatteredChangesRoundTrip) {
    std::mt19937 random(20261211);
    for (int run = 0; run < 40; ++run) {
        auto file = newProjectFile(run % 2 ? kFamily4760 : kFamilyGroup);
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i) {
            const std::size_t at = kMagicSize + random() % sizeof(Definition);
            file[at] = static_cast<char>(random() % 3 == 0 ? 0 : 1 + random() % 255);
        }
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
    EXPECT_NE(json.find("\"prompt\": \"Кол-во\""), std::string::npos);
    EXPECT_NE(json.find("\"type\": 2"), std::string::npos);
    EXPECT_NE(json.find("\"screen\": \"Main menu\""), std::string::npos);
    EXPECT_NE(json.find("\"1. Collect data     \""), std::string::npos);
    EXPECT_EQ(json.rfind("{\n \"format\": 2,\n \"magic\": \"4130RU004\",", 0), 0u) << json.substr(0, 60);
}

TEST(ProjectJson, ImportNamesWhatIsWrong) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.forms[4].fieldType[6] = 3;
    project.definition.menus[0].itemTarget[1] = 2;
    const auto json = projectFileToJson(projectFileBytes(project.definition, project.family));
    struct Case {
        std::string from, to, message;
    };
    const Case cases[] = {
        {"\"escTarget\": 0", "\"escTarget\": 256", "form 1, escTarget: must be a whole number from 0 to 255"},
        {"\"escTarget\": 0", "\"escTarget\": -1", "form 1, escTarget"},
        {"\"nextTarget\": 1", "\"nextTargetX\": 1", "form 1: unknown member \"nextTargetX\""},
        {"\"recordAction\": 0,", "", "form 1: has no member \"recordAction\""},
        {"\"type\": 3", "\"type\": 300", "form 5, field 7, type: must be a whole number from 0 to 255"},
        {"\"type\": 3", "\"tpye\": 3", "form 5, field 7: unknown member \"tpye\""},
        {"\"field\": 7", "\"field\": 9", "form 5, fields[0], field: must be a whole number from 1 to 8"},
        {"\"item\": 2", "\"item\": 0", "menu 1, items[0], item: must be a whole number from 1 to 10"},
        {"\"target\": 2", "\"target\": \"2\"", "menu 1, item 2, target: must be a whole number"},
        {"\"form\": 3", "\"form\": 2", "forms[2]: form 2 is listed twice"},
        {"\"form\": 3", "\"form\": 11", "forms[2], form: must be a whole number from 1 to 10"},
        {"\"stampDateSeparator\": \"/\"", "\"stampDateSeparator\": \"//\"",
         "form 1, stampDateSeparator: must be at most 1 character without a zero"},
        {"\"settingsVersion\": \"4\"", "\"settingsVersion\": \"45\"",
         "settingsVersion: must be at most 1 character without a zero"},
        {"\"prefixCode\": \"23\"", "\"prefixCode\": \"234\"", "prefixCode: must be at most 2 characters"},
        {"\"magic\": \"4130RU004\"", "\"magic\": \"9999RU004\"", "magic"},
        {"\"1. Collect data     \"", "\"1. Collect data, all of it\"", "block 2, lines[0]: must be at most 20"},
        {"\"1. Collect data     \"", "\"日本\"", "block 2, lines[0]: holds a character the terminal cannot show"},
        {"\"1. Collect data     \"", "{\"text\": \"1.\", \"after\": \"4G\"}", "block 2, lines[0], after: must be hex"},
        {"\"1. Collect data     \"", "{\"text\": \"1.\", \"after\": \"41\", \"x\": 1}", "unknown member \"x\""},
        {"\"1. Collect data     \"", "{\"hex\": \"" + std::string(44, '4') + "\"}", "at most 21 bytes"},
        {"\"upcA\": 1", "\"upcA\": 2", "reader, byte0, upcA: must be a whole number from 0 to 1"},
        {"\"weightCode\"", "\"weightCodes\"", "unknown member \"weightCodes\""},
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

// A project with a little of everything: forms with fields and branches, a
// menu with items, a lookup with columns, and character settings.
Project designedProject() {
    Project project = test::newProject(kFamily4760);
    auto& form = project.definition.forms[4];
    form.fieldType[6] = 2;
    setCellText(form.fieldPrompt[6], "Qty");
    form.inputMark[6] = '_';
    form.leadingCode[6] = {'A', 'B', 'C', 'D', 'E', 'F'};  // full: no zero
    setCellText(form.prefix[6], "\x02");
    form.branchTarget[1] = 12;
    form.sumSpec[1] = 0x51;
    auto& menu = project.definition.menus[0];
    setCellText(menu.itemName[1], "Stock");
    menu.itemTarget[1] = 5;
    project.definition.lookups[0].columnLength[0] = 13;
    return project;
}

Json exportOf(Project& project) {
    return Json::parse(projectFileToJson(projectFileBytes(project.definition, project.family)));
}

TEST(ProjectJson, ElementsAreNumberedObjectsAndUnusedOnesAreLeftOut) {
    Project project = designedProject();
    const Json json = exportOf(project);
    const Json& form = json["forms"][4];
    EXPECT_EQ(form["form"], 5);
    ASSERT_EQ(form["fields"].size(), 1u);
    const Json& field = form["fields"][0];
    EXPECT_EQ(field["field"], 7);
    EXPECT_EQ(field["type"], 2);
    EXPECT_EQ(field["prompt"], "Qty");
    EXPECT_EQ(field["inputMark"], "_");
    EXPECT_EQ(field["leadingCode"], "ABCDEF");
    EXPECT_EQ(field["prefix"], "\x02");
    EXPECT_EQ(field["maxLength"], 160);
    EXPECT_FALSE(field.contains("reserve")) << "all-zero bytes are left out";
    EXPECT_EQ(form["branches"], Json::parse(R"([{"functionKey": 2, "target": 12, "sumSpec":
        {"multiplierField": 5, "sumField": 1}, "sumSource": 0, "remainsSpec": {"reserved5": 0, "filterOn": 0,
        "lookupField": 0}, "remainsFilter": {"filterVariable": 0, "reserved1": 0, "filterIsSuffix": 0}}])"));
    EXPECT_EQ(json["menus"][0]["items"], Json::parse(R"([{"item": 2, "name": "Stock", "target": 5}])"));
    EXPECT_EQ(json["lookups"][0]["columns"], Json::parse(R"([{"column": 1, "offset": 1, "length": 13}])"));

    // A new project uses no field, item or column, so its export lists none.
    Project fresh = test::newProject(kFamilyGroup);
    const Json empty = exportOf(fresh);
    for (const auto& [table, list] : {std::pair{"forms", "fields"}, {"forms", "branches"}, {"menus", "items"},
                                      {"lookups", "columns"}}) {
        for (const Json& record : empty[table]) EXPECT_EQ(record[list], Json::array()) << table << " " << list;
    }
}

TEST(ProjectJson, CharactersShowAsText) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.settings.fieldDelimiter2 = ';';
    setCellText(project.definition.settings.codeId[0], "A");
    project.definition.settings.codeId[1] = {'B', 'C'};
    const Json json = exportOf(project);
    EXPECT_EQ(json["settings"]["settingsVersion"], "4");
    EXPECT_EQ(json["settings"]["fieldDelimiter1"], "\t");
    EXPECT_EQ(json["settings"]["fieldDelimiter2"], ";");
    EXPECT_EQ(json["settings"]["fieldSeparatorReplacement"], "") << "0 is no character";
    EXPECT_EQ(json["settings"]["codeId"][0], "A");
    EXPECT_EQ(json["settings"]["codeId"][1], "BC");
    EXPECT_EQ(json["weightCode"]["prefixCode"], "23");
    EXPECT_EQ(json["lookups"][0]["delimiter"], "\t");
    EXPECT_EQ(json["rfid"]["delimiter"], ",");
}

// Bytes after a text's terminator mean nothing but are kept: as one
// hexadecimal string beside the text, and not at all when they are zero.
TEST(ProjectJson, LeftoversAfterATerminatorAreCompactAndLossless) {
    Project project = designedProject();
    auto& prompt = project.definition.forms[4].fieldPrompt[6];
    prompt[5] = 0x41;
    prompt[7] = 0xFF;
    auto& caption = project.definition.menus[2].caption;
    caption.fill('x');  // no terminator: not a text
    project.definition.forms[0].reserved1085[3] = 7;
    const auto file = projectFileBytes(project.definition, project.family);
    const Json json = Json::parse(projectFileToJson(file));
    EXPECT_EQ(json["forms"][4]["fields"][0]["prompt"], Json::parse(R"({"text": "Qty", "after": "004100FF"})"));
    std::string xs;
    for (int i = 0; i < 21; ++i) xs += "78";
    EXPECT_EQ(json["menus"][2]["caption"], (Json{{"hex", xs}}));
    EXPECT_EQ(json["forms"][0]["reserved1085"], "00000007");
    EXPECT_FALSE(json["forms"][1].contains("reserved1085"));
    EXPECT_EQ(projectFileFromJson(json.dump()), file);
}

TEST(ProjectJson, AOneValueChangeIsOneLineBesideItsField) {
    Project project = designedProject();
    const auto before = projectFileToJson(projectFileBytes(project.definition, project.family));
    project.definition.forms[4].fieldType[6] = 3;
    const auto after = projectFileToJson(projectFileBytes(project.definition, project.family));
    std::istringstream a(before), b(after);
    std::vector<std::string> previous;  // the line before each changed one
    std::vector<std::pair<std::string, std::string>> changed;
    std::string last;
    for (std::string x, y; std::getline(a, x) && std::getline(b, y); last = x) {
        if (x == y) continue;
        changed.emplace_back(x, y);
        previous.push_back(last);
    }
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].first, "     \"type\": 2,");
    EXPECT_EQ(changed[0].second, "     \"type\": 3,");
    EXPECT_EQ(previous[0], "     \"field\": 7,");
    EXPECT_EQ(std::count(before.begin(), before.end(), '\n'), std::count(after.begin(), after.end(), '\n'));
}

// Leaving a field, item or column out of the document leaves it unused, as a
// new project has it.
TEST(ProjectJson, ElementsLeftOutAreImportedUnused) {
    Project project = designedProject();
    Json json = exportOf(project);
    json["forms"][4]["fields"] = Json::array();
    json["menus"][0]["items"] = Json::array();
    json["lookups"][0]["columns"] = Json::array();

    const Project fresh = test::newProject(kFamily4760);
    auto& form = project.definition.forms[4];
    const auto& freshForm = fresh.definition.forms[4];
    form.fieldType[6] = freshForm.fieldType[6];
    form.fieldPrompt[6] = freshForm.fieldPrompt[6];
    form.inputMark[6] = freshForm.inputMark[6];
    form.leadingCode[6] = freshForm.leadingCode[6];
    form.prefix[6] = freshForm.prefix[6];
    project.definition.menus[0] = fresh.definition.menus[0];
    project.definition.lookups[0] = fresh.definition.lookups[0];
    EXPECT_EQ(projectFileFromJson(json.dump()), projectFileBytes(project.definition, project.family));
}

TEST(ProjectJson, OnlyTheCurrentFormatIsRead) {
    Project project = test::newProject(kFamilyGroup);
    const Json json = exportOf(project);
    struct Case {
        std::function<void(Json&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {[](Json& j) { j.erase("format"); }, "not a project export of format 2 (it has no \"format\")"},
        {[](Json& j) { j["format"] = 1; }, "format: 1 is not read here: this version reads exports of format 2 only"},
        {[](Json& j) { j["format"] = "2"; }, "format: \"2\" is not read here"},
    };
    for (const auto& c : cases) {
        Json edited = json;
        c.edit(edited);
        try {
            projectFileFromJson(edited.dump());
            ADD_FAILURE() << "accepted " << edited["format"];
        } catch (const ProjectJsonError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
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
