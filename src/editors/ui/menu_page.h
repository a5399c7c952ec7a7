#pragma once
// The Menu page of the editor sheet: the menu's caption, Esc target and data
// boxes, the ten item rows and the separate-data-files flag, bound to a
// MenuPageModel.
#include <QWidget>
#include <array>

#include "editors/menu_page_model.h"
#include "editors/ui/editor_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tessel {

struct Project;

class MenuPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    MenuPage(Project& project, const Strings& strings, QWidget* parent = nullptr);

    void load() override;
    void accept() override;
    void discard() override {}
    bool hasChanges() const override;

private:
    struct ItemRow {
        QLineEdit* name;
        QComboBox* target;
    };

    QWidget* buildMenuControls();
    QWidget* buildDataBoxes();
    QWidget* buildItemRows();
    void showMenu();

    Project& project_;
    const Strings& strings_;
    MenuPageModel model_;
    QComboBox* name_ = nullptr;
    QComboBox* esc_ = nullptr;
    QCheckBox* captionOn_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QCheckBox* saveCaption_ = nullptr;
    QCheckBox* saveSelectedItem_ = nullptr;
    QCheckBox* passDown_ = nullptr;
    QCheckBox* separateFiles_ = nullptr;
    std::array<ItemRow, kItemsPerMenu> items_{};
};

}  // namespace tessel
