#include "core/preferences_form.h"

#include <algorithm>

#include "core/model_family.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr int kFirstBaudRateText = 1501;

}  // namespace

PreferencesForm::PreferencesForm(Preferences values, int family, std::vector<std::string> portLines,
                                 std::vector<std::string> languageNames)
    : values_(std::move(values)), family_(family), languageNames_(std::move(languageNames)) {
    for (std::size_t i = 0; i < portLines.size(); ++i) ports_.push_back({std::move(portLines[i]), static_cast<int>(i)});
    std::stable_sort(ports_.begin(), ports_.end(),
                     [](const PortEntry& a, const PortEntry& b) { return a.line < b.line; });
    const int stored = values_.portIndex;
    const int shown = stored < 0 || stored >= static_cast<int>(ports_.size()) ? 0 : stored;
    portRow_ = std::max(rowOfPort(shown), 0);
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

int PreferencesForm::selectedPortRow() const { return ports_.empty() ? -1 : portRow_; }

void PreferencesForm::choosePortRow(int row) {
    if (row >= 0 && row < static_cast<int>(ports_.size())) portRow_ = row;
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
    if (!ports_.empty()) chosen.portIndex = ports_[static_cast<std::size_t>(portRow_)].portIndex;
    return chosen;
}

}  // namespace tessel
