#include "simulator/form_runner.h"

#include <algorithm>

#include "simulator/field_types.h"
#include "simulator/keys.h"
#include "simulator/output_record.h"

namespace tessel::sim {
namespace {

constexpr int kLines = static_cast<int>(kFieldsPerForm);
constexpr int kMaxInputLength = 160;
constexpr Byte kRecordActionPassDown = 3;

std::size_t at(int line) { return static_cast<std::size_t>(line); }

}  // namespace

FormRunner::FormRunner(Screen& screen, Project& project, const Clock& clock, SimulatorObserver& observer,
                       TerminalData& data)
    : screen_(screen), project_(project), clock_(clock), observer_(observer), data_(data), lookup_(data) {}

FormRecord& FormRunner::record() { return project_.definition.forms[at(form_ - 1)]; }
const FormRecord& FormRunner::record() const { return project_.definition.forms[at(form_ - 1)]; }

// The lines up to the last input field; the count is a byte of the record,
// so it is bounded by the eight lines a form has.
int FormRunner::lineCount() const { return std::min<int>(record().fieldCount, kLines); }

int FormRunner::typeOf(int line) const { return record().fieldType[at(line)]; }

std::string_view FormRunner::promptOf(int line) const {
    return cellText(record().fieldPrompt[at(line)]).substr(0, kLineChars);
}

int FormRunner::maxLengthOf(int line) const { return std::min<int>(record().maxLength[at(line)], kMaxInputLength); }

bool FormRunner::isExtension(int line) const { return line >= 0 && line < kLines && typeOf(line) == kFieldExtension; }

void FormRunner::enter(int form) {
    form_ = form;
    lookup_.start();
    resetLines();
    const int first = typeOf(0) == kFieldNone || isDisplayType(typeOf(0)) ? nextInputField(0) : 0;
    setCurrent(first);
    screen_.highlightRow = 0;
    render();
}

std::optional<Departure> FormRunner::handleKey(int code) {
    if (refusesKey(code)) return std::nullopt;
    if (const auto digit = digitOfKey(code)) {
        enterCharacter(*digit);
        return std::nullopt;
    }
    switch (code) {
        case kKeyMinus: enterCharacter('-'); break;
        case kKeyDot: enterCharacter('.'); break;
        case kKeyUp: moveUp(); break;
        case kKeyEsc: return Departure{record().escTarget, false};
        case kKeyBackspace: backspace(); break;
        case kKeyEnter:
        case kKeyEnterSecond: return pressEnter();
        default:
            if (MultiTap::handles(code)) pressMultiTap(code);
            break;
    }
    return std::nullopt;
}

void FormRunner::commitPending() {
    if (const auto c = multiTap_.take()) {
        screen_.pendingCharacter.reset();
        enterCharacter(*c);
    }
}

void FormRunner::cancelPending() {
    multiTap_.take();
    screen_.pendingCharacter.reset();
}

void FormRunner::tick() {
    if (multiTap_.tick()) commitPending();
}

void FormRunner::setCurrent(int line) {
    current_ = line;
    record().currentField = static_cast<Byte>(line);
}

int FormRunner::nextInputField(int from) const {
    for (int line = from + 1; line < lineCount(); ++line) {
        if (isInputType(typeOf(line))) return line;
    }
    return from;
}

// Steps back over the extension lines to the line that heads them first.
int FormRunner::previousInputField(int from) const {
    int head = from;
    while (head > 0 && isExtension(head)) --head;
    for (int line = head - 1; line >= 0; --line) {
        if (isInputType(typeOf(line))) return line;
    }
    return from;
}

// The cursor goes to the start of the field, which keeps showing its value
// until a character replaces it.
void FormRunner::moveTo(int line) {
    if (line == current_) return;
    setCurrent(line);
    lines_[at(line)].end = lines_[at(line)].start;
    render();
}

void FormRunner::moveUp() { moveTo(previousInputField(current_)); }

std::optional<Departure> FormRunner::pressEnter() {
    if (lines_[at(current_)].input.size() < record().minLength[at(current_)]) {
        showMessage(kMessageTooShort);
        return std::nullopt;
    }
    const auto verdict = lookup_.enter(record(), lookupLayout(), at(current_), lines_[at(current_)].input);
    if (verdict.kind != LookupVerdict::Kind::Accept || verdict.message != 0) return followLookup(verdict);
    return moveOn();
}

std::optional<Departure> FormRunner::moveOn() {
    if (current_ < lineCount() - 1) {
        moveTo(nextInputField(current_));
        return std::nullopt;
    }
    return complete();
}

std::optional<Departure> FormRunner::complete() {
    ++project_.recordCounter;
    showLookupColumns();
    std::array<std::string, kFieldsPerForm> inputs;
    for (std::size_t i = 0; i < kFieldsPerForm; ++i) inputs[i] = lines_[i].recorded();
    if (record().recordAction == kRecordActionPassDown) {
        const SystemSettings& settings = project_.definition.settings;
        const Delimiters delimiters{settings.fieldDelimiter1, settings.fieldDelimiter2};
        output_ = buildOutputRecord(record(), inputs, delimiters, clock_.now());
    }
    keepRecord(inputs);
    // A next target that leads nowhere keeps the form: it starts again empty,
    // ready for the next record, rather than showing the input just counted.
    if (leadsNowhere(record().nextTarget)) {
        enter(form_);
        return std::nullopt;
    }
    return Departure{record().nextTarget, true};
}

}  // namespace tessel::sim
