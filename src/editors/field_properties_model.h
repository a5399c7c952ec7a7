#pragma once
// The Properties of an ordinary field (every type but lookup): fixed length,
// initial value, prefix and suffix, input mark, decimal places, partial
// barcode, leading code, check digit and auto ENTER.
#include "editors/field_options_edit.h"
#include "editors/field_types.h"

namespace tessel {

class FieldPropertiesModel : public FieldOptionsEdit {
public:
    // Digits of the partial-barcode boxes: enough for a length of 160.
    static constexpr std::size_t kPartialDigits = 3;

    // Opening turns a partial start of 0 into 1 and a partial length of 0 or
    // above 160 into 160.
    FieldPropertiesModel(FormRecord& form, std::size_t field);

    static ListEntries decimalPlaceEntries(const Strings& strings);
    static ListEntries checkDigitEntries(const Strings& strings);
    static ListEntries autoEnterEntries(const Strings& strings);

    bool initialValueBoxEnabled() const { return type() != kFieldFixedData; }
    bool showInputMarkBoxEnabled() const { return type() != kFieldFixedData; }
    bool decimalPlacesEnabled() const;

    void setInitialValueOn(bool on) { form_.initialValueOn[field_] = on ? 1 : 0; }
    // Each text setter returns the text the edit must show (UTF-8).
    std::string setInitialValue(std::string_view text);
    void setShowInputMark(bool on) { showInputMark_ = on; }
    std::string setInputMark(std::string_view text);
    void setDecimalPlaces(int value) { form_.decimalPlaces[field_] = static_cast<Byte>(value); }
    void setPartialOn(bool on) { form_.partialOn[field_] = on ? 1 : 0; }
    std::string setPartialStart(std::string_view text);
    std::string setPartialLength(std::string_view text);
    void setSaveFullBarcode(bool on) { saveFullBarcode_ = on; }
    void setLeadingCodeOn(bool on) { form_.leadingCodeOn[field_] = on ? 1 : 0; }
    std::string setLeadingCode(std::string_view text);
    // On selects the first method.
    void setCheckDigitOn(bool on) { form_.checkDigit[field_] = on ? 1 : 0; }
    void setCheckDigitMethod(int index) { form_.checkDigit[field_] = static_cast<Byte>(index + 1); }
    void setAutoEnter(int value) { form_.autoEnter[field_] = static_cast<Byte>(value); }

    bool showInputMark() const { return showInputMark_; }
    bool saveFullBarcode() const { return saveFullBarcode_; }
    std::string initialValue() const;
    std::string inputMark() const;
    std::string partialStart() const;
    std::string leadingCode() const;

    // Stores prefix and suffix, clears the input mark when it is not shown,
    // and stores the "save full barcode" bit with a start of at least 1.
    void accept();

private:
    bool showInputMark_;
    bool saveFullBarcode_;
};

}  // namespace tessel
