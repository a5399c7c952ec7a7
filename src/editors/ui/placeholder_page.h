#pragma once
// An empty page of the sheet: it holds no working copy, so there is nothing to
// apply or drop. Tests put these before the page they try, so that it sits at
// its own tab.
#include <QWidget>

#include "editors/ui/editor_page.h"

namespace tessel {

class PlaceholderPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    explicit PlaceholderPage(const QString& title, QWidget* parent = nullptr);

    void load() override {}
    void accept() override {}
    void discard() override {}
    bool hasChanges() const override { return false; }
};

}  // namespace tessel
