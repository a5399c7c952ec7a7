// The designed menus: an optional caption, up to 10 items, a selection kept
// in the menu record, and the targets of items and escape.
//
// Menus do not scroll: items that would fall below the last row stay hidden,
// though the selection can still move onto them with the arrows.
#include <algorithm>

#include "simulator/keys.h"
#include "simulator/simulator.h"

namespace tessel::sim {
namespace {

constexpr int kFirstMenu = 11;
constexpr std::size_t kSelectedItem = 0;  // runtime bytes: the selected item, then one cleared with it

int itemCountOf(const MenuRecord& menu) { return std::min<int>(menu.itemCount, static_cast<int>(kItemsPerMenu)); }

}  // namespace

MenuRecord& Simulator::currentMenu() {
    return project_.definition.menus[static_cast<std::size_t>(currentTarget_ - kFirstMenu)];
}

void Simulator::enterMenu(int menu, bool reset) {
    MenuRecord& record = project_.definition.menus[static_cast<std::size_t>(menu - kFirstMenu)];
    // A selection read from a file that names no item slot starts over too.
    if (reset || record.runtime[kSelectedItem] >= kItemsPerMenu) record.runtime = {0, 0};
    currentTarget_ = menu;
    screen_.state = SimState::MenuScreen;
    showMenu();
}

void Simulator::showMenu() {
    const MenuRecord& menu = currentMenu();
    const int firstItemRow = menu.captionOn ? 1 : 0;
    for (int row = 0; row < kScreenRows; ++row) screen_.rows.blank(row);
    if (menu.captionOn) screen_.rows.set(0, cellText(menu.caption));
    const int shown = std::min(itemCountOf(menu), kScreenRows - firstItemRow);
    for (int item = 0; item < shown; ++item) {
        screen_.rows.set(firstItemRow + item, cellText(menu.itemName[static_cast<std::size_t>(item)]));
    }
    screen_.highlightRow = menu.runtime[kSelectedItem] + 1 + firstItemRow;
    observer_.repaintScreen();
}

void Simulator::menuKey(int code) {
    MenuRecord& menu = currentMenu();
    Byte& selected = menu.runtime[kSelectedItem];
    const int count = itemCountOf(menu);
    // Digits 1 to 9 choose an item that exists; the tenth is reached only with
    // the arrows. An item whose target leads nowhere leaves the menu as it is,
    // its selection included.
    if (const auto digit = digitOfKey(code); digit && *digit != '0') {
        const int item = *digit - '1';
        if (item >= count) return;
        const int target = menu.itemTarget[static_cast<std::size_t>(item)];
        if (leadsNowhere(target)) return;
        selected = static_cast<Byte>(item);
        goToTarget(target);
        return;
    }
    switch (code) {
        case kKeyUp:
            if (selected > 0) --selected;
            showMenu();
            break;
        case kKeyDown:
            if (selected + 1 < count) ++selected;
            showMenu();
            break;
        case kKeyEsc: goToTarget(menu.menuEscTarget, false); break;
        case kKeyEnter:
        case kKeyEnterSecond: goToTarget(menu.itemTarget[selected]); break;
        default: break;
    }
}

}  // namespace tessel::sim
