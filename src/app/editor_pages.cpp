#include "app/editor_pages.h"

#include "editors/ui/editor_sheet.h"
#include "editors/ui/lookup_page.h"
#include "editors/ui/menu_page.h"
#include "editors/ui/settings_page.h"
#include "reader/ui/barcode_page.h"
#include "simulator/ui/startup_page.h"

namespace tessel {

void addEditorPages(EditorSheet& sheet, Project& project, const Strings& strings, MessageService& messages,
                    FileDialogs& dialogs, SendKey sendKey) {
    // The Startup page's texts, which the Lookup page's accept renumbers.
    const auto workingTexts = std::make_shared<WorkingTexts>();
    sheet.addPage(new FormPage(project, strings, messages, std::move(sendKey)));
    sheet.addPage(new MenuPage(project, strings));
    sheet.addPage(new LookupPage(project, strings, messages, workingTexts));
    sheet.addPage(new BarcodePage(project, strings, messages));
    sheet.addPage(new SettingsPage(project, strings, messages));
    sheet.addPage(new StartupPage(project, strings, messages, dialogs, workingTexts));
}

}  // namespace tessel
