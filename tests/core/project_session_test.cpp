#include "core/project_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "core/file_io.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

struct RecordingView : SessionView {
    void refreshForFamily() override { calls.push_back("refresh"); }
    void edit() override { calls.push_back("edit"); }
    void placeWindow() override { calls.push_back("place"); }
    void menuChanged() override { calls.push_back("menu"); }
    std::vector<std::string> calls;
};

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        preferences.file = temp.path() / "config" / "TESSEX.ini";
        session.start({});
        view.calls.clear();
    }
    std::string path(const std::string& name) const { return (temp.path() / name).string(); }
    std::string writeProjectOf(int family, const std::string& name, Byte marker) {
        Project other = test::newProject(family);
        other.definition.forms[0].fieldType[0] = marker;
        EXPECT_EQ(writeProject(other, path(name), nullptr), 1);
        return path(name);
    }

    test::TempDir temp;
    Project project;
    Strings strings;
    PreferencesStore preferences;
    CapturedMessages messages{kAnswerCancel};
    test::ScriptedFileDialogs dialogs;
    RecordingView view;
    ProjectSession session{project, strings, preferences, messages, dialogs, view};
};

TEST_F(Session, StartsWithTheStartupFamilyAndDefaults) {
    EXPECT_EQ(project.family, kFamilyAtStartup);
    EXPECT_EQ(cellText(project.definition.texts.block(kUploadPortBlock)[1]), "1. Cable RS-232     ");
    EXPECT_TRUE(project.currentPath.empty());
}

TEST_F(Session, AutoPreloadOpensTheLastEditedFile) {
    const auto file = writeProjectOf(kFamily4760, "last.TSX", 5);
    preferences.values.autoPreload = true;
    preferences.values.lastEditedFile = file;
    ASSERT_TRUE(preferences.save());
    Project started;
    ProjectSession another(started, strings, preferences, messages, dialogs, view);
    another.start({});
    EXPECT_EQ(started.family, kFamily4760);
    EXPECT_EQ(started.currentPath, file);
    EXPECT_EQ(started.definition.forms[0].fieldType[0], 5);
    EXPECT_EQ(cellText(started.defaults.texts.block(kUploadPortBlock)[1]), "1. Cradle-IR        ");
}

TEST_F(Session, NewWithUnsavedChangesAndCancelChangesNothing) {
    project.modified = true;
    project.currentPath = "/somewhere/a.TSX";
    project.definition.forms[2].fieldType[1] = 3;
    messages.setAnswer(kAnswerCancel);
    session.newProject(kFamily4760);
    EXPECT_EQ(project.family, kFamilyAtStartup);
    EXPECT_EQ(project.currentPath, "/somewhere/a.TSX");
    EXPECT_EQ(project.definition.forms[2].fieldType[1], 3);
    EXPECT_TRUE(view.calls.empty());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Tessel Studio");
    EXPECT_EQ(messages.shown()[0].text, "Save current program ?");
}

TEST_F(Session, NewStartsAFreshDefinitionOfTheFamily) {
    project.definition.forms[2].fieldType[1] = 3;
    project.currentPath = path("old.TSX");
    session.newProject(kFamily4760);
    EXPECT_EQ(project.family, kFamily4760);
    EXPECT_TRUE(project.currentPath.empty());
    EXPECT_EQ(project.definition.forms[2].fieldType[1], 0);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"refresh", "edit"}));
}

TEST_F(Session, YesSavesTheOldDefinitionWithItsOwnMagicFirst) {
    project.modified = true;
    project.currentPath = path("old.TSX");
    messages.setAnswer(kAnswerYes);
    session.newProject(kFamily4760);
    EXPECT_EQ(readFileBytes(path("old.TSX"), 10)->substr(0, 9), "4130RU004");
}

TEST_F(Session, ASaveThatDoesNotHappenKeepsTheChanges) {
    project.modified = true;
    project.definition.forms[2].fieldType[1] = 3;
    messages.setAnswer(kAnswerYes);
    dialogs.answer(std::nullopt);  // Save As cancelled
    session.newProject(kFamily4760);
    EXPECT_EQ(project.definition.forms[2].fieldType[1], 3);
    EXPECT_TRUE(project.modified);
    EXPECT_FALSE(session.mayDiscardChanges());
}

TEST_F(Session, CancelledOrFailedOpenKeepsTheDefinitionAndPath) {
    project.currentPath = path("current.TSX");
    project.definition.forms[1].fieldType[0] = 4;
    dialogs.answer(std::nullopt);
    session.open();
    std::ofstream(path("junk.TSX")) << "junk";
    dialogs.answer(path("junk.TSX"));
    messages.setAnswer(kAnswerOk);
    session.open();
    EXPECT_EQ(project.currentPath, path("current.TSX"));
    EXPECT_EQ(project.definition.forms[1].fieldType[0], 4);
    EXPECT_EQ(messages.shown().back().text, "Format mismatch !!!");
}

