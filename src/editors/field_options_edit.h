#pragma once
// What both Properties dialogs of a field share: the fixed data length, and the
// prefix and suffix, which the character grid edits on scratch copies that
// reach the record only when the dialog is accepted.
#include <string>
#include <string_view>

#include "editors/character_grid.h"
#include "editors/form_lists.h"
#include "editors/form_record_edit.h"

namespace tessel {

class Strings;

// A prefix or suffix slot holds 9 bytes and a zero; the grid offers no more,
// so that nothing chosen is dropped when it is stored.
inline constexpr std::size_t kAffixCapacity = 9;

class FieldOptionsEdit : public FormRecordEdit {
public:
    FieldOptionsEdit(FormRecord& form, std::size_t field);

    static ListEntries alignmentEntries(const Strings& strings);

    std::size_t field() const { return field_; }
    int type() const { return form_.fieldType[field_]; }

    void setFixedLengthOn(bool on) { form_.fixedLengthOn[field_] = on ? 1 : 0; }
    // 0..255; returns the text the edit must show.
    std::string setFixedLength(std::string_view text);
    void setAlignment(int value) { form_.alignment[field_] = static_cast<Byte>(value); }
    void setPrefixOn(bool on) { form_.prefixOn[field_] = on ? 1 : 0; }
    void setSuffixOn(bool on) { form_.suffixOn[field_] = on ? 1 : 0; }

    GridValue& prefix() { return prefix_; }
    GridValue& suffix() { return suffix_; }

protected:
    // Stores the scratch copies into the record's 10-byte slots.
    void storeAffixes();

    std::size_t field_;

private:
    GridValue prefix_{};
    GridValue suffix_{};
};

}  // namespace tessel
