#include "core/file_dialogs.h"

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

FileFilter filterOf(const Strings& strings, int labelId, int patternsId) {
    return {strings.utf8(labelId), strings.utf8(patternsId)};
}

FileFilter builtinFilterOf(const Strings& strings, int labelId, int patternsId) {
    return {cp1251ToUtf8(strings.table().text(labelId)), cp1251ToUtf8(strings.table().text(patternsId))};
}

}  // namespace

FileDialogRequest openProjectRequest(const Strings& strings, const std::string& currentPath) {
    return {{filterOf(strings, 1201, 1206), filterOf(strings, 1202, 1207)}, "TSX", currentPath, false};
}

FileDialogRequest saveProjectRequest(const Strings& strings) {
    return {{filterOf(strings, 1182, 1206)}, "TSX", "", true};
}

FileDialogRequest openLookupRequest(const Strings& strings, const std::string& currentPath) {
    return {{filterOf(strings, 1181, 1208), filterOf(strings, 1202, 1207)}, "TXT", currentPath, false};
}

FileDialogRequest saveDataRequest(const Strings& strings) {
    return {{builtinFilterOf(strings, 1181, 1208), builtinFilterOf(strings, 1202, 1207)}, "TXT", "", true};
}

}  // namespace tessel
