// How a form is laid out on the screen: the prompts, the sign column, the
// counter and pass-down lines, the fill characters and the message screen.
#include <algorithm>
#include <cstdio>

#include "simulator/field_types.h"
#include "simulator/form_runner.h"

namespace tessel::sim {
namespace {

constexpr int kLines = static_cast<int>(kFieldsPerForm);
constexpr int kLastColumn = kScreenColumns - 1;
constexpr std::size_t kMaxInputLength = 160;
constexpr std::size_t kInitialValueChars = 9;
constexpr int kErrorMessagesBlock = 25;
constexpr std::size_t kPressAnyKeyLine = 5;  // line 6, under the message, as the screen waits for a key
constexpr unsigned kCounterModulus = 10000;
// Links 9 to 24 (a column or variable with a sign) make the sign column show "+".
constexpr Byte kFirstSignedLink = 9;
constexpr Byte kLastSignedLink = 24;

std::size_t at(int line) { return static_cast<std::size_t>(line); }

std::string counterText(unsigned counter) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04u", counter % kCounterModulus);
    return buffer;
}

}  // namespace

void FormRunner::resetLines() {
    for (int i = 0; i < kLines; ++i) {
        FormLine& line = lines_[at(i)];
        line = FormLine{};
        screen_.rows.clear(i);
        const int promptLength = static_cast<int>(promptOf(i).size());
        line.start = line.end = promptLength;
        // A signed field puts its sign one column before its input, when the
        // line has room for the field twice and the sign.
        if (typeOf(i) == kFieldAuto && promptLength + 2 * maxLengthOf(i) + 1 <= kScreenColumns) {
            line.signColumn = true;
            line.start = line.end = promptLength + maxLengthOf(i) + 1;
        }
        if (record().initialValueOn[at(i)]) {
            line.input = cellText(record().initialValue[at(i)]).substr(0, kInitialValueChars);
        }
    }
}

// Prompt, sign column and the visible part of the input.
std::string FormRunner::lineText(int line) const {
    const FormLine& state = lines_[at(line)];
    std::string text(promptOf(line));
    if (state.signColumn) {
        const Byte link = record().fieldLink[at(line)];
        text.resize(static_cast<std::size_t>(state.start - 1), ' ');
        text += link >= kFirstSignedLink && link <= kLastSignedLink ? '+' : ' ';
    }
    if (at(state.hidden) < state.input.size()) text += state.input.substr(at(state.hidden));
    return text;
}

void FormRunner::render() {
    screen_.rows.clearAll();
    screen_.state = SimState::FormScreen;
    const int count = lineCount();
    showLookupColumns();
    for (int i = 0; i < kLines; ++i) {
        const int type = typeOf(i);
        if (type == kFieldCounter) lines_[at(i)].input = counterText(project_.recordCounter);
        if (type == kFieldPassDown) spreadPassDown(i);
        // Past the last input field the extension lines still show what was
        // spread or typed onto them.
        // So do the lookup lines, once the form's lookup has data.
        const bool showsInput = i < count || type == kFieldCounter || type == kFieldPassDown ||
                                type == kFieldExtension || (type == kFieldLookup && lookup_.active(record()));
        if (showsInput) {
            screen_.rows.set(i, lineText(i));
        } else if (type != kFieldNone) {
            screen_.rows.set(i, promptOf(i));
        }
    }
    screen_.cursor = {cursorColumnOf(current_), current_};
    observer_.repaintScreen();
    drawFillCharacters();
}

// A pass-down line shows the output record of the form completed before,
// continued over the extension lines below it.
void FormRunner::spreadPassDown(int line) {
    const std::size_t room = kMaxInputLength - promptOf(line).size();
    if (output_.size() > room) output_.resize(room);  // showing the record cuts the record itself
    std::string text = output_;
    text.erase(text.find_last_not_of(' ') + 1);

    FormLine& head = lines_[at(line)];
    head.end = head.start;
    for (int j = line + 1; isExtension(j); ++j) lines_[at(j)].input.clear();

    head.input = text.substr(0, at(kScreenColumns - head.start));
    std::size_t used = head.input.size();
    for (int j = line + 1; isExtension(j) && used < text.size(); ++j) {
        lines_[at(j)].input = text.substr(used, at(kScreenColumns));
        used += lines_[at(j)].input.size();
    }
}

void FormRunner::drawFillCharacters() {
    const auto fill = static_cast<char>(record().inputMark[at(current_)]);
    if (fill == 0) return;
    fillLine(current_, fill);
    for (int j = current_ + 1; isExtension(j); ++j) fillLine(j, fill);
}

// The free input positions that the screen shows get the fill character.
void FormRunner::fillLine(int line, char fill) {
    const FormLine& state = lines_[at(line)];
    const int shown = std::max(static_cast<int>(state.input.size()) - state.hidden, 0);
    const int from = state.start + shown;
    const int to = state.start + std::min(maxLengthOf(line), kScreenColumns - state.start);
    if (from < to) {
        screen_.rows.cut(line, from);
        screen_.rows.pad(line, to, fill);
    }
    observer_.repaintRow(line);
}

// The screen column of the line's end: its start while it shows an earlier
// value, never past the last column.
int FormRunner::cursorColumnOf(int line) const {
    const FormLine& state = lines_[at(line)];
    return std::min(std::max(state.end - state.hidden, state.start), kLastColumn);
}

// Message 1 (a refused character) or 2 (input too short) over the lower half
// of the form, with the "press any key" line of the error messages under it,
// until the next key.
void FormRunner::showMessage(int number) {
    const auto messages = project_.definition.texts.block(kErrorMessagesBlock);
    const std::string stars(at(kScreenColumns), '*');
    screen_.rows.set(4, stars);
    screen_.rows.set(5, cellText(messages[at(number - 1)]));
    screen_.rows.set(6, cellText(messages[kPressAnyKeyLine]));
    screen_.rows.set(7, stars);
    screen_.rows.clear(8);
    screen_.state = SimState::MessageScreen;
    afterMessage_ = AfterMessage::Stay;
    observer_.repaintScreen();
}

}  // namespace tessel::sim
