#pragma once
// "Function Key Mapping": the terminal function that FN+1 .. FN+9 perform.
#include "editors/settings_page_model.h"

namespace tessel {

class Strings;

class FunctionKeyDialogModel : public SettingsCopyEdit {
public:
    using SettingsCopyEdit::SettingsCopyEdit;

    // "Nil", "Collect Data" .. "Calculator": a function each.
    static ListEntries functionEntries(const Strings& strings);

    void setMappingsOn(bool on) { copy_.functionKeysOn = on ? 1 : 0; }
    bool mappingsOn() const { return copy_.functionKeysOn != 0; }
    void setFunction(std::size_t key, int function) { copy_.functionKeyMap[key] = static_cast<Byte>(function); }
    int function(std::size_t key) const { return copy_.functionKeyMap[key]; }

    // Puts the copy back into the page's working copy.
    void accept() { putBack(); }
};

}  // namespace tessel
