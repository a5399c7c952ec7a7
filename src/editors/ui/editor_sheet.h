#pragma once
// The editor sheet: the pages that edit the definition, with OK and Cancel.
// The sheet knows its pages only as EditorPages handed to it in tab order, so
// pages from any subsystem plug in. Each page loads its working copy when it
// is first shown; OK applies every page that was loaded, Cancel drops their
// copies. Whatever changed the definition while the sheet was open (a page's
// accept, or a dialog that writes at once) marks the project modified and is
// kept as the steps that Undo takes back.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "core/definition.h"
#include "core/edit_history.h"
#include "editors/ui/editor_page.h"

class QTabWidget;

namespace tessel {

class MessageService;
class Strings;
struct Project;

class EditorSheet : public QDialog {
    Q_OBJECT
public:
    EditorSheet(Project& project, const Strings& strings, QWidget* parent = nullptr);

    // Adds the next page under the next of the six tab titles; the sheet takes
    // the widget. The first page added is loaded at once.
    void addPage(QWidget* widget, EditorPage* page);
    template <typename Page>
    Page* addPage(Page* page) {
        addPage(page, page);
        return page;
    }

    // Cancel, Esc and closing the window then ask through `messages` before
    // they drop changes; without it they drop them at once.
    void askBeforeDiscarding(MessageService& messages) { messages_ = &messages; }

    void accept() override;
    void reject() override;

    // Whether closing without OK would drop a change, or leave one that a
    // dialog wrote at once.
    bool hasChanges() const;
    // What reached the definition while the sheet was open, in order: each
    // write made at once, then what OK applied.
    const std::vector<EditStep>& steps() const { return steps_; }

    QTabWidget* tabs() const { return tabs_; }

private:
    struct Entry {
        EditorPage* page;
        bool loaded;
    };

    void loadOnFirstShow(int index);
    bool userAllowsDiscarding() const;
    // Keeps what changed since the last step as a step named `change`.
    void recordStep(const std::string& change);

    Project& project_;
    const Strings& strings_;
    MessageService* messages_ = nullptr;
    QTabWidget* tabs_;
    std::vector<Entry> pages_;
    // The definition as the last step left it (as the sheet found it before
    // the first), to tell what the next step changed.
    std::unique_ptr<Definition> checkpoint_;
    std::vector<EditStep> steps_;
};

}  // namespace tessel
