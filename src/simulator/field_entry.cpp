// Typing into the current field: characters, multi-tap keys and backspace.
#include <algorithm>

#include "simulator/field_types.h"
#include "simulator/form_runner.h"

namespace tessel::sim {
namespace {

constexpr int kLastColumn = kScreenColumns - 1;
constexpr int kMessageRefused = 1;

std::size_t at(int line) { return static_cast<std::size_t>(line); }

}  // namespace

void FormRunner::enterCharacter(char c) {
    const int k = current_;
    if (!acceptsCharacter(typeOf(k), c)) {
        showMessage(kMessageRefused);
        return;
    }
    FormLine& line = lines_[at(k)];
    if (line.showsEarlierValue()) clearEarlierValue(k);
    const int length = maxLengthOf(k);
    if (length == 0) return;  // a field without room takes nothing

    // A full field keeps its length: the character replaces the last one.
    const int last = line.start + length - 1;
    const int index = std::min({line.end - line.start, static_cast<int>(line.input.size()), length - 1});
    line.input.resize(at(index));
    line.input.push_back(c);

    const int column = line.end - line.hidden;
    if (line.end < last && column < kLastColumn) {
        screen_.rows.put(k, column, c);
        ++line.end;
        screen_.cursor.column = column + 1;
        observer_.repaintRow(k);
    } else if (line.end < last) {
        appendAtEdge(k);
    } else {
        if (line.end == last) {
            ++line.end;
            line.full = true;
        }
        const int rowLength = static_cast<int>(screen_.rows[k].size());
        const int written = std::min({rowLength, kLastColumn, last - line.hidden});
        screen_.rows.put(k, written, c);
        screen_.rows.cut(k, written + 1);
        observer_.repaintRow(k);
    }
}

// The character already stored reached the right edge of the screen: the
// field continues on its extension line, or else the line scrolls.
void FormRunner::appendAtEdge(int line) {
    if (isExtension(line + 1)) {
        setCurrent(line + 1);
        render();
        return;
    }
    FormLine& state = lines_[at(line)];
    ++state.hidden;
    ++state.end;
    screen_.rows.set(line, lineText(line));
    if (const auto fill = static_cast<char>(record().inputMark[at(line)]); fill != 0) {
        screen_.rows.pad(line, static_cast<int>(screen_.rows[line].size()) + 1, fill);
    }
    observer_.repaintRow(line);
}

// The first character typed into a field that still shows a value (an initial
// value, or input from before Up or Enter came back to it) replaces it, with
// whatever its extension lines hold.
void FormRunner::clearEarlierValue(int line) {
    FormLine& state = lines_[at(line)];
    state.input.clear();
    state.full = false;
    state.hidden = 0;
    state.end = state.start;
    screen_.rows.set(line, lineText(line));
    for (int j = line + 1; isExtension(j); ++j) {
        FormLine& extension = lines_[at(j)];
        extension.input.clear();
        extension.full = false;
        extension.hidden = 0;
        extension.end = extension.start;
        screen_.rows.clear(j);
    }
    if (record().inputMark[at(line)] != 0) {
        drawFillCharacters();
    } else {
        observer_.repaintScreen();
    }
    screen_.cursor.column = std::min(state.start, kLastColumn);
}

void FormRunner::backspace() {
    const int k = current_;
    FormLine& line = lines_[at(k)];
    if (line.end <= line.start) {
        // Nothing typed here yet: an extension line hands back to the line
        // above, taking that line's last character with it.
        if (isExtension(k) && k > 0) {
            setCurrent(k - 1);
            std::string& above = lines_[at(k - 1)].input;
            if (!above.empty()) above.pop_back();
            render();
        }
        return;
    }
    const auto fill = static_cast<char>(record().inputMark[at(k)]);
    if (line.full || line.hidden > 0) {
        if (!line.input.empty()) line.input.pop_back();
        --line.end;
        if (line.full) {
            line.full = false;
        } else {
            --line.hidden;
        }
        screen_.rows.set(k, lineText(k));
        if (fill != 0) screen_.rows.pad(k, static_cast<int>(screen_.rows[k].size()) + 1, fill);
        screen_.cursor.column = cursorColumnOf(k);
    } else {
        --line.end;
        screen_.cursor.column = std::min(line.end, kLastColumn);
        line.input.resize(std::min(line.input.size(), at(line.end - line.start)));
        if (fill != 0) {
            screen_.rows.put(k, line.end, fill);
        } else {
            screen_.rows.removeLast(k);
        }
    }
    observer_.repaintRow(k);
}

void FormRunner::pressMultiTap(int code) {
    const char c = multiTap_.press(code);
    screen_.pendingCharacter = c;
    observer_.showPendingCharacter(c);
}

}  // namespace tessel::sim
