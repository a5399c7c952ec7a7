#include "editors/ui/menu_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/edit_notice.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

// Edits take any length; the model cuts the text and the edit shows the cut.
constexpr int kUncutText = 0x7fff;

std::string numbered(const char* stem, std::size_t item) { return stem + std::to_string(item + 1); }

}  // namespace

MenuPage::MenuPage(Project& project, const Strings& strings, QWidget* parent)
    : QWidget(parent), project_(project), strings_(strings) {
    setObjectName("MENUDLG");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildMenuControls());
    layout->addWidget(buildDataBoxes());
    separateFiles_ = newCheckBox(this, "separateDataFiles",
                                 tr("Save the collected data for each form to separate data files."), false);
    connect(separateFiles_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSeparateDataFiles(on);
        showMenu();
    });
    layout->addWidget(separateFiles_);
    layout->addWidget(buildItemRows());
    auto* reset = new QPushButton(tr("Reset"), this);
    reset->setObjectName("resetButton");
    connect(reset, &QPushButton::clicked, this, [this] {
        model_.reset();
        showMenu();
    });
    layout->addWidget(reset, 0, Qt::AlignRight);
    layout->addStretch();
    noticeEdits(this, [this] { workingCopyChanged(); });
}

void MenuPage::load() {
    model_.load(project_.definition);
    showMenu();
}

void MenuPage::accept() { model_.accept(project_.definition); }

bool MenuPage::hasChanges() const {
    Definition accepted = project_.definition;
    model_.accept(accepted);
    return !sameBytes(accepted, project_.definition);
}

PreviewSubject MenuPage::previewSubject() const { return {PreviewSubject::Kind::Menu, model_.currentMenu()}; }

void MenuPage::showPlace(int index, int element) {
    if (index >= 0 && static_cast<std::size_t>(index) < kMenuCount) name_->setCurrentIndex(index);
    if (element >= 0 && static_cast<std::size_t>(element) < kItemsPerMenu)
        items_[static_cast<std::size_t>(element)].name->setFocus();
}

QWidget* MenuPage::buildMenuControls() {
    auto* box = new QWidget(this);
    name_ = newList(box, "menuName", MenuPageModel::menuNameEntries(strings_), 0);
    esc_ = newList(box, "escTarget", targetEntries(strings_), 0);
    captionOn_ = newCheckBox(box, "captionOn", tr("Menu caption :"), false);
    caption_ = newEdit(box, "caption", "", kUncutText);
    connect(name_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.selectMenu(static_cast<std::size_t>(i));
        showMenu();
    });
    connect(esc_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setEscTarget(i); });
    connect(captionOn_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setCaptionOn(on);
        caption_->setEnabled(on);
    });
    connect(caption_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(caption_, model_.setCaption(toUtf8(text))); });

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Name :"), box), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(tr("Esc :"), box), 0, 2);
    grid->addWidget(esc_, 0, 3);
    grid->addWidget(captionOn_, 1, 0);
    grid->addWidget(caption_, 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* MenuPage::buildDataBoxes() {
    auto* group = new QGroupBox(tr("Data"), this);
    group->setObjectName("dataGroup");
    saveCaption_ = newCheckBox(group, "saveCaption", tr("Save caption"), false);
    saveSelectedItem_ = newCheckBox(group, "saveSelectedItem", tr("Save selected item"), false);
    passDown_ = newCheckBox(group, "passDown", tr("Pass down"), false);
    connect(saveCaption_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSaveCaption(on);
        showMenu();
    });
    connect(saveSelectedItem_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSaveSelectedItem(on);
        showMenu();
    });
    connect(passDown_, &QCheckBox::toggled, this, [this](bool on) { model_.setPassDown(on); });
    auto* row = new QHBoxLayout(group);
    for (QCheckBox* box : {saveCaption_, saveSelectedItem_, passDown_}) row->addWidget(box);
    row->addStretch();
    return group;
}

QWidget* MenuPage::buildItemRows() {
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Item Name"), group), 0, 1);
    for (std::size_t item = 0; item < kItemsPerMenu; ++item) {
        ItemRow& row = items_[item];
        row.name = newEdit(group, numbered("itemName", item).c_str(), "", kUncutText);
        row.target = newList(group, numbered("itemTarget", item).c_str(), targetEntries(strings_), 0);
        const int line = static_cast<int>(item) + 1;
        row.name->setAccessibleName(tr("Item %1, name").arg(line));
        row.target->setAccessibleName(tr("Item %1, next").arg(line));
        connect(row.name, &QLineEdit::textEdited, this, [this, item](const QString& text) {
            showCorrected(items_[item].name, model_.setItemName(item, toUtf8(text)));
        });
        connect(row.target, &QComboBox::currentIndexChanged, this,
                [this, item](int i) { model_.setItemTarget(item, i); });
        grid->addWidget(new QLabel(toQString(numbered("#", item)), group), line, 0);
        grid->addWidget(row.name, line, 1);
        grid->addWidget(new QLabel(tr("Next :"), group), line, 2);
        grid->addWidget(row.target, line, 3);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

void MenuPage::showMenu() {
    const MenuRecord& menu = model_.menu();
    selectQuietly(name_, static_cast<int>(model_.currentMenu()));
    selectQuietly(esc_, menu.menuEscTarget);
    checkQuietly(captionOn_, menu.captionOn != 0);
    showCorrected(caption_, model_.caption());
    caption_->setEnabled(menu.captionOn != 0);
    checkQuietly(saveCaption_, menu.saveCaption != 0);
    checkQuietly(saveSelectedItem_, menu.saveSelectedItem != 0);
    checkQuietly(passDown_, menu.menuPassDown != 0);
    passDown_->setEnabled(model_.passDownEnabled());
    checkQuietly(separateFiles_, model_.separateDataFiles());
    for (std::size_t item = 0; item < kItemsPerMenu; ++item) {
        showCorrected(items_[item].name, model_.itemName(item));
        selectQuietly(items_[item].target, menu.itemTarget[item]);
    }
}

}  // namespace tessel
