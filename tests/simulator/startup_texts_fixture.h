#pragma once
// Projects for the Startup page's tests: one whose every screen text line and
// settings text line is its own, so that a line that lands in the wrong place
// shows.
#include <string>

#include "core/project.h"
#include "support/projects.h"

namespace tessel::test {

// "B<block> L<line>" in every line of blocks 2 to 27, "S<line>" in the five
// settings text lines, each followed by `tag`.
inline Project projectWithOwnTexts(int family, const std::string& tag) {
    Project project = newProject(family);
    for (int number = 2; number <= kTextBlockCount; ++number) {
        auto lines = project.definition.texts.block(number);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            setCellText(lines[line], "B" + std::to_string(number) + " L" + std::to_string(line + 1) + tag);
        }
    }
    auto& settingsLines = project.definition.settings.textLines;
    for (std::size_t line = 0; line < settingsLines.size(); ++line) {
        setCellText(settingsLines[line], "S" + std::to_string(line + 1) + tag);
    }
    return project;
}

}  // namespace tessel::test
