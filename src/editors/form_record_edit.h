#pragma once
// The option dialogs of the Form page change the page's working record at
// once, so that everything they show is what the record holds. Each keeps the
// record as it was when the dialog opened, and Cancel puts it back.
#include "core/records/form_record.h"

namespace tessel {

class FormRecordEdit {
public:
    explicit FormRecordEdit(FormRecord& form) : form_(form), backup_(form) {}

    const FormRecord& form() const { return form_; }
    void cancel() { form_ = backup_; }

protected:
    FormRecord& form_;

private:
    FormRecord backup_;
};

}  // namespace tessel
