#pragma once
// "Security Settings": the password that guards the terminal's settings and
// which of its functions ask for it.
#include <array>
#include <string>
#include <string_view>

#include "core/shown_text.h"
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
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Settings"), &SystemSettings::protectSettings},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Edit Data"), &SystemSettings::protectEditData},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Delete Data"), &SystemSettings::protectDeleteData},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Set Date/Time"), &SystemSettings::protectDateTime},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Load Application"), &SystemSettings::protectLoadApplication},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Load Lookup File"), &SystemSettings::protectLoadLookup},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Upload Port"), &SystemSettings::protectUploadPort},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Download Port"), &SystemSettings::protectDownloadPort},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Baud Rate"), &SystemSettings::protectBaudRate},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Backlight"), &SystemSettings::protectBacklight},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Data Deletion"), &SystemSettings::protectDataDeletion},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Entry Options"), &SystemSettings::protectEntryOptions},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Key Click"), &SystemSettings::protectKeyClick},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Barcode Good Read"), &SystemSettings::protectGoodRead},
    {TESSEL_SHOWN("tessel::SecurityDialogModel", "Warning Beep"), &SystemSettings::protectWarningBeep},
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
