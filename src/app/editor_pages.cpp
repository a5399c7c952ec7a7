#include "app/editor_pages.h"

#include "editors/editor_caption.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/placeholder_page.h"
#include "editors/ui/widget_binding.h"
#include "reader/ui/barcode_page.h"

namespace tessel {
namespace {

constexpr std::size_t kBarcodePageTab = 3;

}  // namespace

void addEditorPages(EditorSheet& sheet, Project& project, const Strings& strings, MessageService& messages,
                    SendKey sendKey) {
    const auto titles = editorTabTitles(strings);
    sheet.addPage(new FormPage(project, strings, messages, std::move(sendKey)));
    for (std::size_t page = 1; page < kEditorPages; ++page) {
        if (page == kBarcodePageTab) {
            sheet.addPage(new BarcodePage(project, strings, messages));
        } else {
            sheet.addPage(new PlaceholderPage(toQString(titles[page])));
        }
    }
}

}  // namespace tessel
