// The tool's languages: the template it prints for translators, languages
// named in Cyrillic or found by an upper-case extension, and the texts the
// project commands take from the chosen language.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/application_image.h"
#include "core/file_io.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/preferences.h"
#include "core/project_file.h"
#include "core/string_table.h"
#include "core/text_encoding.h"
#include "reader/language_slots.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

const std::string kRussian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";  // "Русский" in Windows-1251

class LanguageCommands : public ::testing::Test {
protected:
    LanguageCommands() {
        std::filesystem::create_directories(languages());
        Project project = test::newProject(kFamilyGroup);
        EXPECT_EQ(writeProject(project, path("a.TSX"), nullptr), 1);
    }

    std::string path(const std::string& name) const { return (temp.path() / name).string(); }
    std::filesystem::path languages() const { return temp.path() / "data" / "tessel-studio" / "languages"; }
    std::string bytes(const std::string& name) const { return readFileBytes(path(name), 1 << 20).value_or(""); }

    // A language that renames every default screen text after its id.
    void writeLanguage(const std::string& file, const std::string& name) const {
        std::string content = name + "\r\n";
        for (const auto& [id, text] : StringTable::builtin().entries()) {
            if (id >= 721 && id <= 1093) content += std::to_string(id) + "=T" + std::to_string(id) + "\r\n";
        }
        std::ofstream(languages() / file, std::ios::binary) << content;
    }

    void chooseLanguage(const std::string& name) const {
        Preferences preferences;
        preferences.language = name;
        ASSERT_TRUE(writePreferences(temp.path() / "appdata" / "VELMORA" / "TESSEX.ini", preferences));
    }

    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, temp.path(), {"APPDATA=" + path("appdata"), "XDG_DATA_HOME=" + path("data")});
    }

    // The image the desktop program sends for a.TSX with `language` active.
    std::string imageWith(const std::string& language) const {
        Strings strings;
        loadLanguage(strings.language(), findLanguages({languages()}).value_or(std::vector<LanguageFile>{}), language);
        Project project = startupProject(strings);
        CapturedMessages messages;
        EXPECT_EQ(readProject(project, path("a.TSX"), strings, messages, nullptr), 1);
        project.defaults = loadDefaultTexts(strings, project.family);
        prepareForDownload(project.definition);
        const auto image = buildImage(project.definition, project.defaults);
        return std::string(reinterpret_cast<const char*>(image.data()), image.size());
    }

    test::TempDir temp;
};

TEST_F(LanguageCommands, StringsFindsLanguagesByCyrillicNameAndUpperCaseExtension) {
    writeLanguage("ru.lng", kRussian);
    writeLanguage("DE.LNG", "Deutsch");
    struct Case {
        std::string argument, nameLine;
    };
    const Case cases[] = {{"Русский", kRussian + "\r\n"}, {"Deutsch", "Deutsch\r\n"}};
    for (const auto& c : cases) {
        const auto result = run({"strings", "--language", c.argument});
        EXPECT_EQ(result.status, 0) << c.argument << ": " << result.err;
        EXPECT_EQ(result.out.rfind(c.nameLine, 0), 0u) << c.argument;
        EXPECT_NE(result.out.find("\r\n721=T721\r\n"), std::string::npos) << c.argument;
    }
    EXPECT_EQ(run({"strings", "--language", "Klingon"}).status, 1);
}

TEST_F(LanguageCommands, StringsPrintsEverySlotTheProgramReads) {
    const auto result = run({"strings"});
    ASSERT_EQ(result.status, 0);
    // Slots that only a language file fills: captions, the preferences
    // labels, the popup menu, OK and Cancel, the last "Next :" entry.
    for (const int slot : {2, 3, 4, 8, 11, 19, 20, 30, 51, 201, 701, 1218, 1219, 1223})
        EXPECT_NE(result.out.find("\r\n" + std::to_string(slot) + "=\r\n"), std::string::npos) << slot;
    EXPECT_NE(result.out.find("\r\n1131=Save current program ?\r\n"), std::string::npos);
    // The Barcode page's dialogs read their own slots while a language is
    // active: Code ID, Weight Code, RFID and the option dialogs' tables.
    for (const int slot : {1651, 1673, 1750, 1756, 2030, 2036})
        EXPECT_NE(result.out.find("\r\n" + std::to_string(slot) + "=\r\n"), std::string::npos) << slot;
    for (const int slot : readerLanguageSlots())
        EXPECT_NE(result.out.find("\r\n" + std::to_string(slot) + "="), std::string::npos) << slot;

    // Every line in the order of its id, each id once.
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    int previous = -1;
    while (std::getline(lines, line)) {
        const int id = std::stoi(line.substr(0, line.find('=')));
        EXPECT_GT(id, previous) << line;
        previous = id;
    }
}

TEST_F(LanguageCommands, ProjectCommandsUseTheChosenLanguage) {
    writeLanguage("de.lng", "Deutsch");
    const auto english = imageWith("0");
    const auto german = imageWith("Deutsch");
    ASSERT_NE(english, german);

    chooseLanguage("Deutsch");
    ASSERT_EQ(run({"image", path("a.TSX"), "-o", path("prefs.img")}).status, 0);
    EXPECT_EQ(bytes("prefs.img"), german);
    ASSERT_EQ(run({"image", path("a.TSX"), "-o", path("english.img"), "--language", "English"}).status, 0);
    EXPECT_EQ(bytes("english.img"), english);

    chooseLanguage("0");
    ASSERT_EQ(run({"image", path("a.TSX"), "-o", path("chosen.img"), "--language", "Deutsch"}).status, 0);
    EXPECT_EQ(bytes("chosen.img"), german);
    const auto unknown = run({"image", path("a.TSX"), "-o", path("x.img"), "--language", "Klingon"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Klingon"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("x.img")));

    ASSERT_EQ(run({"new", "--family", "4130", path("b.TSX"), "--language", "Deutsch"}).status, 0);
    EXPECT_NE(bytes("b.TSX").find("T7"), std::string::npos);
}

// The shipped Russian file: a new project takes its terminal texts, the image
// carries them as Windows-1251 bytes and the simulated screen shows them.
TEST_F(LanguageCommands, RussianProjectsCarryRussianTerminalTexts) {
    std::filesystem::copy_file(std::filesystem::path(TESSEL_SOURCE_DIR) / "resources/languages/ru.lng",
                               languages() / "ru.lng");
    ASSERT_EQ(run({"new", "--family", "4760", path("ru.TSX"), "--language", "Русский"}).status, 0);
    ASSERT_EQ(run({"image", path("ru.TSX"), "-o", path("ru.img"), "--language", "Русский"}).status, 0);
    const std::string image = bytes("ru.img");
    for (const char* text : {"1. Сбор данных      ", "8. Калькулятор      ", "Удалить запись ?    "}) {
        const auto expected = utf8ToCp1251(text);
        ASSERT_TRUE(expected) << text;
        EXPECT_NE(image.find(*expected), std::string::npos) << text;
    }
    EXPECT_EQ(image.find("Collect data"), std::string::npos);

    const auto screen =
        run({"sim", path("ru.TSX"), "--language", "Русский", "--at", "2026-01-01 10:00:00", "--keys", "3"});
    ASSERT_EQ(screen.status, 0) << screen.err;
    EXPECT_NE(screen.out.find("|2. Просмотр данных  |"), std::string::npos) << screen.out;
    EXPECT_NE(screen.out.find("|8. Калькулятор      |"), std::string::npos) << screen.out;
}

}  // namespace
}  // namespace tessel
