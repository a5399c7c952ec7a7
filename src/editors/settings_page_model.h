#pragma once
// The Settings page's rules over its working copy of the terminal-wide
// settings: the lists of each family, which boxes are enabled, the corrections
// of the typed numbers and Reset. The page widget forwards every user change
// here and shows what the model then holds.
#include <string>
#include <string_view>

#include "core/records/system_settings.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;

// A setting chosen from a list; the byte stores the entry's index.
using SettingsChoice = Byte SystemSettings::*;

struct SettingsEnabling {
    bool uploadPhone;    // the upload port is the modem
    bool downloadPhone;  // the download port is the modem
    bool modemSpeed;     // either port is the modem
    bool baudRate;       // not both ports are the modem
    bool promptChoice;   // "Stay on the LCD" / "Press any key to continue"
    bool promptDuration;
};

class SettingsPageModel {
public:
    static ListEntries portEntries(const Strings& strings, int family);
    // The index of "Modem" in the family's port lists.
    static int modemPort(int family);
    static ListEntries baudRateEntries(const Strings& strings);
    static ListEntries backlightEntries();
    static ListEntries dataDeletionEntries();
    static ListEntries entryOptionEntries();
    static ListEntries keyClickEntries(const Strings& strings);
    static ListEntries beepEntries(const Strings& strings);
    static ListEntries vibratorEntries();

    // Takes a working copy of `settings`; `family` decides the port lists.
    void load(const SystemSettings& settings, int family);
    // Writes the bytes the page owns into `settings`, leaving every other.
    void accept(SystemSettings& settings) const;
    // Back to the page defaults; the function-key switch stays as it is.
    void reset();

    const SystemSettings& settings() const { return working_; }
    // The security and function-key dialogs edit copies of this.
    SystemSettings& workingCopy() { return working_; }

    void setChoice(SettingsChoice choice, int index) { working_.*choice = static_cast<Byte>(index); }
    // Each returns the text the edit must show (UTF-8), corrected in place.
    std::string setUploadPhone(std::string_view text);
    std::string setDownloadPhone(std::string_view text);
    std::string setBacklightIdle(std::string_view text);
    std::string setPromptDuration(std::string_view text);
    // Chooses "Stay on the LCD" (the duration shown is stored) or "Press any
    // key to continue" (0 is stored).
    void setStayOnLcd(bool stay);

    std::string uploadPhone() const;
    std::string downloadPhone() const;
    std::string backlightIdle() const { return std::to_string(working_.backlightIdle); }
    const std::string& promptDuration() const { return duration_; }
    bool stayOnLcd() const { return stayOnLcd_; }
    SettingsEnabling enabling() const;

private:
    void showPrompt();

    SystemSettings working_{};
    int family_ = 0;
    bool stayOnLcd_ = true;
    std::string duration_;  // the duration edit's text, kept while a key press is chosen
};

// The page's sub-dialogs edit a copy of the page's working copy and put it
// back on OK; Cancel drops the copy.
class SettingsCopyEdit {
public:
    explicit SettingsCopyEdit(SystemSettings& working) : copy_(working), working_(working) {}

protected:
    void putBack() { working_ = copy_; }

    SystemSettings copy_;

private:
    SystemSettings& working_;
};

}  // namespace tessel
