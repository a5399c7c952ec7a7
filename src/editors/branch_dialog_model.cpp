#include "editors/branch_dialog_model.h"

#include "core/strings.h"

namespace tessel {

BranchDialogModel::BranchDialogModel(FormRecord& form) : FormRecordEdit(form) {
    for (auto& target : form_.branchTarget) {
        if (target > kBranchDeleteLast) target = kBranchDisabled;
    }
}

ListEntries BranchDialogModel::targetEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1217)};
    const auto form = strings.utf8(1214);
    for (int n = 1; n <= 10; ++n) entries.push_back(form + std::to_string(n));
    for (const int id : {1770, 1771, 1772}) entries.push_back(strings.utf8(id));
    return entries;
}

bool BranchDialogModel::hasOptions(std::size_t key) const {
    return target(key) == kBranchRemains || target(key) == kBranchSummation;
}

}  // namespace tessel
