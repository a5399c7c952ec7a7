#include "editors/branch_options_model.h"

#include "core/records/form_record.h"
#include "core/strings.h"

namespace tessel {
namespace {

constexpr int kFields = 8;
constexpr int kSources = 4;
constexpr int kVariables = 3;

// A stored choice outside its list shows the first entry.
int listIndex(unsigned stored, int count) { return static_cast<int>(stored) < count ? static_cast<int>(stored) : 0; }

}  // namespace

ListEntries branchFieldEntries(const Strings& strings) {
    ListEntries entries;
    const auto stem = strings.utf8(1361);
    for (int n = 1; n <= kFields; ++n) entries.push_back(stem + std::to_string(n));
    return entries;
}

SummationModel::SummationModel(FormRecord& form, std::size_t key) : form_(form), key_(key) {
    const Byte packed = form.sumSpec[key];
    source = listIndex(form.sumSource[key], kSources);
    sumField = listIndex(kSumField.get(packed), kFields);
    const unsigned multiplier = kSumMultiplierField.get(packed);
    multiply = multiplier != 0;
    multiplierField = multiply ? listIndex(multiplier - 1, kFields) : 0;
}

ListEntries SummationModel::sourceEntries(const Strings& strings) {
    return {strings.utf8(1191), strings.utf8(1192), strings.utf8(1193), strings.utf8(1194)};
}

void SummationModel::accept() {
    const unsigned multiplier = multiply ? static_cast<unsigned>(multiplierField + 1) : 0;
    form_.sumSpec[key_] = static_cast<Byte>(kSumMultiplierField.with(static_cast<unsigned>(sumField), multiplier));
    form_.sumSource[key_] = static_cast<Byte>(source);
}

RemainsModel::RemainsModel(FormRecord& form, std::size_t key) : form_(form), key_(key) {
    const Byte packed = form.remainsSpec[key];
    const Byte filter = form.remainsFilter[key];
    filterOn = packed >= 16;
    filterIsSuffix = kRemainsFilterIsSuffix.get(filter) != 0;
    variable = listIndex(kRemainsFilterVariable.get(filter), kVariables);
    lookupField = listIndex(kRemainsLookupField.get(packed), kFields);
}

ListEntries RemainsModel::variableEntries(const Strings& strings) {
    return {strings.utf8(1345), strings.utf8(1346), strings.utf8(1347)};
}

void RemainsModel::accept() {
    form_.remainsSpec[key_] = static_cast<Byte>((filterOn ? 16 : 0) | lookupField);
    form_.remainsFilter[key_] = static_cast<Byte>((filterIsSuffix ? 1 : 0) | (variable * 16));
}

}  // namespace tessel
