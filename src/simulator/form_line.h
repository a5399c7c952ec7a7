#pragma once
// One line of a form on the screen: what was entered for its field and where
// that input lies on the row.
//
// The scrolling view. A field that needs more columns than the screen has
// right of its prompt, and that has no extension line below it, scrolls left
// while it is typed. The row then shows the input without its first `hidden`
// characters: the newest character stands in column 18 and the cursor in
// column 19, on the next free cell, which shows the fill character if the
// field has one. When the field becomes full its last character moves into
// column 19 under the cursor, and each further character replaces it.
// Backspace walks the same view back. Every later rendering of the form shows
// the line with the same `hidden` count, so the view never jumps and the
// newest character stays visible at the right edge.
#include <optional>
#include <string>

namespace tessel::sim {

struct FormLine {
    std::string input;        // the characters entered for the field, up to 160
    bool signColumn = false;  // an auto(+/-) line with room for a sign column
    int start = 0;            // first input column: the prompt's length, plus the sign column
    // The column after the last input character as if the row never scrolled;
    // the start column while the field still shows a value from before.
    int end = 0;
    bool full = false;  // the field holds its maximum length; further characters replace the last
    int hidden = 0;     // leading input characters scrolled out of view
    // What the record keeps in place of the input: the whole barcode of a
    // partial read that saves the full barcode.
    std::optional<std::string> savedInstead;

    const std::string& recorded() const { return savedInstead ? *savedInstead : input; }

    bool showsEarlierValue() const { return end == start && !input.empty(); }
};

}  // namespace tessel::sim
