#include "design/value_names.h"

#include <array>

#include "core/records/form_record.h"
#include "core/records/lookup_record.h"
#include "core/strings.h"
#include "design/design_terms.h"
#include "editors/branch_dialog_model.h"
#include "editors/branch_options_model.h"
#include "editors/field_options_edit.h"
#include "editors/field_properties_model.h"
#include "editors/function_key_dialog_model.h"
#include "editors/lookup_page_model.h"
#include "editors/printer_dialog_model.h"
#include "editors/settings_page_model.h"
#include "editors/stamp_dialog_model.h"
#include "reader/weight_code_dialog_model.h"

namespace tessel {
namespace {

using Lister = ListEntries (*)(const ValuePlace& place, const Strings& strings);

// The list that shows a member, and the value its first entry stands for.
struct MemberList {
    RecordKind kind;
    std::string_view member;
    Lister entries;
    int firstValue = 0;
};

template <ListEntries (*entries)(const Strings&)>
ListEntries byStrings(const ValuePlace&, const Strings& strings) {
    return entries(strings);
}
template <ListEntries (*entries)()>
ListEntries fixed(const ValuePlace&, const Strings&) {
    return entries();
}

// A field's link list depends on the form's lookup and the field's type.
ListEntries fieldLinks(const ValuePlace& place, const Strings& strings) {
    const int formLookup = place.record[offsetof(FormRecord, formLookup)];
    const int type = place.record[offsetof(FormRecord, fieldType) + place.element];
    return fieldLinkEntries(strings, formLookup, type);
}

ListEntries ports(const ValuePlace& place, const Strings& strings) {
    return SettingsPageModel::portEntries(strings, place.family);
}

ListEntries programStarts(const ValuePlace&, const Strings& strings) { return stringRangeEntries(strings, 1561, 1562); }

// The key is one of the columns, which the page numbers from 1.
ListEntries keyColumns(const ValuePlace&, const Strings&) {
    ListEntries columns;
    for (std::size_t column = 1; column <= kColumnsPerLookup; ++column)
        columns.push_back("column " + std::to_string(column));
    return columns;
}

using K = RecordKind;
const std::array kMemberLists{
    MemberList{K::Form, "escTarget", byStrings<targetEntries>},
    MemberList{K::Form, "nextTarget", byStrings<nextTargetEntries>},
    MemberList{K::Form, "errorAction", byStrings<errorActionEntries>},
    MemberList{K::Form, "recordAction", byStrings<recordActionEntries>},
    MemberList{K::Form, "formLookup", byStrings<formLookupEntries>},
    MemberList{K::Form, "fieldType", byStrings<fieldTypeEntries>},
    MemberList{K::Form, "inputSource", byStrings<inputSourceEntries>},
    MemberList{K::Form, "fieldLink", fieldLinks},
    MemberList{K::Form, "branchTarget", byStrings<BranchDialogModel::targetEntries>},
    MemberList{K::Form, "sumSource", byStrings<SummationModel::sourceEntries>},
    MemberList{K::Form, "alignment", byStrings<FieldOptionsEdit::alignmentEntries>},
    MemberList{K::Form, "decimalPlaces", byStrings<FieldPropertiesModel::decimalPlaceEntries>},
    MemberList{K::Form, "checkDigit", byStrings<FieldPropertiesModel::checkDigitEntries>, 1},
    MemberList{K::Form, "autoEnter", byStrings<FieldPropertiesModel::autoEnterEntries>},
    MemberList{K::Form, "stampPosition", byStrings<StampDialogModel::positionEntries>},
    MemberList{K::Form, "stampYearDigits", fixed<StampDialogModel::yearDigitEntries>},
    MemberList{K::Form, "stampDateStyle", fixed<StampDialogModel::dateStyleEntries>},
    MemberList{K::Form, "printMethod", byStrings<PrinterDialogModel::methodEntries>},
    MemberList{K::Menu, "menuEscTarget", byStrings<targetEntries>},
    MemberList{K::Menu, "itemTarget", byStrings<targetEntries>},
    MemberList{K::Lookup, "keyColumn", keyColumns},
    MemberList{K::Lookup, "noMatchAction", byStrings<LookupPageModel::noMatchActionEntries>},
    MemberList{K::Lookup, "badFormatAction", byStrings<LookupPageModel::badFormatEntries>},
    MemberList{K::Settings, "programStart", programStarts},
    MemberList{K::Settings, "functionKeyMap", byStrings<FunctionKeyDialogModel::functionEntries>},
    MemberList{K::Settings, "uploadPort", ports},
    MemberList{K::Settings, "downloadPort", ports},
    MemberList{K::Settings, "modemSpeed", byStrings<SettingsPageModel::baudRateEntries>},
    MemberList{K::Settings, "baudRate", byStrings<SettingsPageModel::baudRateEntries>},
    MemberList{K::Settings, "backlight", fixed<SettingsPageModel::backlightEntries>},
    MemberList{K::Settings, "dataDeletion", fixed<SettingsPageModel::dataDeletionEntries>},
    MemberList{K::Settings, "entryOptions", fixed<SettingsPageModel::entryOptionEntries>},
    MemberList{K::Settings, "keyClick", byStrings<SettingsPageModel::keyClickEntries>},
    MemberList{K::Settings, "goodReadBeep", byStrings<SettingsPageModel::beepEntries>},
    MemberList{K::Settings, "warningBeep", byStrings<SettingsPageModel::beepEntries>},
    MemberList{K::Settings, "vibrator", fixed<SettingsPageModel::vibratorEntries>},
    MemberList{K::Settings, "btPrintMode", byStrings<PrinterDialogModel::bluetoothModeEntries>},
    MemberList{K::WeightCode, "maskCode", fixed<WeightCodeDialogModel::maskEntries>, WeightCodeDialogModel::kFirstMask},
    MemberList{K::WeightCode, "keyField", byStrings<WeightCodeDialogModel::fieldEntries>, 1},
    MemberList{K::WeightCode, "quantityField", byStrings<WeightCodeDialogModel::fieldEntries>, 1},
};

}  // namespace

std::string valueName(const ValuePlace& place, int value, const Strings& strings) {
    for (const MemberList& list : kMemberLists) {
        if (list.kind != place.kind || list.member != place.member) continue;
        const auto entries = list.entries(place, strings);
        const int index = value - list.firstValue;
        if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) break;
        return listEntry(entries, index);
    }
    return std::to_string(value);
}

}  // namespace tessel
