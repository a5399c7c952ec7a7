#pragma once
// The editor sheet: the pages that edit the definition, with OK and Cancel.
// The sheet knows its pages only as EditorPages handed to it in tab order, so
// pages from any subsystem plug in. Each page loads its working copy when it
// is first shown; OK applies every page that was loaded, Cancel drops their
// copies. Whatever changed the definition while the sheet was open (a page's
// accept, or a dialog that writes at once) marks the project modified.
#include <QDialog>
#include <memory>
#include <vector>

#include "core/definition.h"
#include "editors/ui/editor_page.h"

class QTabWidget;

namespace tessel {

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

    void accept() override;
    void reject() override;

    QTabWidget* tabs() const { return tabs_; }

private:
    struct Entry {
        EditorPage* page;
        bool loaded;
    };

    void loadOnFirstShow(int index);
    void markModifiedIfChanged();

    Project& project_;
    const Strings& strings_;
    QTabWidget* tabs_;
    std::vector<Entry> pages_;
    // The definition as the sheet found it, to tell whether anything changed.
    std::unique_ptr<const Definition> before_;
};

}  // namespace tessel
