#pragma once
// "Weight Code": how the terminal reads scale barcodes (a prefix, a mask and
// the form fields that take the key and the quantity). Written into the
// weight-code block on OK only.
#include <string>
#include <string_view>

#include "core/definition.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;

class WeightCodeDialogModel {
public:
    explicit WeightCodeDialogModel(Definition& definition);

    static constexpr int kFirstMask = 5;                      // the mask code of the first entry
    static ListEntries maskEntries();                         // "05" .. "09"
    static ListEntries fieldEntries(const Strings& strings);  // "field 1" .. "field 8"

    bool enabled() const { return enabled_; }
    bool format1c() const { return format1c_; }
    void setEnabled(bool on) { enabled_ = on; }
    void setFormat1c(bool on) { format1c_ = on; }
    // The prefix, mask, fields and 1C format apply only to an enabled weight code.
    bool optionsEnabled() const { return enabled_; }

    std::string prefixText() const;  // UTF-8
    void setPrefix(std::string_view utf8);
    // Makes the prefix two characters, as when its field loses the focus: an
    // empty prefix becomes two spaces, one character c becomes " c".
    // Returns the text the field must show.
    std::string padPrefix();

    // List positions; -1 while the stored value is outside the list.
    int maskChoice() const;
    int keyChoice() const;
    int quantityChoice() const;
    void setMaskChoice(int index) { mask_ = static_cast<unsigned>(index + kFirstMask); }
    void setKeyChoice(int index) { key_ = static_cast<unsigned>(index + 1); }
    void setQuantityChoice(int index) { quantity_ = static_cast<unsigned>(index + 1); }

    // Pads the prefix and stores all six values.
    void accept();

private:
    Definition& definition_;
    bool enabled_;
    bool format1c_;
    std::string prefix_;  // Windows-1251, at most two characters
    unsigned mask_;
    unsigned key_;
    unsigned quantity_;
};

}  // namespace tessel