TEST_F(Session, OpenReadsTheChosenFileAndOffersTheCurrentPath) {
    const auto file = writeProjectOf(kFamily4760, "b.TSX", 9);
    project.currentPath = path("current.TSX");
    dialogs.answer(file);
    session.open();
    EXPECT_EQ(dialogs.requests.at(0).initialPath, path("current.TSX"));
    EXPECT_EQ(project.currentPath, file);
    EXPECT_EQ(project.family, kFamily4760);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], 9);
    EXPECT_EQ(preferences.values.recentFiles, std::vector<std::string>{file});
    EXPECT_EQ(view.calls.back(), "edit");
}

TEST_F(Session, RecentFilesAskFirstAndClearTheModifiedFlag) {
    const auto a = writeProjectOf(kFamily4760, "a.TSX", 1);
    const auto b = writeProjectOf(kFamilyGroup, "b.TSX", 2);
    preferences.values.recentFiles = {a, b};
    project.modified = true;
    messages.setAnswer(kAnswerCancel);
    session.openRecent(1);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], 0);
    messages.setAnswer(kAnswerNo);
    session.openRecent(1);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], 2);
    EXPECT_EQ(project.currentPath, b);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(preferences.values.recentFiles, (std::vector<std::string>{b, a}));
    session.openRecent(7);  // no such entry
}

TEST_F(Session, SaveAsNamesTheFileAndClearsTheModifiedFlag) {
    project.modified = true;
    dialogs.answer(path("stock.txt"));
    EXPECT_TRUE(session.save());
    EXPECT_EQ(project.currentPath, path("stock.txt.TSX"));
    EXPECT_FALSE(project.modified);
    EXPECT_TRUE(std::filesystem::exists(path("stock.txt.TSX")));
    EXPECT_TRUE(dialogs.requests.at(0).forSaving);
}

// The user learns that the save failed and why, in the system's words.
TEST_F(Session, AFailedSaveSaysWhyAndKeepsTheModifiedFlag) {
    project.modified = true;
    project.currentPath = path("missing/x.TSX");
    EXPECT_FALSE(session.save());
    EXPECT_TRUE(project.modified);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].text,
              "File open/create failed!\n" + path("missing/x.TSX") + ": No such file or directory");
    EXPECT_EQ(messages.shown()[0].style.icon, MessageIcon::Warning);
}

TEST_F(Session, ARefusedReadOnlyFileIsExplained) {
    const auto file = writeProjectOf(kFamilyGroup, "kept.TSX", 7);
    const auto before = readFileBytes(file, 1 << 20);
    std::filesystem::permissions(file, std::filesystem::perms(0444));
    project.modified = true;
    project.currentPath = file;
    EXPECT_FALSE(session.save());
    EXPECT_TRUE(project.modified);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].text, "The file is read-only and was not saved!");
    EXPECT_EQ(readFileBytes(file, 1 << 20), before);
}

// Preferences chosen in the dialog that cannot be written are reported; they
// still hold for this run.
TEST_F(Session, NewPreferencesThatCannotBeSavedSaySo) {
    std::ofstream(temp.path() / "config") << "a file where the folder should be";
    Preferences chosen = preferences.values;
    chosen.baudRate = 3;
    session.applyPreferences(chosen);
    EXPECT_EQ(preferences.values.baudRate, 3);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].text, "File open/create failed!\n" + preferences.file.string() + ": Not a directory");
}

TEST_F(Session, NewPreferencesLoadTheLanguage) {
    std::filesystem::create_directories(temp.path() / "lang");
    std::ofstream(temp.path() / "lang" / "de.lng", std::ios::binary) << "Deutsch\r\n721=1. Daten erfassen    \r\n";
    session.start({temp.path() / "lang"});
    Preferences chosen = preferences.values;
    chosen.language = "Deutsch";
    session.applyPreferences(chosen);
    EXPECT_EQ(cellText(project.defaults.texts.block(kMainMenuBlock)[0]), "1. Daten erfassen   ");
    EXPECT_EQ(readPreferences(preferences.file).language, "Deutsch");
    chosen.language = std::string(kBuiltinLanguage);
    session.applyPreferences(chosen);
    EXPECT_EQ(cellText(project.defaults.texts.block(kMainMenuBlock)[0]), "1. Collect data     ");
}

