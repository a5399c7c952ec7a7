#include "simulator/form_lookup.h"

#include "simulator/field_types.h"
#include "simulator/remains_number.h"

namespace tessel::sim {
namespace {

constexpr Byte kLastPlainLink = 8;
constexpr Byte kLastMinusLink = 16;
constexpr Byte kLastPlusLink = 24;

enum NoMatchAction : Byte {
    kContinue = 0,
    kWarn = 1,
    kInsert = 2,
    kWarnAndInsert = 3,
    kClear = 4,
    kWarnAndClear = 5,
};

enum RecordAction : Byte { kUpdateLookup = 1, kSaveAndUpdate = 2 };

bool takesSignedLink(int type) { return type == kFieldInteger || type == kFieldReal || type == kFieldAuto; }

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

// Only the numeric types take a column with a sign; any other type reads a
// signed link as its plain column, as the form page folds it.
std::optional<ColumnLink> columnLink(const FormRecord& form, std::size_t line) {
    const Byte link = form.fieldLink[line];
    if (link == 0 || link > kLastPlusLink) return std::nullopt;
    if (link <= kLastPlainLink) return ColumnLink{static_cast<std::size_t>(link - 1), 0};
    if (!takesSignedLink(form.fieldType[line])) {
        const int folded = link & 7;
        return ColumnLink{static_cast<std::size_t>(folded == 0 ? 7 : folded - 1), 0};
    }
    if (link <= kLastMinusLink) return ColumnLink{static_cast<std::size_t>(link - kLastPlainLink - 1), -1};
    return ColumnLink{static_cast<std::size_t>(link - kLastMinusLink - 1), +1};
}

bool FormLookup::active(const FormRecord& form) const { return data(form) != nullptr; }

const LookupColumns* FormLookup::foundRecord(const FormRecord& form) const {
    const LookupData* lookup = data(form);
    if (lookup == nullptr || !found_ || !lookup->holds(*found_)) return nullptr;
    return &lookup->record(*found_);
}

LookupVerdict FormLookup::enter(const FormRecord& form, const LookupRecord& layout, std::size_t line,
                                std::string_view input) {
    const LookupData* lookup = data(form);
    const auto link = columnLink(form, line);
    if (lookup == nullptr || !link || !isInputType(form.fieldType[line])) return {};
    if (link->sign != 0) return checkRemains(form, layout, *link, input);
    if (link->column == lookup->keyColumn()) return search(form, layout, input);
    return {};
}

LookupVerdict FormLookup::search(const FormRecord& form, const LookupRecord& layout, std::string_view input) {
    LookupData& lookup = *data(form);
    const std::string name = "lookup " + std::to_string(form.formLookup) + ": " + quoted(input);
    found_ = lookup.find(input, layout.readOnce != 0);
    if (found_) {
        data_.logSearch(name + " found, record " + std::to_string(*found_ + 1));
        return {};
    }
    const Byte action = layout.noMatchAction;
    if (action == kInsert || action == kWarnAndInsert) {
        LookupColumns columns;
        columns[lookup.keyColumn()] = std::string(input);
        found_ = lookup.insert(std::move(columns));
        data_.logSearch(name + " not found, inserted as record " + std::to_string(*found_ + 1));
        return {LookupVerdict::Kind::Accept, action == kWarnAndInsert ? kMessageNotFound : 0};
    }
    data_.logSearch(name + " not found");
    if (action == kWarn) return {LookupVerdict::Kind::NotFound, kMessageNotFound};
    if (action == kClear) return {LookupVerdict::Kind::NotFound, 0, true};
    if (action == kWarnAndClear) return {LookupVerdict::Kind::NotFound, kMessageNotFound, true};
    return {};  // continue, and the values no list entry offers
}

// A quantity taken from the remains may not leave them below zero unless the
// lookup permits negative remains; a column that holds no number refuses.
LookupVerdict FormLookup::checkRemains(const FormRecord& form, const LookupRecord& layout, ColumnLink link,
                                       std::string_view input) const {
    const LookupColumns* found = foundRecord(form);
    if (found == nullptr) return {};
    const auto base = parseDecimal((*found)[link.column]);
    const auto amount = parseDecimal(input);
    if (!base || !amount) return {LookupVerdict::Kind::Refuse, kMessageWrongType};
    if (addDecimal(*base, *amount, link.sign).units < 0 && layout.negativeRemains == 0)
        return {LookupVerdict::Kind::Refuse, kMessageTooLong};
    return {};
}

std::optional<std::string> FormLookup::shownColumn(const FormRecord& form, std::size_t line) const {
    const LookupData* lookup = data(form);
    const auto link = columnLink(form, line);
    if (lookup == nullptr || !link) return std::nullopt;
    const LookupColumns* found = foundRecord(form);
    return found ? (*found)[link->column] : std::string();
}

void FormLookup::complete(const FormRecord& form, const LookupRecord& layout,
                          const std::array<std::string, kFieldsPerForm>& inputs) {
    LookupData* lookup = data(form);
    if (lookup == nullptr) return;
    if (foundRecord(form) == nullptr) found_.reset();
    if (found_) {
        if (layout.readOnce != 0) lookup->markRead(*found_);
        bookRemains(form, layout, inputs);
    }
    if (form.recordAction == kUpdateLookup || form.recordAction == kSaveAndUpdate) writeBack(form, inputs);
}

void FormLookup::bookRemains(const FormRecord& form, const LookupRecord& layout,
                             const std::array<std::string, kFieldsPerForm>& inputs) {
    LookupData& lookup = *data(form);
    bool reachedZero = false;
    for (std::size_t line = 0; line < kFieldsPerForm; ++line) {
        const auto link = columnLink(form, line);
        if (!link || link->sign == 0) continue;
        const auto base = parseDecimal(lookup.record(*found_)[link->column]);
        const auto amount = parseDecimal(inputs[line]);
        if (!base || !amount) continue;
        const DecimalNumber remains = addDecimal(*base, *amount, link->sign);
        lookup.setColumn(*found_, link->column, formatDecimal(remains));
        reachedZero = reachedZero || remains.units == 0;
    }
    if (reachedZero && layout.deleteIfNull != 0) {
        lookup.remove(*found_);
        found_.reset();
    }
}

// The input fields linked to a plain column go into the record found, or
// into a new record when the key found none.
void FormLookup::writeBack(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs) {
    LookupData& lookup = *data(form);
    if (!found_) found_ = lookup.insert({});
    for (std::size_t line = 0; line < kFieldsPerForm; ++line) {
        const auto link = columnLink(form, line);
        if (!link || link->sign != 0 || !isInputType(form.fieldType[line])) continue;
        lookup.setColumn(*found_, link->column, inputs[line]);
    }
}

}  // namespace tessel::sim
