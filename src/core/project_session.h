#pragma once
// The program's commands on the project, as the main window carries them out:
// start-up, New, Open, a recent file, Save, Save As, closing, and taking new
// preferences. Windows and dialogs are reached through small interfaces, so
// the rules run and are tested without a display.
#include <filesystem>
#include <vector>

#include "core/edit_history.h"
#include "core/file_dialogs.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/preferences.h"
#include "core/project.h"
#include "core/strings.h"

namespace tessel {

// What the front end does when a command asks for it.
class SessionView {
public:
    virtual ~SessionView() = default;
    // The window outline and the skin follow the project's family.
    virtual void refreshForFamily() = 0;
    // Runs the editor sheet.
    virtual void edit() = 0;
    // Puts the window at its place, on top when the preferences say so.
    virtual void placeWindow() = 0;
    // The recent files or the language changed: the popup menu is rebuilt.
    virtual void menuChanged() = 0;
};

class ProjectSession {
public:
    ProjectSession(Project& project, Strings& strings, PreferencesStore& preferences, MessageService& messages,
                   FileDialogs& dialogs, SessionView& view);

    // Start-up: preferences, languages, defaults, and the last edited project
    // when auto-preload asks for it; `fileToOpen`, when given, is opened
    // instead of the last edited project.
    void start(const std::vector<std::filesystem::path>& languageFolders, const std::string& fileToOpen = {});

    void newProject(int family);
    void open();
    void openRecent(std::size_t index);
    // Opens the project at `path` (asking about unsaved changes first). A file
    // that cannot be opened says so, one that is not a project says "Format
    // mismatch !!!"; either way the definition stays as it was.
    bool openFile(const std::string& path);
    // Both clear the modified flag on success.
    bool save();
    bool saveAs();
    // Asks "Save current program ?" while there are unsaved changes; false
    // when the user cancels, or answers Yes and the save does not happen.
    bool mayDiscardChanges();

    // After the preferences dialog's OK: the new language and default texts.
    void applyPreferences(const Preferences& preferences);

    // A change made to the definition becomes a step of the history; the
    // modified flag then follows the history's saved point.
    void recordChange(EditStep step);
    // Undo and Redo put the whole definition back as the step found or left
    // it; false when there is no step to take.
    bool undo();
    bool redo();
    const EditHistory& history() const { return history_; }

    const std::vector<LanguageFile>& languages() const { return languages_; }
    Project& project() { return project_; }

private:
    void refreshForFamily();
    void loadChosenLanguage();
    bool readInto(Project& target, const std::string& path);
    void restore(const Definition& definition);

    Project& project_;
    Strings& strings_;
    PreferencesStore& preferences_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    SessionView& view_;
    std::vector<LanguageFile> languages_;
    EditHistory history_;
};

}  // namespace tessel
