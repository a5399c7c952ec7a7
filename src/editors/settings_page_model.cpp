#include "editors/settings_page_model.h"

#include <algorithm>

#include "core/model_family.h"
#include "core/shown_text.h"
#include "core/strings.h"
#include "editors/number_text.h"
#include "editors/typed_text.h"

namespace tessel {
namespace {

constexpr unsigned kMaxBacklightIdle = 9;
constexpr unsigned kMaxPromptDuration = 99;
constexpr Byte kDurationShownForKeyPress = 6;
constexpr int kTones = 5;
constexpr int kVibratorSeconds = 5;

constexpr int k4760PortIds[] = {1491, 1492, 1493, 1495};
constexpr int kGroupPortIds[] = {1551, 1552, 1553, 1554, 1555, 1556, 1557};
constexpr int kBaudRateIds[] = {1501, 1502, 1503, 1504, 1505};
constexpr int kBeepIds[] = {1701, 1702, 1703, 1704};
constexpr int kMuteId = 1701;
constexpr int kToneId = 1222;

template <std::size_t N>
ListEntries entriesOf(const Strings& strings, const int (&ids)[N]) {
    ListEntries entries;
    for (const int id : ids) entries.push_back(strings.utf8(id));
    return entries;
}

template <std::size_t N>
void clearBytes(SystemSettings& settings, std::size_t first) {
    std::fill_n(recordBytes(settings).begin() + first, N, Byte{0});
}

}  // namespace

ListEntries SettingsPageModel::portEntries(const Strings& strings, int family) {
    return is4760(family) ? entriesOf(strings, k4760PortIds) : entriesOf(strings, kGroupPortIds);
}

int SettingsPageModel::modemPort(int family) { return is4760(family) ? 2 : 3; }

ListEntries SettingsPageModel::baudRateEntries(const Strings& strings) { return entriesOf(strings, kBaudRateIds); }

ListEntries SettingsPageModel::backlightEntries() {
    return {TESSEL_SHOWN("tessel::SettingsPageModel", "Turn off"),
            TESSEL_SHOWN("tessel::SettingsPageModel", "Turn on")};
}

ListEntries SettingsPageModel::dataDeletionEntries() {
    return {TESSEL_SHOWN("tessel::SettingsPageModel", "Manual"),
            TESSEL_SHOWN("tessel::SettingsPageModel", "Automatic")};
}

ListEntries SettingsPageModel::entryOptionEntries() {
    return {TESSEL_SHOWN("tessel::SettingsPageModel", "No prompt"),
            TESSEL_SHOWN("tessel::SettingsPageModel", "Show count"),
            TESSEL_SHOWN("tessel::SettingsPageModel", "Show record")};
}

ListEntries SettingsPageModel::keyClickEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(kMuteId)};
    const auto tone = strings.utf8(kToneId);
    for (int n = 1; n <= kTones; ++n) entries.push_back(tone + " " + std::to_string(n));
    return entries;
}

ListEntries SettingsPageModel::beepEntries(const Strings& strings) { return entriesOf(strings, kBeepIds); }

ListEntries SettingsPageModel::vibratorEntries() {
    ListEntries entries{TESSEL_SHOWN("tessel::SettingsPageModel", "Off")};
    for (int seconds = 1; seconds <= kVibratorSeconds; ++seconds) entries.push_back(std::to_string(seconds) + " s");
    return entries;
}

void SettingsPageModel::load(const SystemSettings& settings, int family) {
    working_ = settings;
    family_ = family;
    showPrompt();
}

void SettingsPageModel::accept(SystemSettings& settings) const {
    copyOwnedBytes(settings, working_, kSettingsPageBytes);
}

void SettingsPageModel::reset() {
    SystemSettings& s = working_;
    for (const SettingsChoice zero :
         {&SystemSettings::uploadPort, &SystemSettings::downloadPort, &SystemSettings::baudRate,
          &SystemSettings::backlight, &SystemSettings::dataDeletion, &SystemSettings::modemSpeed,
          &SystemSettings::vibrator}) {
        s.*zero = 0;
    }
    s.backlightIdle = 2;
    s.entryOptions = 1;
    s.promptDuration = 6;
    s.keyClick = 2;
    s.goodReadBeep = 1;
    s.warningBeep = 2;
    s.uploadPhone.fill(0);
    s.downloadPhone.fill(0);
    // The protect boxes, the password and the function-key map with the
    // reserved byte after it; the last three protect boxes and the reserved
    // bytes after them.
    clearBytes<34>(s, offsetof(SystemSettings, protectSettings));
    clearBytes<10>(s, offsetof(SystemSettings, protectKeyClick));
    showPrompt();
}

std::string SettingsPageModel::setUploadPhone(std::string_view text) {
    return storeTypedText(working_.uploadPhone, text);
}

std::string SettingsPageModel::setDownloadPhone(std::string_view text) {
    return storeTypedText(working_.downloadPhone, text);
}

std::string SettingsPageModel::setBacklightIdle(std::string_view text) {
    auto corrected = correctPositiveNumber(text, kMaxBacklightIdle);
    working_.backlightIdle = static_cast<Byte>(corrected.value);
    return corrected.text;
}

std::string SettingsPageModel::setPromptDuration(std::string_view text) {
    auto corrected = correctPositiveNumber(text, kMaxPromptDuration);
    duration_ = corrected.text;
    if (stayOnLcd_) working_.promptDuration = static_cast<Byte>(corrected.value);
    return duration_;
}

void SettingsPageModel::setStayOnLcd(bool stay) {
    stayOnLcd_ = stay;
    working_.promptDuration = stay ? static_cast<Byte>(correctPositiveNumber(duration_, kMaxPromptDuration).value) : 0;
}

std::string SettingsPageModel::uploadPhone() const { return cp1251ToUtf8(cellText(working_.uploadPhone)); }

std::string SettingsPageModel::downloadPhone() const { return cp1251ToUtf8(cellText(working_.downloadPhone)); }

SettingsEnabling SettingsPageModel::enabling() const {
    const int modem = modemPort(family_);
    const bool uploadByModem = working_.uploadPort == modem;
    const bool downloadByModem = working_.downloadPort == modem;
    const bool prompting = working_.entryOptions != 0;
    return {
        .uploadPhone = uploadByModem,
        .downloadPhone = downloadByModem,
        .modemSpeed = uploadByModem || downloadByModem,
        .baudRate = !(uploadByModem && downloadByModem),
        .promptChoice = prompting,
        .promptDuration = prompting && stayOnLcd_,
    };
}

// A stored 0 waits for a key; the duration edit then offers the default.
void SettingsPageModel::showPrompt() {
    stayOnLcd_ = working_.promptDuration != 0;
    duration_ = std::to_string(stayOnLcd_ ? working_.promptDuration : kDurationShownForKeyPress);
}

}  // namespace tessel
