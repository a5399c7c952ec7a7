#include "core/preferences_form.h"

#include <algorithm>

#include "core/model_family.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr int kFirstBaudRateText = 1501;
constexpr int kBluetooth4760 = 2;
constexpr int kBluetoothGroup = 1;

int familyOfList(int family) { return is4760(family) ? kFamily4760 : kFamilyGroup; }

// An interface choice made in the other family's list, as this family's list
// shows it: Bluetooth stays Bluetooth; the others keep their position where
// this list has it.
int choiceInList(int choice, int chosenFor, int family) {
    if (chosenFor == 0 || familyOfList(chosenFor) == familyOfList(family)) return choice;
    const bool from4760 = is4760(chosenFor);
    if (choice == (from4760 ? kBluetooth4760 : kBluetoothGroup)) return from4760 ? kBluetoothGroup : kBluetooth4760;
    const int count = static_cast<int>(interfaceStringIds(family).size());
    return choice < count ? choice : 0;
}

}  // namespace

PreferencesForm::PreferencesForm(Preferences values, int family, std::vector<std::string> portLines,
                                 std::vector<std::string> languageNames)
    : values_(std::move(values)), family_(family), languageNames_(std::move(languageNames)) {
    values_.downloadVia = choiceInList(values_.downloadVia, values_.interfaceFamily, family_);
    values_.receiveVia = choiceInList(values_.receiveVia, values_.interfaceFamily, family_);
    values_.interfaceFamily = familyOfList(family_);
    for (std::size_t i = 0; i < portLines.size(); ++i) {
        std::string name = portLines[i].substr(0, portLines[i].find(' '));
        ports_.push_back({std::move(portLines[i]), static_cast<int>(i), std::move(name)});
    }
    std::stable_sort(ports_.begin(), ports_.end(),
                     [](const PortEntry& a, const PortEntry& b) { return a.line < b.line; });
    showStoredPort();
}

// A stored position is shown only while it names the port that was chosen;
// one past the end of the list, or naming another port, shows nothing. With
// no position, a stored name is a typed device path, and with neither the
// first port is offered.
void PreferencesForm::showStoredPort() {
    const int stored = values_.portIndex;
    const std::string& name = values_.portName;
    if (stored >= 0) {
        portRow_ = rowOfPort(stored);
        if (portRow_ >= 0 && !name.empty() && ports_[static_cast<std::size_t>(portRow_)].name != name) portRow_ = -1;
    } else if (!name.empty()) {
        setPortText(name);
    } else {
        portRow_ = ports_.empty() ? -1 : rowOfPort(0);
    }
}

std::vector<std::string> PreferencesForm::interfaceChoices(const Strings& strings) const {
    std::vector<std::string> choices;
    for (const int id : interfaceStringIds(family_)) choices.push_back(strings.utf8(id));
    return choices;
}

bool PreferencesForm::detectCradleEnabled() const {
    if (family_ == kFamilyGroup) return false;
    return values_.downloadVia == 0 || values_.receiveVia == 0;
}

void PreferencesForm::choosePortRow(int row) {
    if (row < 0 || row >= static_cast<int>(ports_.size())) return;
    portRow_ = row;
    typedPort_.clear();
}

void PreferencesForm::setPortText(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    const std::string trimmed = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (std::size_t row = 0; row < ports_.size(); ++row) {
        if (ports_[row].line == text || ports_[row].name == trimmed) {
            choosePortRow(static_cast<int>(row));
            return;
        }
    }
    portRow_ = -1;
    // The preferences file separates its fields by carriage returns.
    typedPort_ = trimmed.find_first_of("\r\n") == std::string::npos ? trimmed : std::string();
}

int PreferencesForm::rowOfPort(int portIndex) const {
    for (std::size_t row = 0; row < ports_.size(); ++row) {
        if (ports_[row].portIndex == portIndex) return static_cast<int>(row);
    }
    return -1;
}

std::vector<std::string> PreferencesForm::baudRateChoices(const Strings& strings) {
    std::vector<std::string> choices;
    for (int i = 0; i < 5; ++i) choices.push_back(strings.utf8(kFirstBaudRateText + i));
    return choices;
}

std::vector<std::string> PreferencesForm::languageChoices() const {
    std::vector<std::string> choices{kDefaultLanguageEntry};
    for (const auto& name : languageNames_) choices.push_back(cp1251ToUtf8(name));
    return choices;
}

int PreferencesForm::selectedLanguageRow() const {
    const auto found = std::find(languageNames_.begin(), languageNames_.end(), values_.language);
    return found == languageNames_.end() ? 0 : static_cast<int>(found - languageNames_.begin()) + 1;
}

void PreferencesForm::chooseLanguageRow(int row) {
    if (row <= 0 || row > static_cast<int>(languageNames_.size())) {
        values_.language = std::string(kBuiltinLanguage);
    } else {
        values_.language = languageNames_[static_cast<std::size_t>(row - 1)];
    }
}

Preferences PreferencesForm::result() const {
    Preferences chosen = values_;
    if (portRow_ >= 0) {
        const auto& port = ports_[static_cast<std::size_t>(portRow_)];
        chosen.portIndex = port.portIndex;
        chosen.portName = port.name;
    } else if (!typedPort_.empty()) {
        chosen.portIndex = -1;
        chosen.portName = typedPort_;
    }
    return chosen;
}

}  // namespace tessel
