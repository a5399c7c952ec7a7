// What a field does with a scan the reader has read: its input source, the
// leading code, the check digit, the partial barcode, the characters and
// length it takes, and Auto ENTER. Also the keypad's side of the input
// source: a field limited to the reader or RFID refuses keys.
#include <algorithm>

#include "simulator/check_digit.h"
#include "simulator/field_types.h"
#include "simulator/form_runner.h"
#include "simulator/keys.h"

namespace tessel::sim {
namespace {

enum InputSource : int { kSourceReader, kSourceKeypad, kSourceBoth, kSourceRfid, kSourceAll };
enum AutoEnter : int { kAutoEnterNo, kScanThenEnter, kEnterThenScan, kAutoEnterKeyboard };

constexpr std::size_t kLeadingCodeLength = 6;
constexpr Byte kSaveFullBarcode = 0x80;

std::size_t at(int line) { return static_cast<std::size_t>(line); }

bool takesSource(int source, Scan::Source from) {
    if (from == Scan::Source::Rfid) return source == kSourceRfid || source == kSourceAll;
    return source == kSourceReader || source == kSourceBoth || source == kSourceAll;
}

bool isCharacterKey(int code) {
    return digitOfKey(code) || code == kKeyMinus || code == kKeyDot || MultiTap::handles(code);
}

}  // namespace

bool FormRunner::refusesKey(int code) {
    if (!isCharacterKey(code) && code != kKeyBackspace) return false;
    const int source = record().inputSource[at(current_)];
    if (code != kKeyBackspace && (source == kSourceReader || source == kSourceRfid) && isInputType(typeOf(current_))) {
        showMessage(kMessageWrongType);
        return true;
    }
    lines_[at(current_)].savedInstead.reset();  // typing makes the field hold what it shows
    return false;
}

int FormRunner::roomOf(int line) const {
    int room = maxLengthOf(line);
    for (int j = line + 1; isExtension(j); ++j) room += maxLengthOf(j);
    return room;
}

// The message number that refuses `text` in `line`, or 0 when it fits.
int FormRunner::refusalOf(int line, std::string_view text) const {
    const int type = typeOf(line);
    if (!std::all_of(text.begin(), text.end(), [&](char c) { return acceptsCharacter(type, c); })) {
        return kMessageWrongType;
    }
    return static_cast<int>(text.size()) > roomOf(line) ? kMessageTooLong : 0;
}

// The field's own checks of the data as read: the leading code and the check digit.
int FormRunner::checkOf(int line, std::string_view data) const {
    const FormRecord& form = record();
    if (form.leadingCodeOn[at(line)] != 0) {
        const auto& slot = form.leadingCode[at(line)];
        const std::string code(slot.begin(), std::find(slot.begin(), slot.begin() + kLeadingCodeLength, Byte{0}));
        if (!data.starts_with(code)) return kMessageLeadingCode;
    }
    const int method = form.checkDigit[at(line)];
    if (method != 0 && !hasValidCheckCharacter(method, data)) return kMessageWrongType;
    return 0;
}

// The part of the data a "Read partial barcode" field keeps.
std::string FormRunner::partOf(int line, const std::string& data) const {
    const FormRecord& form = record();
    if (form.partialOn[at(line)] == 0) return data;
    const auto start = static_cast<std::size_t>(std::max(1, form.partialStart[at(line)] & 0x7F));
    const std::size_t length = form.partialLength[at(line)] == 0 ? data.size() : form.partialLength[at(line)];
    return start <= data.size() ? data.substr(start - 1, length) : std::string();
}

// The text goes in as if typed, replacing whatever the field held, so the
// line scrolls and continues on its extension lines as typing does.
void FormRunner::fillField(int line, const std::string& text) {
    if (current_ != line) moveTo(line);
    if (!lines_[at(line)].input.empty()) clearEarlierValue(line);
    for (const char c : text) enterCharacter(c);
    lines_[at(line)].savedInstead.reset();
}

std::optional<Departure> FormRunner::takeScan(const ReaderOutput& read, Scan::Source source, std::string& note) {
    const int line = current_;
    if (!isInputType(typeOf(line)) || !takesSource(record().inputSource[at(line)], source)) {
        note = "the field does not take the reader";
        showMessage(kMessageWrongType);
        return std::nullopt;
    }
    const std::string& data = *read.data;
    if (read.weighted && isInputType(typeOf(read.weighted->keyField)) &&
        isInputType(typeOf(read.weighted->quantityField))) {
        return takeWeightedCode(*read.weighted, line, note);
    }
    const std::string part = partOf(line, data);
    int refusal = checkOf(line, data);
    if (refusal == 0 && part.empty()) refusal = kMessageTooShort;
    if (refusal == 0) refusal = refusalOf(line, part);
    if (refusal != 0) {
        note = "the field refuses " + data;
        showMessage(refusal);
        return std::nullopt;
    }
    fillField(line, part);
    if ((record().partialStart[at(line)] & kSaveFullBarcode) != 0 && record().partialOn[at(line)] != 0) {
        lines_[at(line)].savedInstead = data;
    }
    return autoEnter(line, static_cast<int>(part.size()));
}

// A weighted EAN-13 fills the weight code's key and quantity fields at once
// and goes on from the quantity field.
std::optional<Departure> FormRunner::takeWeightedCode(const WeightedCode& code, int line, std::string& note) {
    const int refusal = std::max(refusalOf(code.keyField, code.key), refusalOf(code.quantityField, code.quantity));
    if (refusal != 0) {
        note = "the weight code's fields refuse key " + code.key + " quantity " + code.quantity;
        showMessage(refusal);
        return std::nullopt;
    }
    fillField(code.keyField, code.key);
    fillField(code.quantityField, code.quantity);
    const int autoEnterOf = record().autoEnter[at(line)];
    if (autoEnterOf == kScanThenEnter || autoEnterOf == kEnterThenScan) return pressEnter();
    return std::nullopt;
}

std::optional<Departure> FormRunner::autoEnter(int line, int length) {
    switch (record().autoEnter[at(line)]) {
        case kScanThenEnter:
        case kEnterThenScan: return pressEnter();
        case kAutoEnterKeyboard:
            if (length >= maxLengthOf(line)) return pressEnter();
            return std::nullopt;
        default: return std::nullopt;
    }
}

}  // namespace tessel::sim
