#pragma once
// How a form consults its lookup (`formLookup` 1 to 3) while it runs: the
// field linked to the key column searches the lookup data with its input,
// "lookup" lines show columns of the record found, numeric fields linked
// with a sign take from or add to a column (the remains), and a completed
// form writes back into the lookup data. Without data loaded for the form's
// lookup none of this happens and the form runs as it always did.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/records/form_record.h"
#include "core/records/lookup_record.h"
#include "simulator/terminal_data.h"

namespace tessel::sim {

// What a field's link names in the form's lookup: a column (0 to 7) and
// whether the field's number is taken from it (-1), added to it (+1) or
// neither (0).
struct ColumnLink {
    std::size_t column = 0;
    int sign = 0;
};
std::optional<ColumnLink> columnLink(const FormRecord& form, std::size_t line);

// The lines of block 25 "Error Messages" that lookups and scans show.
inline constexpr int kMessageWrongType = 1;
inline constexpr int kMessageTooShort = 2;
inline constexpr int kMessageTooLong = 3;
inline constexpr int kMessageLeadingCode = 4;
inline constexpr int kMessageNotFound = 5;

// What Enter on a field comes to.
struct LookupVerdict {
    enum class Kind {
        Accept,    // the field is done: the form moves on
        Refuse,    // the field stays, input kept, after the message
        NotFound,  // no match that the lookup's action calls an error
    };
    Kind kind = Kind::Accept;
    int message = 0;     // a line of block 25 to show first, 0 for none
    bool clear = false;  // NotFound: the screen is cleared
};

class FormLookup {
public:
    explicit FormLookup(TerminalData& data) : data_(data) {}

    // A form entered afresh: no record found yet.
    void start() { found_.reset(); }
    // Whether the form's lookup has data loaded.
    bool active(const FormRecord& form) const;
    // Enter on `line` holding `input`.
    LookupVerdict enter(const FormRecord& form, const LookupRecord& layout, std::size_t line, std::string_view input);
    // The text a "lookup" line shows: its column of the record found (empty
    // when none was found); nothing while the form's lookup has no data.
    std::optional<std::string> shownColumn(const FormRecord& form, std::size_t line) const;
    // The form completed with these inputs: the remains are booked, a record
    // read once is marked, and "update lookup" writes the linked fields back.
    void complete(const FormRecord& form, const LookupRecord& layout,
                  const std::array<std::string, kFieldsPerForm>& inputs);

private:
    LookupData* data(const FormRecord& form) const { return data_.lookup(form.formLookup); }
    // The record found, while the form's data still holds it (data loaded
    // anew while a form runs holds other records).
    const LookupColumns* foundRecord(const FormRecord& form) const;
    LookupVerdict search(const FormRecord& form, const LookupRecord& layout, std::string_view input);
    LookupVerdict checkRemains(const FormRecord& form, const LookupRecord& layout, ColumnLink link,
                               std::string_view input) const;
    void bookRemains(const FormRecord& form, const LookupRecord& layout,
                     const std::array<std::string, kFieldsPerForm>& inputs);
    void writeBack(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs);

    TerminalData& data_;
    std::optional<std::size_t> found_;
};

}  // namespace tessel::sim
