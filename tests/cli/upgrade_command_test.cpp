// `tessel upgrade` writes what Save writes after Open: the current magic, the
// settings of older generations upgraded with the conversion warning, and the
// input left as it was.
#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

constexpr std::size_t kSettingsOffset = kMagicSize + offsetof(Definition, settings);
constexpr const char* kConversionWarning =
    "Warning: Задача преобразована в новый формат.\nПожалуйста, сохраните новую версию!\n";

class UpgradeCommand : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (temp.path() / name).string(); }
    std::string bytes(const std::string& name) const { return readFileBytes(path(name), 1 << 20).value_or(""); }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
    }
    // Runs with preferences of this test only, so the built-in texts are used.
    test::ToolRun run(const std::vector<std::string>& arguments) const {
        return test::runTessel(arguments, temp.path(), {"APPDATA=" + path("appdata"), "XDG_DATA_HOME=" + path("data")});
    }
    // The definition of a project file's bytes.
    static Definition definitionOf(const std::string& file) {
        Definition definition{};
        fillDefinitionFrom(file, definition);
        return definition;
    }

    test::TempDir temp;
};

// A project of `family` as an older program saved it: its magic, its settings
// version, errorAction set on every form, a weight code of its own and
// settings lines it did not have yet.
std::string olderProject(int family, std::string_view magic, char version) {
    Project project = test::newProject(family);
    for (auto& form : project.definition.forms) form.errorAction = 3;
    project.definition.weightCode.maskCode.set(9);
    for (auto& line : project.definition.settings.textLines) setCellText(line, "old line");
    auto file = projectFileBytes(project.definition, family);
    file.replace(0, kMagicSize, std::string(magic) + std::string(kMagicSize - magic.size(), '\0'));
    file[kSettingsOffset] = version;
    return file;
}

TEST_F(UpgradeCommand, UpgradesOlderSettingsAndWarns) {
    struct Case {
        std::string magic;
        char version;
        std::string expectedMagic;
        bool weightCodeReset;
        bool linesReset;
    };
    const Case cases[] = {
        {"4760-1.00", '1', "4760RU004", true, true},
        {"4760RU004", '2', "4760RU004", true, false},
        {"4130RU004", '3', "4130RU004", false, false},
    };
    const WeightCodeBlock defaultCode = test::newProject(kFamily4760).definition.weightCode;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.version));
        const auto family = c.expectedMagic[1] == '7' ? kFamily4760 : kFamilyGroup;
        const auto old = olderProject(family, c.magic, c.version);
        write("old.TSA", old);
        const auto result = run({"upgrade", path("old.TSA"), "-o", path("new.TSX")});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, kConversionWarning);
        EXPECT_EQ(bytes("old.TSA"), old) << "the input is left as it was";

        const auto upgraded = bytes("new.TSX");
        ASSERT_EQ(upgraded.size(), kProjectFileSize);
        EXPECT_EQ(upgraded.substr(0, kMagicSize), c.expectedMagic + '\0');
        const Definition definition = definitionOf(upgraded);
        EXPECT_EQ(definition.settings.settingsVersion, '4');
        for (const auto& form : definition.forms) EXPECT_EQ(form.errorAction, 0);
        EXPECT_EQ(definition.weightCode.maskCode.value(), c.weightCodeReset ? defaultCode.maskCode.value() : 9);
        EXPECT_EQ(cellText(definition.settings.textLines[0]), c.linesReset ? "8. Calculator       " : "old line");
        EXPECT_EQ(definition.forms[3].nextTarget, 4) << "the rest is carried as it was";
    }
}

// A project of the current generation is written as Save writes it: the
// magic's last characters and the trailing bytes made right, the calculator
// entry renumbered, no warning.
TEST_F(UpgradeCommand, RewritesACurrentProjectWithoutWarning) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.lookups[1].recordLength = 20;
    project.definition.lookups[1].columnCount = 2;  // in use: the calculator entry becomes 9
    auto old = projectFileBytes(project.definition, kFamilyGroup);
    old.replace(6, 4, std::string("xyz\0", 4));
    old[kMagicSize + sizeof(Definition) + 5] = '!';
    old[kSettingsOffset + offsetof(SystemSettings, textLines)] = '8';
    write("old.TSX", old);

    const auto result = run({"upgrade", path("old.TSX"), "-o", path("new.TSX")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    auto expected = old;
    expected.replace(0, kMagicSize, std::string("4130RU004\0", kMagicSize));
    expected[kMagicSize + sizeof(Definition) + 5] = '\0';
    expected[kSettingsOffset + offsetof(SystemSettings, textLines)] = '9';
    EXPECT_EQ(bytes("new.TSX"), expected);
}

TEST_F(UpgradeCommand, RefusesWhatItCannotUpgrade) {
    write("junk.TSX", "not a project at all");
    write("cut.TSX", olderProject(kFamily4760, "4760RU004", '4').substr(0, 17000));
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"upgrade", path("junk.TSX"), "-o", path("x.TSX")}, 1, "Format mismatch !!!"},
        {{"upgrade", path("missing.TSX"), "-o", path("x.TSX")}, 1, "Cannot read"},
        {{"upgrade", path("cut.TSX"), "-o", path("cut.TSX")}, 1, "is the input"},
        {{"upgrade", path("cut.TSX")}, 2, "--output"},
        {{"upgrade", path("cut.TSX"), "-o", path("x.TSX"), "--language", "Klingon"}, 1, "Klingon"},
        {{"upgrade", path("cut.TSX"), "-o", path("missing/x.TSX")},
         1,
         "File open/create failed!\n" + path("missing/x.TSX") + ": No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const auto result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments[1];
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(path("x.TSX")));
    EXPECT_EQ(bytes("cut.TSX").size(), 17000u);

    // A file cut short is read as far as it reaches and written whole.
    ASSERT_EQ(run({"upgrade", path("cut.TSX"), "-o", path("whole.TSX")}).status, 0);
    EXPECT_EQ(bytes("whole.TSX").size(), kProjectFileSize);
    EXPECT_EQ(bytes("whole.TSX").substr(0, 17000), bytes("cut.TSX"));
}

}  // namespace
}  // namespace tessel