// Each change of the definition is a step; the modified flag follows the
// history's saved point.
class SessionHistory : public Session {
protected:
    void change(Byte marker) {
        const Definition before = project.definition;
        project.definition.forms[1].fieldType[0] = marker;
        session.recordChange({"Edit", before, project.definition});
    }
    Byte marker() const { return project.definition.forms[1].fieldType[0]; }
};

TEST_F(SessionHistory, UndoingBackToTheSavedPointLeavesNothingUnsaved) {
    dialogs.answer(path("saved.TSX"));
    change(3);
    ASSERT_TRUE(session.saveAs());
    change(5);
    EXPECT_TRUE(project.modified);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(marker(), 3);
    EXPECT_FALSE(project.modified);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(marker(), 0);
    EXPECT_TRUE(project.modified);
    EXPECT_FALSE(session.undo());
    ASSERT_TRUE(session.redo());
    EXPECT_FALSE(project.modified);
    // Nothing unsaved: closing does not ask.
    EXPECT_TRUE(session.mayDiscardChanges());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SessionHistory, UndoPutsTheCalculatorLineOfTheDefaultsBackWithTheLookups) {
    setCellText(project.defaults.settingsLines[0], "8. Calculator");
    const Definition before = project.definition;
    project.definition.lookups[0].recordLength = 10;
    project.definition.lookups[0].columnCount = 2;
    setCellText(project.defaults.settingsLines[0], "9. Calculator");
    session.recordChange({"Edit", before, project.definition});
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(cellText(project.defaults.settingsLines[0]), "8. Calculator");
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(cellText(project.defaults.settingsLines[0]), "9. Calculator");
}

TEST_F(SessionHistory, NewAndOpenStartAFreshHistory) {
    const auto file = writeProjectOf(kFamily4760, "other.TSX", 4);
    const std::function<void()> commands[] = {
        [&] { session.newProject(kFamily4760); },
        [&] {
            dialogs.answer(file);
            session.open();
        },
        [&] { session.openFile(file); },
    };
    for (const auto& command : commands) {
        project.modified = false;
        change(7);
        messages.setAnswer(kAnswerNo);
        command();
        EXPECT_FALSE(session.history().canUndo());
        EXPECT_FALSE(session.undo());
        EXPECT_FALSE(project.modified);
    }
}

// A project named when the program starts (by the file manager) is opened in
// place of the last edited one.
TEST_F(Session, AFileNamedAtStartIsOpenedInsteadOfTheLastEdited) {
    const auto last = writeProjectOf(kFamily4760, "last.TSX", 5);
    const auto named = writeProjectOf(kFamily4760, "named.TSX", 6);
    preferences.values.autoPreload = true;
    preferences.values.lastEditedFile = last;
    ASSERT_TRUE(preferences.save());
    Project started;
    ProjectSession another(started, strings, preferences, messages, dialogs, view);
    another.start({}, named);
    EXPECT_EQ(started.currentPath, named);
    EXPECT_EQ(started.definition.forms[0].fieldType[0], 6);
    EXPECT_EQ(started.family, kFamily4760);
    EXPECT_FALSE(started.modified);
}

TEST_F(Session, AFileThatCannotBeOpenedSaysSoAndChangesNothing) {
    std::ofstream(path("garbage.TSX"), std::ios::binary) << "not a project at all";
    struct Case {
        std::string path;
        std::string text;
    };
    const Case cases[] = {
        {path("missing.TSX"), "File open/create failed!\n" + path("missing.TSX") + ": No such file or directory"},
        {path("garbage.TSX"), "Format mismatch !!!"},
    };
    for (const auto& c : cases) {
        const Project before = project;
        CapturedMessages shown;
        ProjectSession one(project, strings, preferences, shown, dialogs, view);
        EXPECT_FALSE(one.openFile(c.path));
        ASSERT_EQ(shown.shown().size(), 1u) << c.path;
        EXPECT_EQ(shown.shown()[0].caption, "Error");
        EXPECT_EQ(shown.shown()[0].text, c.text);
        EXPECT_EQ(project.currentPath, before.currentPath);
        EXPECT_TRUE(sameBytes(project.definition, before.definition));
    }
}

TEST_F(Session, OpeningAFileAsksAboutUnsavedChangesFirst) {
    const auto file = writeProjectOf(kFamily4760, "asked.TSX", 2);
    project.modified = true;
    messages.setAnswer(kAnswerCancel);
    EXPECT_FALSE(session.openFile(file));
    EXPECT_TRUE(project.currentPath.empty());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Save current program ?");
    messages.setAnswer(kAnswerNo);
    EXPECT_TRUE(session.openFile(file));
    EXPECT_EQ(project.currentPath, file);
    EXPECT_EQ(project.definition.forms[0].fieldType[0], 2);
}

}  // namespace
}  // namespace tessel
