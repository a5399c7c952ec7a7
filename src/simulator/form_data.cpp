// The form's data side: where a lookup's verdict on Enter leads, the lookup
// lines, and what a completed form does with its record (the record store,
// the lookup data, the printer port).
#include <algorithm>
#include <utility>

#include "simulator/field_types.h"
#include "simulator/form_runner.h"
#include "simulator/output_record.h"

namespace tessel::sim {
namespace {

enum RecordAction : Byte {
    kSave = 0,
    kSaveAndUpdate = 2,
    kOutputRecord = 4,
    kOutputScreen = 5,
    kSaveAndOutputRecord = 6,
    kSaveAndOutputScreen = 7,
};

bool savesRecord(Byte action) {
    return action == kSave || action == kSaveAndUpdate || action == kSaveAndOutputRecord ||
           action == kSaveAndOutputScreen;
}

// The rows as a printer gets them: without trailing blanks, each ended by
// CR LF, up to the last row that shows something.
std::string screenPrint(const Screen& screen) {
    std::vector<std::string> rows;
    for (int row = 0; row < kScreenRows; ++row) {
        std::string text = screen.rows[row];
        text.erase(text.find_last_not_of(' ') + 1);
        rows.push_back(std::move(text));
    }
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    std::string print;
    for (const auto& text : rows) print += text + "\r\n";
    return print;
}

}  // namespace

const LookupRecord& FormRunner::lookupLayout() const {
    static const LookupRecord kNone{};
    const int number = record().formLookup;
    if (number < 1 || number > static_cast<int>(kLookupCount)) return kNone;
    return project_.definition.lookups[static_cast<std::size_t>(number - 1)];
}

// A refusal keeps the field; a match not found goes where the form's error
// action says ("Skip error" stays on the field), after the warning when the
// lookup gives one.
std::optional<Departure> FormRunner::followLookup(const LookupVerdict& verdict) {
    using Kind = LookupVerdict::Kind;
    const int errorAction = record().errorAction;
    errorTarget_ = errorAction - 1;
    const bool leaves = verdict.kind == Kind::NotFound && errorAction != 0 && !leadsNowhere(errorTarget_);
    if (verdict.message == 0) {  // a match not found that clears the screen without a word
        if (leaves) return Departure{errorTarget_, true};
        enter(form_);
        return std::nullopt;
    }
    showMessage(verdict.message);
    if (verdict.kind == Kind::Accept) {
        afterMessage_ = AfterMessage::MoveOn;
    } else if (leaves) {
        afterMessage_ = AfterMessage::Leave;
    } else if (verdict.clear) {
        afterMessage_ = AfterMessage::Clear;
    }
    return std::nullopt;
}

std::optional<Departure> FormRunner::leaveMessage() {
    const AfterMessage after = std::exchange(afterMessage_, AfterMessage::Stay);
    switch (after) {
        case AfterMessage::Stay: render(); break;
        case AfterMessage::MoveOn: render(); return moveOn();
        case AfterMessage::Clear: enter(form_); break;
        case AfterMessage::Leave: return Departure{errorTarget_, true};
    }
    return std::nullopt;
}

void FormRunner::showLookupColumns() {
    for (std::size_t line = 0; line < kFieldsPerForm; ++line) {
        if (typeOf(static_cast<int>(line)) != kFieldLookup) continue;
        if (auto shown = lookup_.shownColumn(record(), line)) lines_[line].input = std::move(*shown);
    }
}

// The record is built as the output record is, before the lookup data takes
// the form's values, so it shows the lookup lines as the user saw them.
void FormRunner::keepRecord(const std::array<std::string, kFieldsPerForm>& inputs) {
    const Byte action = record().recordAction;
    const SystemSettings& settings = project_.definition.settings;
    const Delimiters delimiters{settings.fieldDelimiter1, settings.fieldDelimiter2};
    const bool printsRecord = action == kOutputRecord || action == kSaveAndOutputRecord;
    if (savesRecord(action) || printsRecord) {
        std::string built = buildOutputRecord(record(), inputs, delimiters, clock_.now());
        if (printsRecord) data_.printed = built + "\r\n";
        if (savesRecord(action)) data_.records.push_back(std::move(built));
    }
    if (action == kOutputScreen || action == kSaveAndOutputScreen) data_.printed = screenPrint(screen_);
    lookup_.complete(record(), lookupLayout(), inputs);
}

}  // namespace tessel::sim
