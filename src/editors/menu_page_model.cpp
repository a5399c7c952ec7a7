#include "editors/menu_page_model.h"

#include "editors/typed_text.h"

namespace tessel {
namespace {}  // namespace

ListEntries MenuPageModel::menuNameEntries(const Strings& strings) {
    const ListEntries targets = targetEntries(strings);
    constexpr auto kFirstMenuTarget = static_cast<std::ptrdiff_t>(1 + kFormCount);
    return {targets.begin() + kFirstMenuTarget, targets.end()};
}

void MenuPageModel::load(const Definition& definition) {
    menus_ = definition.menus;
    settings_ = definition.settings;
    selectMenu(0);
}

void MenuPageModel::accept(Definition& definition) const {
    definition.menus = menus_;
    copyOwnedBytes(definition.settings, settings_, kMenuPageBytes);
}

bool MenuPageModel::passDownEnabled() const {
    return !separateDataFiles() && (menu().saveCaption != 0 || menu().saveSelectedItem != 0);
}

void MenuPageModel::selectMenu(std::size_t index) {
    current_ = index < kMenuCount ? index : 0;
    applyPassDownRule();
}

void MenuPageModel::setSaveCaption(bool on) {
    edited().saveCaption = on ? 1 : 0;
    applyPassDownRule();
}

void MenuPageModel::setSaveSelectedItem(bool on) {
    edited().saveSelectedItem = on ? 1 : 0;
    applyPassDownRule();
}

void MenuPageModel::setSeparateDataFiles(bool on) {
    settings_.separateDataFiles = on ? 1 : 0;
    applyPassDownRule();
}

void MenuPageModel::reset() {
    menus_.fill(MenuRecord{});
    settings_.separateDataFiles = 0;
    selectMenu(0);
}

std::string MenuPageModel::setCaption(std::string_view text) { return storeTypedText(edited().caption, text); }

std::string MenuPageModel::setItemName(std::size_t item, std::string_view text) {
    return storeTypedText(edited().itemName[item], text);
}

std::string MenuPageModel::caption() const { return cp1251ToUtf8(cellText(menu().caption)); }

std::string MenuPageModel::itemName(std::size_t item) const { return cp1251ToUtf8(cellText(menu().itemName[item])); }

void MenuPageModel::applyPassDownRule() {
    MenuRecord& shown = edited();
    const bool saving = shown.saveCaption != 0 || shown.saveSelectedItem != 0;
    if (separateDataFiles()) {
        shown.menuPassDown = saving ? 1 : 0;
    } else if (!saving) {
        shown.menuPassDown = 0;
    }
}

}  // namespace tessel
