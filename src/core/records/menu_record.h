#pragma once
// One menu screen: an optional caption and up to 10 items, each leading to a
// form, another menu or the terminal's main menu.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

inline constexpr std::size_t kItemsPerMenu = 10;

struct MenuRecord {
    Byte reserved0;
    Byte captionOn;
    TextCell caption;
    std::array<TextCell, kItemsPerMenu> itemName;
    Byte menuEscTarget;               // target code: 0 main menu, 1..10 form, 11..20 menu
    Bytes<kItemsPerMenu> itemTarget;  // target code per item
    Byte saveCaption;                 // 1 = the caption is saved with the collected data
    Byte saveSelectedItem;
    Byte menuPassDown;
    Byte itemCount;  // items whose name holds a visible character
    // Kept by the simulator while the menu is shown: the highlighted item
    // (0-based), then a byte cleared together with it.
    Bytes<2> runtime;
    Bytes<100> reserved250;
};

static_assert(std::is_trivially_copyable_v<MenuRecord>);
static_assert(sizeof(MenuRecord) == 350);
static_assert(offsetof(MenuRecord, reserved0) == 0);
static_assert(offsetof(MenuRecord, captionOn) == 1);
static_assert(offsetof(MenuRecord, caption) == 2);
static_assert(offsetof(MenuRecord, itemName) == 23);
static_assert(offsetof(MenuRecord, menuEscTarget) == 233);
static_assert(offsetof(MenuRecord, itemTarget) == 234);
static_assert(offsetof(MenuRecord, saveCaption) == 244);
static_assert(offsetof(MenuRecord, saveSelectedItem) == 245);
static_assert(offsetof(MenuRecord, menuPassDown) == 246);
static_assert(offsetof(MenuRecord, itemCount) == 247);
static_assert(offsetof(MenuRecord, runtime) == 248);
static_assert(offsetof(MenuRecord, reserved250) == 250);

inline constexpr std::array<FieldLayout, 12> kMenuRecordLayout{{
    TESSEL_FIELD(MenuRecord, reserved0, FieldKind::Bytes),
    TESSEL_FIELD(MenuRecord, captionOn, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, caption, FieldKind::Text),
    TESSEL_FIELD(MenuRecord, itemName, FieldKind::Text, kItemsPerMenu),
    TESSEL_FIELD(MenuRecord, menuEscTarget, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, itemTarget, FieldKind::Number, kItemsPerMenu),
    TESSEL_FIELD(MenuRecord, saveCaption, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, saveSelectedItem, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, menuPassDown, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, itemCount, FieldKind::Number),
    TESSEL_FIELD(MenuRecord, runtime, FieldKind::Bytes),
    TESSEL_FIELD(MenuRecord, reserved250, FieldKind::Bytes),
}};

inline constexpr std::array<ElementMember, 2> kMenuItemMembers{{
    {"itemName", "name"},
    {"itemTarget", "target"},
}};

inline constexpr std::array<ElementList, 1> kMenuRecordLists{{
    {"items", "item", kItemsPerMenu, kMenuItemMembers},
}};

}  // namespace tessel
