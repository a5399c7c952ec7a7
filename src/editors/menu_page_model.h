#pragma once
// The Menu page's rules over its working copy of the ten menus and its copy of
// the separate-data-files flag. The page widget forwards every user change
// here and shows what the model then holds.
#include <string>
#include <string_view>

#include "core/definition.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;

class MenuPageModel {
public:
    // "menu  1".."menu  10".
    static ListEntries menuNameEntries(const Strings& strings);

    // Copies the menus and the separate-data-files flag and shows menu 1.
    void load(const Definition& definition);
    // Copies the menus back whole; of the settings only the flag.
    void accept(Definition& definition) const;

    const MenuTable& workingCopy() const { return menus_; }
    std::size_t currentMenu() const { return current_; }
    const MenuRecord& menu() const { return menus_[current_]; }
    bool separateDataFiles() const { return settings_.separateDataFiles != 0; }
    // "Pass down" means something only while a save box is on, and follows
    // them on its own while each form keeps its own data file.
    bool passDownEnabled() const;

    void selectMenu(std::size_t index);
    void setCaptionOn(bool on) { edited().captionOn = on ? 1 : 0; }
    void setEscTarget(int target) { edited().menuEscTarget = static_cast<Byte>(target); }
    void setItemTarget(std::size_t item, int target) { edited().itemTarget[item] = static_cast<Byte>(target); }
    void setSaveCaption(bool on);
    void setSaveSelectedItem(bool on);
    void setPassDown(bool on) { edited().menuPassDown = on ? 1 : 0; }
    void setSeparateDataFiles(bool on);
    // Every menu back to empty, the flag off, menu 1 shown.
    void reset();

    // Each returns the text the edit must show (UTF-8), cut to 20 characters.
    std::string setCaption(std::string_view text);
    std::string setItemName(std::size_t item, std::string_view text);
    std::string caption() const;
    std::string itemName(std::size_t item) const;

private:
    MenuRecord& edited() { return menus_[current_]; }
    void applyPassDownRule();

    MenuTable menus_{};
    SystemSettings settings_{};
    std::size_t current_ = 0;
};

}  // namespace tessel
