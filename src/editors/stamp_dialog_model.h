#pragma once
// The Date & Time Stamp settings of a form: where the stamp goes in the
// record and which parts it has.
#include <string>
#include <string_view>

#include "editors/form_lists.h"
#include "editors/form_record_edit.h"

namespace tessel {

class Strings;

// A check box of the dialog and the byte it stores 0 or 1 into.
using StampFlag = Byte FormRecord::*;

class StampDialogModel : public FormRecordEdit {
public:
    using FormRecordEdit::FormRecordEdit;

    static ListEntries positionEntries(const Strings& strings);
    static ListEntries yearDigitEntries();
    static ListEntries dateStyleEntries();

    void setPosition(int value) { form_.stampPosition = static_cast<Byte>(value); }
    void setFlag(StampFlag flag, bool on) { form_.*flag = on ? 1 : 0; }
    void setYearDigits(int value) { form_.stampYearDigits = static_cast<Byte>(value); }
    void setDateStyle(int value) { form_.stampDateStyle = static_cast<Byte>(value); }
    // Each separator is one character; returns the text the edit must show.
    std::string setDateSeparator(std::string_view text);
    std::string setTimeSeparator(std::string_view text);

    std::string dateSeparator() const;
    std::string timeSeparator() const;
    // "YYYY/MM/DD" and "HH:MM:SS" for the settings as they stand, which the
    // dialog shows after "Date Format :" and "Time Format :".
    std::string dateFormat() const;
    std::string timeFormat() const;
};

}  // namespace tessel
