#pragma once
// The editor sheet: the six pages that edit the definition, with OK and
// Cancel. Each page loads its working copy when it is first shown; OK applies
// every page that was loaded, Cancel drops their copies.
#include <QDialog>
#include <array>

#include "editors/editor_caption.h"
#include "editors/ui/form_page.h"

class QTabWidget;

namespace tessel {

class EditorSheet : public QDialog {
    Q_OBJECT
public:
    EditorSheet(Project& project, const Strings& strings, MessageService& messages, SendKey sendKey,
                QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

    QTabWidget* tabs() const { return tabs_; }

private:
    void loadOnFirstShow(int index);

    QTabWidget* tabs_;
    std::array<EditorPage*, kEditorPages> pages_{};
    std::array<bool, kEditorPages> loaded_{};
};

}  // namespace tessel
