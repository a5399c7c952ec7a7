#pragma once
// Label printing of a form: when labels are printed, how many, and which
// fields fill the print variables. The Bluetooth mode is one setting of the
// whole application and is stored at once, outside the form.
#include <string>
#include <string_view>

#include "core/records/system_settings.h"
#include "editors/form_lists.h"
#include "editors/form_record_edit.h"

namespace tessel {

class Strings;

// Texts the data lists are built from: the entry for no data, the label
// before a field number ("Line #"), and the mark of a field's second form.
struct PrintDataTexts {
    std::string none;
    std::string line;
    std::string secondForm;
};

inline constexpr std::size_t kPrintVariables = 8;

class PrinterDialogModel : public FormRecordEdit {
public:
    PrinterDialogModel(FormRecord& form, SystemSettings& settings);

    static ListEntries methodEntries(const Strings& strings);
    static ListEntries bluetoothModeEntries(const Strings& strings);
    // None, fields 1..8, then fields 1..8 in their second form.
    static ListEntries printDataEntries(const PrintDataTexts& texts);
    static ListEntries quantityFieldEntries(const PrintDataTexts& texts);

    void setMethod(int value) { form_.printMethod = static_cast<Byte>(value); }
    void setBluetoothMode(int value) { settings_.btPrintMode = static_cast<Byte>(value); }
    void setQuantityFixed(bool fixed) { quantityFixed_ = fixed; }
    // Returns the text the quantity edit must show.
    std::string setQuantity(std::string_view text);
    // The up-down control: one label more or fewer, within 1..255.
    std::string stepQuantity(int delta);
    void setQuantityField(int value) { form_.printQuantityField = static_cast<Byte>(value); }
    void setPrintData(std::size_t variable, int value) { form_.printData[variable] = static_cast<Byte>(value); }

    int bluetoothMode() const { return settings_.btPrintMode; }
    bool quantityFixed() const { return quantityFixed_; }
    const std::string& quantity() const { return quantity_; }

    // Everything but the method waits for a printing method.
    bool printingEnabled() const { return form_.printMethod != 0; }
    bool quantityEditEnabled() const { return printingEnabled() && quantityFixed_; }
    bool quantityFieldEnabled() const { return printingEnabled() && !quantityFixed_; }

    // Stores the quantity (0 for "from the form") and ends the print
    // variables at the first one without data.
    void accept();

private:
    SystemSettings& settings_;
    bool quantityFixed_;
    std::string quantity_;
};

}  // namespace tessel
