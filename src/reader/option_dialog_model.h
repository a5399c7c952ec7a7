#pragma once
// Runs one option dialog's table: the controls take their values from the
// definition when the dialog opens, follow the dialog's rules while the user
// changes them, and are written into their bits on OK only; every other bit
// stays. Cancel writes nothing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reader/option_dialog_table.h"

namespace tessel {

class Strings;

class OptionDialogModel {
public:
    OptionDialogModel(const OptionDialogTable& table, const Strings& strings, Definition& definition);

    const OptionDialogTable& table() const { return table_; }
    std::size_t size() const { return table_.controls.size(); }
    const OptionControl& control(std::size_t index) const { return table_.controls[index]; }

    // Texts (UTF-8), from the active language's slots when one is active.
    std::string caption() const;
    std::string text(std::size_t index) const;
    std::string entryText(std::size_t index, std::size_t entry) const;

    // A check box's 0 or 1, a choice's entry (-1 when the stored bits name
    // none), a number's value, the separator's character.
    int value(std::size_t index) const { return values_[index]; }
    bool enabled(std::size_t index) const;

    void setChecked(std::size_t index, bool on);
    void setChoice(std::size_t index, int entry);
    // Returns the text the field must show, corrected in place.
    std::string setNumber(std::size_t index, std::string_view text);
    std::string numberText(std::size_t index) const { return std::to_string(values_[index]); }
    int numberDigits(std::size_t index) const;

    // The separator: "Text:" holds the character, "ASCII:" its code; both are
    // empty while there is none. Each setter returns what the other field shows.
    std::string separatorText(std::size_t index) const;
    // The label of "Text:", `builtin` while no language is active; "ASCII:"
    // names the character set in every language.
    std::string separatorLabel(std::size_t index, std::string_view builtin = "Text:") const;
    std::string separatorCode(std::size_t index) const;
    std::string setSeparatorText(std::size_t index, std::string_view utf8);
    std::string setSeparatorCode(std::size_t index, std::string_view text);

    void accept();

private:
    std::optional<std::size_t> find(OptionRole role) const;
    int valueOf(OptionRole role) const;
    void setValue(OptionRole role, int value);
    std::string slotText(int slot, std::string_view builtin) const;
    std::string lengthLabel(OptionRole role) const;
    void storeLengths();

    const OptionDialogTable& table_;
    const Strings& strings_;
    Definition& definition_;
    std::vector<int> values_;
    std::vector<int> slots_;        // language slot of each control's own text, 0 for none
    std::vector<int> entrySlots_;   // language slot of each control's first radio text
    std::vector<unsigned> loaded_;  // the numbers as the dialog found them
};

}  // namespace tessel
