#pragma once
// The Properties of a lookup field: whether the field's data is saved with the
// record, and then its fixed length, prefix and suffix.
#include "editors/field_options_edit.h"

namespace tessel {

class LookupFieldPropertiesModel : public FieldOptionsEdit {
public:
    using FieldOptionsEdit::FieldOptionsEdit;

    // A lookup field keeps its "save field data" flag where other fields keep
    // the initial value flag.
    void setSaveFieldData(bool on) { form_.initialValueOn[field_] = on ? 1 : 0; }
    bool saveFieldData() const { return form_.initialValueOn[field_] != 0; }

    // The three boxes need "save field data"; their companions need their box too.
    bool optionBoxesEnabled() const { return saveFieldData(); }
    bool fixedLengthControlsEnabled() const { return saveFieldData() && form_.fixedLengthOn[field_] != 0; }
    bool prefixBoxEnabled() const { return saveFieldData() && form_.prefixOn[field_] != 0; }
    bool suffixBoxEnabled() const { return saveFieldData() && form_.suffixOn[field_] != 0; }

    // Stores prefix and suffix; a lookup field has no input mark.
    void accept() {
        storeAffixes();
        form_.inputMark[field_] = 0;
    }
};

}  // namespace tessel
