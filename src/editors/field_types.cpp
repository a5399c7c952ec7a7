#include "editors/field_types.h"

namespace tessel {

RowEnabling rowEnabling(int type, bool formHasLookup) {
    if (collectsData(type)) return {true, true, true, true, type != kFieldBoolean};
    switch (type) {
        case kFieldLookup: return {.prompt = true, .more = true, .link = formHasLookup};
        case kFieldFixedData: return {.prompt = true, .more = true};
        case kFieldPrompt:
        case kFieldCounter:
        case kFieldPassDown: return {.prompt = true};
        case kFieldPause: return {.prompt = true, .inputSource = true};
        default:  // none, extension, and bytes no version of the page writes
            return {};
    }
}

bool hasSignedColumns(int type) { return type == kFieldInteger || type == kFieldReal || type == kFieldAuto; }

bool collectsData(int type) {
    return (type >= kFieldText && type <= kFieldBoolean) || (type >= kFieldAlphameric && type <= kFieldCompare);
}

bool typeChangeResetsProperties(int oldType, int newType) {
    if (newType == kFieldNone) return true;
    if (newType >= kFieldFixedData) return oldType <= kFieldPause && oldType != kFieldLookup;
    return oldType >= kFieldLookup && oldType <= kFieldPause;
}

}  // namespace tessel
