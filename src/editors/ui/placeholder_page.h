#pragma once
// Stands in for a page of the sheet that this build does not have yet; it
// holds no working copy, so there is nothing to apply or drop.
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
};

}  // namespace tessel
