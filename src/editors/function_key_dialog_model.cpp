#include "editors/function_key_dialog_model.h"

#include "core/strings.h"

namespace tessel {
namespace {

constexpr int kFirstFunctionId = 1621;
constexpr int kFunctions = 20;

}  // namespace

ListEntries FunctionKeyDialogModel::functionEntries(const Strings& strings) {
    ListEntries entries;
    for (int f = 0; f < kFunctions; ++f) entries.push_back(strings.utf8(kFirstFunctionId + f));
    return entries;
}

}  // namespace tessel
