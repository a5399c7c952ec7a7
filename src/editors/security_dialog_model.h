#pragma once
// "Security Settings": the password that guards the terminal's settings and
// which of its functions ask for it.
#include <array>
#include <string>
#include <string_view>

#include "editors/settings_page_model.h"

namespace tessel {

class MessageService;
class Strings;

struct ProtectBox {
    const char* label;
    SettingsChoice byte;  // 0 or 1
};

inline constexpr std::size_t kProtectBoxes = 15;
inline constexpr std::size_t kPasswordChars = 10;
// "Settings" .. "Load Lookup File"; the boxes after them are the single
// settings that protecting "Settings" covers.
inline constexpr std::size_t kGeneralProtectBoxes = 6;

// In the order the dialog shows them.
inline constexpr std::array<ProtectBox, kProtectBoxes> kProtectBoxList{{
    {"Settings", &SystemSettings::protectSettings},
    {"Edit Data", &SystemSettings::protectEditData},
    {"Delete Data", &SystemSettings::protectDeleteData},
    {"Set Date/Time", &SystemSettings::protectDateTime},
    {"Load Application", &SystemSettings::protectLoadApplication},
    {"Load Lookup File", &SystemSettings::protectLoadLookup},
    {"Upload Port", &SystemSettings::protectUploadPort},
    {"Download Port", &SystemSettings::protectDownloadPort},
    {"Baud Rate", &SystemSettings::protectBaudRate},
    {"Backlight", &SystemSettings::protectBacklight},
    {"Data Deletion", &SystemSettings::protectDataDeletion},
    {"Entry Options", &SystemSettings::protectEntryOptions},
    {"Key Click", &SystemSettings::protectKeyClick},
    {"Barcode Good Read", &SystemSettings::protectGoodRead},
    {"Warning Beep", &SystemSettings::protectWarningBeep},
}};

class SecurityDialogModel : public SettingsCopyEdit {
public:
    SecurityDialogModel(SystemSettings& working, const Strings& strings, MessageService& messages);

    // A text longer than 10 characters, or with a character that is not a
    // letter or digit, is refused with a warning; returns the text the edit
    // must show (the last accepted one after a refusal).
    std::string setPassword(std::string_view text);
    const std::string& password() const { return password_; }

    void setProtected(std::size_t box, bool on) { copy_.*kProtectBoxList[box].byte = on ? 1 : 0; }
    bool isProtected(std::size_t box) const { return copy_.*kProtectBoxList[box].byte != 0; }
    // While the settings as a whole are protected, their single settings
    // cannot be chosen; their boxes keep what they hold.
    bool boxEnabled(std::size_t box) const;

    // Stores the password and puts the copy back into the page's working copy.
    void accept();

private:
    const Strings& strings_;
    MessageService& messages_;
    std::string password_;  // the last accepted text
};

}  // namespace tessel
