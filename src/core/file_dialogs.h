#pragma once
// The file choosers as a service: the desktop program shows the platform's
// dialogs, tests answer them.
#include <optional>
#include <string>
#include <vector>

namespace tessel {

class Strings;

struct FileFilter {
    std::string label;     // UTF-8
    std::string patterns;  // e.g. "*.TSX;*.TSA"
};

struct FileDialogRequest {
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // without the dot
    std::string initialPath;       // file name box and folder; empty for the current folder
    bool forSaving = false;        // saving asks before replacing a file
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> choose(const FileDialogRequest& request) = 0;
};

// The requests the program makes.
FileDialogRequest openProjectRequest(const Strings& strings, const std::string& currentPath);
FileDialogRequest saveProjectRequest(const Strings& strings);
FileDialogRequest openLookupRequest(const Strings& strings, const std::string& currentPath);
// Always the built-in texts: the data file chooser is not translated.
FileDialogRequest saveDataRequest(const Strings& strings);

}  // namespace tessel
