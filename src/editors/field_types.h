#pragma once
// The data types of a form field and what each one lets the user set on its
// row of the Form page.
#include "core/bytes.h"
#include "core/records/field_type.h"

namespace tessel {

// Input sources a row can store; a pause always reads the keypad.
inline constexpr Byte kSourceKeypad = 1;
inline constexpr Byte kSourceBoth = 2;

// Which controls of a field row are enabled.
struct RowEnabling {
    bool prompt = false;
    bool more = false;  // the "more..." button to the Properties dialog
    bool inputSource = false;
    bool link = false;
    bool lengths = false;  // min and max length

    bool operator==(const RowEnabling&) const = default;
};

RowEnabling rowEnabling(int type, bool formHasLookup);

// Types whose lookup link may also name a column with a sign (-field, +field).
bool hasSignedColumns(int type);

// Types that take typed or scanned data and run on over following extension
// lines: 1..6 and 14..18.
bool collectsData(int type);

// Whether changing a field from `oldType` to `newType` clears its fixed
// length, initial value, prefix, suffix, input mark and check digit.
bool typeChangeResetsProperties(int oldType, int newType);

}  // namespace tessel
