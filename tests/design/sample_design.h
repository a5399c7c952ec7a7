#pragma once
// A small design without mistakes: menu 1 starts the program and leads to
// form 1 (a text and an integer field) and form 2 (a lookup field of the
// 1st lookup file, delimited, two columns).
#include "core/records/field_type.h"
#include "support/projects.h"

namespace tessel::test {

inline void setText(TextCell& cell, std::string_view text) { setCellText(cell, text); }

inline Definition sampleDesign(int family = kFamily4760) {
    Definition d = newProject(family).definition;
    d.settings.programStart = 1;
    MenuRecord& menu = d.menus[0];
    setText(menu.itemName[0], "Stock");
    menu.itemTarget[0] = 1;
    setText(menu.itemName[1], "Count");
    menu.itemTarget[1] = 2;

    FormRecord& stock = d.forms[0];
    stock.fieldType[0] = kFieldText;
    setText(stock.fieldPrompt[0], "Item");
    stock.fieldType[1] = kFieldInteger;
    setText(stock.fieldPrompt[1], "Quantity");
    stock.escTarget = 11;

    FormRecord& count = d.forms[1];
    count.formLookup = 1;
    count.fieldType[0] = kFieldLookup;
    count.fieldLink[0] = 1;
    count.fieldType[1] = kFieldText;
    count.fieldLink[1] = 2;
    count.escTarget = 11;

    LookupRecord& lookup = d.lookups[0];
    lookup.columnCount = 2;
    lookup.columnLength[0] = 10;
    lookup.columnLength[1] = 8;
    lookup.delimiter = '\t';
    lookup.recordLength = 19;
    return d;
}

}  // namespace tessel::test
