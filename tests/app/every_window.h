#pragma once
// Every window the desktop program shows, made for the tests that read them
// as a user does: the editor sheet with its six pages, each dialog the pages
// open, the preferences, About and the progress window. With `russian` the
// shipped Russian language and the desktop's Russian translations are in
// force while the windows are made.
#include <QDialog>
#include <QTabWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/editor_pages.h"
#include "core/defaults.h"
#include "core/messages.h"
#include "core/model_family.h"
#include "core/preferences_form.h"
#include "core/project.h"
#include "core/strings.h"
#include "core/ui/about_box.h"
#include "core/ui/control_names.h"
#include "core/ui/interface_translation.h"
#include "core/ui/preferences_dialog.h"
#include "editors/ui/branch_dialog.h"
#include "editors/ui/branch_options_dialogs.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/field_properties_dialog.h"
#include "editors/ui/function_key_dialog.h"
#include "editors/ui/grid_dialog.h"
#include "editors/ui/lookup_field_properties_dialog.h"
#include "editors/ui/printer_dialog.h"
#include "editors/ui/security_dialog.h"
#include "editors/ui/stamp_dialog.h"
#include "link/ui/progress_dialog.h"
#include "reader/option_tables.h"
#include "reader/ui/code_id_dialog.h"
#include "reader/ui/option_dialog.h"
#include "reader/ui/rfid_dialog.h"
#include "reader/ui/weight_code_dialog.h"
#include "support/projects.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/shipped_russian.h"

namespace tessel::test {

// A window and the name a failure calls it by.
struct ShownWindow {
    QString name;
    QWidget* widget;
};

class EveryWindow {
public:
    explicit EveryWindow(bool russian, int family = kFamily4760) : project_(newProject(family)) {
        // As the program does, every window names its controls when shown.
        ui::nameControlsOfShownWindows();
        if (russian) useRussian();
        makeSheet();
        makeDialogs();
    }
    ~EveryWindow() { windows_.clear(); }

    // The sheet's pages each count as a window of their own, as the user
    // sees one page at a time.
    std::vector<ShownWindow> windows() const {
        std::vector<ShownWindow> shown;
        for (const auto& window : windows_) shown.push_back({window->objectName(), window.get()});
        auto* tabs = sheet_->findChild<QTabWidget*>();
        for (int page = 0; page < tabs->count(); ++page) shown.push_back({tabs->tabText(page), tabs->widget(page)});
        return shown;
    }

    EditorSheet& sheet() { return *sheet_; }
    const Strings& strings() const { return strings_; }

private:
    void useRussian() {
        test::loadShippedRussian(strings_.language());
        project_.defaults = loadDefaultTexts(strings_, project_.family);
        ASSERT_TRUE(translation_.use("ru"));
    }

    template <typename Window, typename... Args>
    void add(Args&&... args) {
        auto window = std::make_unique<Window>(std::forward<Args>(args)...);
        window->show();
        windows_.push_back(std::move(window));
    }

    void makeSheet() {
        sheet_ = new EditorSheet(project_, strings_);
        addEditorPages(*sheet_, project_, strings_, messages_, fileDialogs_, {});
        auto* tabs = sheet_->findChild<QTabWidget*>();
        for (int page = 0; page < tabs->count(); ++page) tabs->setCurrentIndex(page);
        sheet_->show();
        windows_.emplace_back(sheet_);
    }

    void makeDialogs() {
        FormRecord& form = project_.definition.forms[0];
        SystemSettings& settings = project_.definition.settings;
        Definition& definition = project_.definition;
        add<FieldPropertiesDialog>(form, 0, 0, strings_, messages_);
        add<LookupFieldPropertiesDialog>(form, 0, 0, strings_, messages_);
        add<StampDialog>(form, strings_);
        add<BranchDialog>(form, strings_);
        add<SummationDialog>(form, 0, strings_);
        add<RemainsDialog>(form, 0, strings_);
        add<PrinterDialog>(form, settings, strings_);
        add<SecurityDialog>(settings, strings_, messages_);
        add<FunctionKeyDialog>(settings, strings_);
        add<GridDialog>(std::span<const Byte>(gridValue_), gridValue_.size(), strings_, messages_);
        for (const OptionDialogTable& table : optionDialogs()) add<OptionDialog>(table, strings_, definition);
        add<CodeIdDialog>(definition, strings_, messages_);
        add<RfidDialog>(definition, strings_);
        add<WeightCodeDialog>(definition, strings_);
        preferences_ =
            std::make_unique<PreferencesForm>(Preferences{}, project_.family, std::vector<std::string>{"/dev/ttyUSB0"},
                                              std::vector<std::string>{"Russian"});
        add<ui::PreferencesDialog>(*preferences_, strings_, messages_, ui::CradleDetector{});
        add<ui::AboutBox>(desktop_);
        add<ui::ProgressDialog>(false, strings_);
        add<ui::ProgressDialog>(true, strings_);
    }

    Project project_;
    Strings strings_;
    ui::InterfaceTranslation translation_;
    CapturedMessages messages_;
    ScriptedFileDialogs fileDialogs_;
    RecordingDesktop desktop_;
    std::array<Byte, 8> gridValue_{};
    std::unique_ptr<PreferencesForm> preferences_;
    EditorSheet* sheet_ = nullptr;
    std::vector<std::unique_ptr<QWidget>> windows_;
};

}  // namespace tessel::test
