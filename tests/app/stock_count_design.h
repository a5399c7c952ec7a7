#pragma once
// The user guide's example: a stock count. A menu leads to a form that reads
// an item code, checks it against the first lookup file and shows the item's
// description, takes a quantity and stamps each record with the date.
#include "core/bytes.h"
#include "core/project.h"
#include "core/records/field_type.h"

namespace tessel::test {

inline constexpr char kStockCountLookup[] = "4006381333931;Ballpoint pen blue\r\n5012345678900;Stapler 24/6\r\n";

inline void designStockCount(Project& project) {
    Definition& definition = project.definition;
    MenuRecord& menu = definition.menus[0];
    menu.captionOn = 1;
    setCellText(menu.caption, "Stock count");
    setCellText(menu.itemName[0], "Count items");
    menu.itemTarget[0] = 1;  // form 1

    // item code;description, one item a line, keyed by the code.
    LookupRecord& items = definition.lookups[0];
    items.delimiter = ';';
    items.columnCount = 2;
    items.keyColumn = 0;
    items.columnLength = {13, 20, 0, 0, 0, 0, 0, 0};
    items.noMatchAction = 1;    // show a warning
    items.badFormatAction = 2;  // skip the record

    FormRecord& form = definition.forms[0];
    form.formLookup = 1;
    form.escTarget = 11;  // menu 1
    form.nextTarget = 1;  // the next item
    form.fieldType[0] = static_cast<Byte>(kFieldText);
    setCellText(form.fieldPrompt[0], "Item:");
    form.maxLength[0] = 13;
    form.fieldLink[0] = 1;  // the key column
    form.fieldType[1] = static_cast<Byte>(kFieldLookup);
    form.fieldLink[1] = 2;  // the description column
    form.fieldType[2] = static_cast<Byte>(kFieldInteger);
    setCellText(form.fieldPrompt[2], "Qty:");
    form.inputSource[2] = 1;  // keypad
    form.maxLength[2] = 5;
    form.stampPosition = 2;  // after the fields
    form.stampYear = 1;
    form.stampMonth = 1;
    form.stampDay = 1;
    form.stampDateSeparatorOn = 1;
    form.stampDateSeparator[0] = '-';

    definition.settings.programStart = 1;  // menu 1
}

}  // namespace tessel::test
