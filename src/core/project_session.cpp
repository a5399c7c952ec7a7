#include "core/project_session.h"

#include <cerrno>
#include <system_error>

#include "core/file_io.h"
#include "core/project_file.h"

namespace tessel {
namespace {

constexpr int kCaptionError = 1121;
constexpr int kSaveCurrentProgram = 1131;
constexpr const char* kProgramTitle = "Tessel Studio";

}  // namespace

ProjectSession::ProjectSession(Project& project, Strings& strings, PreferencesStore& preferences,
                               MessageService& messages, FileDialogs& dialogs, SessionView& view)
    : project_(project),
      strings_(strings),
      preferences_(preferences),
      messages_(messages),
      dialogs_(dialogs),
      view_(view) {}

void ProjectSession::start(const std::vector<std::filesystem::path>& languageFolders, const std::string& fileToOpen) {
    preferences_.load();
    languages_ = findLanguages(languageFolders).value_or(std::vector<LanguageFile>{});
    loadChosenLanguage();
    project_.defaults = loadDefaultTexts(strings_, project_.family);
    resetReaderDefaults(project_.definition);
    resetApplicationDefaults(project_.definition, project_.defaults);

    const auto& last = preferences_.values.lastEditedFile;
    if (!fileToOpen.empty()) {
        openFile(fileToOpen);
    } else if (preferences_.values.autoPreload && last != kNoLastFile && readInto(project_, last)) {
        project_.currentPath = last;
        refreshForFamily();
    }
    view_.placeWindow();
}

void ProjectSession::newProject(int family) {
    if (!mayDiscardChanges()) return;
    project_.family = family;
    refreshForFamily();
    project_.currentPath.clear();
    newDefinition(project_);
    history_.clear();
    view_.edit();
}

// The current definition stays until a file has been read, so a cancelled or
// failed Open loses nothing and a later Save cannot write defaults over a file.
void ProjectSession::open() {
    if (!mayDiscardChanges()) return;
    preferences_.load();
    view_.placeWindow();
    std::string initial = project_.currentPath;
    if (preferences_.values.autoPreload && preferences_.values.lastEditedFile != kNoLastFile) {
        initial = preferences_.values.lastEditedFile;
    }
    const auto chosen = dialogs_.choose(openProjectRequest(strings_, initial));
    if (!chosen) return;

    Project opened = project_;
    newDefinition(opened);
    if (!readInto(opened, *chosen)) return;
    opened.currentPath = *chosen;
    project_ = opened;
    history_.clear();
    refreshForFamily();
    view_.edit();
}

// Unsaved changes are asked about first, as for Open: a recent file replaces
// the whole definition.
void ProjectSession::openRecent(std::size_t index) {
    if (index >= preferences_.values.recentFiles.size()) return;
    if (!mayDiscardChanges()) return;
    const std::string path = preferences_.values.recentFiles[index];
    if (readInto(project_, path)) {
        project_.currentPath = path;
        project_.modified = false;
        history_.clear();
    }
    refreshForFamily();
    view_.edit();
}

bool ProjectSession::openFile(const std::string& path) {
    if (!mayDiscardChanges()) return false;
    errno = 0;
    const auto file = readFileBytes(path, kProjectReadSize);
    if (!file) {
        const std::string reason = errno != 0 ? std::generic_category().message(errno) : std::string();
        messageByIds(strings_, messages_, kCaptionError, kSaveFailedText, {MessageIcon::Warning},
                     reason.empty() ? path : path + ": " + reason);
        return false;
    }
    Project opened = project_;
    newDefinition(opened);
    const bool read = readProjectContent(opened, *file, path, strings_, messages_, &preferences_) == 1;
    view_.menuChanged();
    if (!read) return false;
    opened.currentPath = path;
    project_ = opened;
    history_.clear();
    refreshForFamily();
    return true;
}

bool ProjectSession::save() {
    if (project_.currentPath.empty() || project_.currentPath == kNoLastFile) return saveAs();
    std::string reason;
    const int written = writeProject(project_, project_.currentPath, &preferences_, &reason);
    if (written != 1) {
        messageByIds(strings_, messages_, kCaptionError, written, {MessageIcon::Warning}, reason);
        return false;
    }
    project_.modified = false;
    history_.markSaved();
    view_.menuChanged();
    return true;
}

bool ProjectSession::saveAs() {
    const auto chosen = dialogs_.choose(saveProjectRequest(strings_));
    if (!chosen) return false;
    project_.currentPath = saveAsName(*chosen);
    return save();
}

bool ProjectSession::mayDiscardChanges() {
    if (!project_.modified) return true;
    const auto text = strings_.utf8(kSaveCurrentProgram);
    const int answer = messages_.show(kProgramTitle, text, {MessageIcon::Question, MessageButtons::YesNoCancel});
    if (answer == kAnswerCancel) return false;
    // A save that fails or is cancelled keeps the changes: nothing goes on
    // that would drop them.
    if (answer == kAnswerYes) return save();
    return true;
}

void ProjectSession::applyPreferences(const Preferences& preferences) {
    preferences_.values = preferences;
    if (const auto saved = preferences_.save(); !saved) {
        messageByIds(strings_, messages_, kCaptionError, kSaveFailedText, {MessageIcon::Warning},
                     preferences_.file.string() + ": " + saved.reason);
    }
    loadChosenLanguage();
    project_.defaults = loadDefaultTexts(strings_, project_.family);
    view_.menuChanged();
}

void ProjectSession::recordChange(EditStep step) {
    history_.record(std::move(step));
    if (history_.canUndo()) project_.modified = !history_.atSavedPoint();
}

bool ProjectSession::undo() {
    if (!history_.canUndo()) return false;
    restore(history_.undo());
    return true;
}

bool ProjectSession::redo() {
    if (!history_.canRedo()) return false;
    restore(history_.redo());
    return true;
}

// The calculator line of the default texts follows the lookups, as after the
// Lookup page's OK.
void ProjectSession::restore(const Definition& definition) {
    project_.definition = definition;
    project_.modified = !history_.atSavedPoint();
    applyCalculatorDigit(project_.defaults.settingsLines[0], anyLookupInUse(definition));
}

void ProjectSession::refreshForFamily() {
    view_.refreshForFamily();
    project_.defaults = loadDefaultTexts(strings_, project_.family);
}

void ProjectSession::loadChosenLanguage() {
    loadLanguage(strings_.language(), languages_, preferences_.values.language);
}

bool ProjectSession::readInto(Project& target, const std::string& path) {
    const bool read = readProject(target, path, strings_, messages_, &preferences_) == 1;
    view_.menuChanged();
    return read;
}

}  // namespace tessel
