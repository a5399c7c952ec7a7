#include "editors/editor_caption.h"

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr int kProgramNameSlot = 2;
constexpr int kNewFileSlot = 3;
constexpr std::array<int, kEditorPages> kTabTitleSlots{51, 201, 251, 301, 601, 701};
constexpr std::array<const char*, kEditorPages> kTabTitles{"Form", "Menu", "Lookup", "Barcode", "Settings", "Startup"};

// While a language is active its slot is used as it stands, even when empty.
std::string languageOr(const Strings& strings, int slot, std::string_view builtin) {
    if (!strings.language().active()) return std::string(builtin);
    return cp1251ToUtf8(strings.language().text(slot));
}

}  // namespace

std::string editorCaption(const Strings& strings, std::string_view currentPath) {
    const bool unnamed = currentPath.empty() || currentPath == "Unknow";
    const auto file = unnamed ? languageOr(strings, kNewFileSlot, "New file") : std::string(currentPath);
    return languageOr(strings, kProgramNameSlot, "Tessel Studio") + " - [ " + file + " ]";
}

std::array<std::string, kEditorPages> editorTabTitles(const Strings& strings) {
    std::array<std::string, kEditorPages> titles;
    for (std::size_t page = 0; page < kEditorPages; ++page) {
        titles[page] = languageOr(strings, kTabTitleSlots[page], kTabTitles[page]);
    }
    return titles;
}

}  // namespace tessel
