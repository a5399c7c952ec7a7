#pragma once
// The Startup page's rules: how the application starts, the data field
// delimiters, and the 26 groups of screen texts, edited in the sheet's working
// texts and written back on OK. The page widget forwards every user change
// here and shows what the model then holds; texts are UTF-8 for display.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"
#include "core/working_texts.h"
#include "simulator/startup_groups.h"

namespace tessel {

class FileDialogs;
class MessageService;
class Strings;

// What one line row of the shown group shows.
struct PromptLine {
    std::string label;  // the line's default text
    std::string text;   // the working line
    bool enabled;
};

// What the ASCII and the Text box of one delimiter show.
struct DelimiterBoxes {
    std::string code;
    std::string character;
};

class StartupPageModel {
public:
    StartupPageModel(Project& project, const Strings& strings, MessageService& messages, WorkingTexts& texts);

    // Takes program start, delimiters and every group's lines from the
    // definition and shows group 0.
    void load();
    // Writes program start and delimiters, and the texts once anything
    // changed them (an edit, an import or Reset).
    void accept();

    std::vector<std::string> programStartEntries() const;
    std::vector<std::string> delimiterCountEntries() const;
    std::vector<std::string> groupEntries() const;

    int programStart() const { return programStart_; }
    void setProgramStart(int value) { programStart_ = value; }

    int delimiterCount() const { return delimiterCount_; }
    void setDelimiterCount(int count) { delimiterCount_ = count; }
    bool delimiterEnabled(std::size_t which) const { return delimiterCount_ > static_cast<int>(which); }
    DelimiterBoxes delimiterBoxes(std::size_t which) const;
    // Typed into the ASCII box: a non-number is 0, above 255 is 255, and 13
    // is refused with "Invalid value!". Returns what both boxes show now.
    DelimiterBoxes setDelimiterCode(std::size_t which, std::string_view text);
    // Typed into the Text box: the delimiter is its character, 0 when empty;
    // a carriage return is refused as in the ASCII box.
    DelimiterBoxes setDelimiterCharacter(std::size_t which, std::string_view text);

    std::size_t shownGroup() const { return shownGroup_; }
    void showGroup(std::size_t group);
    std::array<PromptLine, kGroupLines> shownLines() const;
    // A line of the shown group typed; returns what the box shows (at most
    // 20 characters that the terminal can show).
    std::string setLine(std::size_t line, std::string_view text);

    // Asks for another project and takes its texts; true when it read them.
    bool importPrompts(FileDialogs& dialogs);
    // Program start, delimiters and the texts of a new application; the
    // settings screen and the settings text lines as when the page opened.
    void reset();

    bool textsChanged() const { return textsChanged_; }
    // Whether accept would store anything the definition does not hold.
    bool hasChanges() const;

private:
    // A group's line as the definition holds it at `home`.
    TextCell definitionLine(std::size_t group, LineHome home) const;
    std::string labelOf(std::size_t group, std::size_t line, LineHome home) const;
    // The count that is stored: an empty delimiter ends the delimiters.
    int storedDelimiterCount() const;
    // Delimiter `which` as it is stored: none behind an empty one.
    Byte storedDelimiter(std::size_t which) const;
    void refuseCarriageReturn();

    Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    WorkingTexts& texts_;
    int programStart_ = 0;
    int delimiterCount_ = 0;
    std::array<Byte, 2> delimiters_{};
    std::size_t shownGroup_ = 0;
    bool textsChanged_ = false;
    bool lookupInUse_ = false;
};

}  // namespace tessel
