#pragma once
// The symbology option dialogs described as data. Each dialog is a table of
// controls, and each control names the bits it edits; one generic model and
// one generic dialog run every table. Only the rules that tie controls
// together (lengths, the Interleaved 25 check-digit choices, the MSI check
// algorithm) are code, found by the role a control plays.
#include <span>
#include <string_view>
#include <vector>

#include "reader/block_bits.h"

namespace tessel {

enum class OptionKind {
    Check,      // a check box over one bit
    Choice,     // radio buttons or a list over a bit field
    Number,     // a length field over a byte or its low seven bits
    Separator,  // the EAN128 field separator: a character and its code
};

enum class ChoiceLook { Radios, List };

enum class OptionRole {
    Plain,
    LengthMode,    // 1D: fixed lengths or maximum / minimum
    LengthOption,  // 2D: any, one, two lengths or a range
    Length1,
    Length2,
    VerifyRule,        // Interleaved 25 (2D): no verify, USS or OPCC
    TransmitChecksum,  // Interleaved 25 (2D): excludes the conversion to EAN13
    ConvertToEan13,
    CheckDigits,     // MSI (2D): one or two check digits
    CheckAlgorithm,  // MSI (2D): only with two check digits
};

struct OptionEntry {
    std::string_view text;  // a radio button's own text; empty when `stringId` names it
    int stringId;
    unsigned value;  // the value of the control's bits, counted from their lowest bit
    // The bits of `value` that tell this entry when the dialog opens; the
    // others may hold anything then. Written on OK as `value` all the same.
    unsigned telling = ~0u;
};

struct OptionControl {
    OptionKind kind;
    std::string_view name;  // object name of the control
    std::string_view text;  // check box text, group title or label; may be empty
    BlockBits field;
    std::span<const OptionEntry> entries = {};
    ChoiceLook look = ChoiceLook::Radios;
    OptionRole role = OptionRole::Plain;
    bool inverted = false;  // a check box ticked while its bit is clear
    int textId = 0;         // a label taken from the string table instead of `text`
};

struct OptionDialogTable {
    int button;  // the page's "more..." button that opens the dialog
    bool twoD;   // edits ReaderSettings (2D and long range) rather than SymbologyBlock
    std::string_view templateName;
    std::string_view caption;
    // With a language active, the caption takes this slot and the texts of
    // the controls the slots after it, in table order.
    int firstSlot;
    std::span<const OptionControl> controls;
    std::span<const BlockBits> clearedOnOk = {};
    // 1D length dialogs: the first of the four slots labelling the lengths
    // (maximum, minimum, fixed 1, fixed 2).
    int lengthLabelSlot = 0;
};

// The language slots of a table's controls: each control's own text (0 for a
// control without one) and its first radio entry's (the separator's "Text:"
// label), in table order after the caption's slot.
struct ControlSlots {
    int own;
    int firstEntry;
};
std::vector<ControlSlots> controlSlots(const OptionDialogTable& table);

// The entry of a choice that its stored bits tell, or -1 when they tell none.
int entryOf(const OptionControl& control, unsigned bits);

// Every option dialog of the Barcode page that runs on the generic model.
std::span<const OptionDialogTable> optionDialogs();
// The dialog a "more..." button opens in a mode; null when there is none.
const OptionDialogTable* optionDialogFor(bool twoD, int button);

}  // namespace tessel
