#pragma once
// What the main window says about the open project: its title, which the task
// bar and the window switcher show, and the notice after a save.
#include <string>
#include <string_view>

namespace tessel {

// The file's name without its folders; empty for a project without a file.
std::string projectFileName(std::string_view path);

// The file's name, `untitled` for a project without a file, and " •" behind
// it while there are unsaved changes.
std::string windowTitleOf(std::string_view path, bool modified, std::string_view untitled = "Untitled");

// `saved` ("Saved %1") with the file's name for its place.
std::string savedNoticeOf(std::string_view path, std::string_view saved = "Saved %1");

}  // namespace tessel
