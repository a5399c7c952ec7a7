#pragma once
// Where the function keys FN+1..FN+4 lead from a form. Summation and Remains
// targets have settings of their own (branch_options_model.h), edited from
// here on the same record, so Cancel here undoes them too.
#include "editors/form_lists.h"
#include "editors/form_record_edit.h"

namespace tessel {

class Strings;

enum BranchTarget : int {
    kBranchDisabled = 0,  // 1..10 lead to form 1..10
    kBranchRemains = 11,
    kBranchSummation = 12,
    kBranchDeleteLast = 13,
};

class BranchDialogModel : public FormRecordEdit {
public:
    // Opening disables a key whose stored target is unknown.
    explicit BranchDialogModel(FormRecord& form);

    static ListEntries targetEntries(const Strings& strings);

    void setTarget(std::size_t key, int value) { form_.branchTarget[key] = static_cast<Byte>(value); }
    int target(std::size_t key) const { return form_.branchTarget[key]; }
    // Remains and Summation have more settings.
    bool hasOptions(std::size_t key) const;
    // The record the option dialogs of a key edit.
    FormRecord& record() { return form_; }
};

}  // namespace tessel
