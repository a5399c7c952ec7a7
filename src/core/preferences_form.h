#pragma once
// The rules of the preferences dialog over a copy of the preferences: the
// family's interface lists, the port list shown sorted, the languages, and
// when the cradle can be detected.
#include <string>
#include <vector>

#include "core/preferences.h"

namespace tessel {

class Strings;

inline constexpr const char* kDefaultLanguageEntry = "Default <English>";

struct PortEntry {
    std::string line;  // "name - kind", as the port list gives it
    int portIndex;     // position in the system's port list
    std::string name;  // the port name: the line's text before its first space
};

class PreferencesForm {
public:
    // `portLines` in the order of the system's list; `languageNames` as found,
    // Windows-1251 like the language preference they are compared with.
    PreferencesForm(Preferences values, int family, std::vector<std::string> portLines,
                    std::vector<std::string> languageNames);

    bool hasPorts() const { return !ports_.empty(); }

    std::vector<std::string> interfaceChoices(const Strings& strings) const;  // UTF-8
    int downloadVia() const { return values_.downloadVia; }
    int receiveVia() const { return values_.receiveVia; }
    void setDownloadVia(int choice) { values_.downloadVia = choice; }
    void setReceiveVia(int choice) { values_.receiveVia = choice; }
    // Available while one of the interfaces is the first (the cradle), never
    // for the 4130 family itself.
    bool detectCradleEnabled() const;

    // The ports sorted by their lines, as the list shows them.
    const std::vector<PortEntry>& ports() const { return ports_; }
    // The row of the chosen port; -1 when none is shown: a typed device path,
    // or a stored position that no longer names the port that was chosen
    // (the list changed since), which is never taken for another port.
    int selectedPortRow() const { return portRow_; }
    void choosePortRow(int row);
    // What the port box holds as text: a list line chooses its port, a port
    // name its row, any other text is a device path of the user's own.
    void setPortText(const std::string& text);
    // The device path typed (or stored) in place of a listed port.
    const std::string& typedPort() const { return typedPort_; }
    // The row showing the port at `portIndex`, or -1.
    int rowOfPort(int portIndex) const;

    static std::vector<std::string> baudRateChoices(const Strings& strings);  // UTF-8
    int baudRate() const { return values_.baudRate; }
    void setBaudRate(int index) { values_.baudRate = index; }
    bool autoPreload() const { return values_.autoPreload; }
    void setAutoPreload(bool on) { values_.autoPreload = on; }
    bool alwaysOnTop() const { return values_.alwaysOnTop; }
    void setAlwaysOnTop(bool on) { values_.alwaysOnTop = on; }

    // "Default <English>" followed by the languages' names, in UTF-8.
    std::vector<std::string> languageChoices() const;
    bool languagesAvailable() const { return !languageNames_.empty(); }
    int selectedLanguageRow() const;
    void chooseLanguageRow(int row);

    // The preferences as OK stores them: the port shown (or typed) is the
    // port chosen, kept by position and name; with neither, the stored
    // choice stays, so a transfer asks again.
    Preferences result() const;

private:
    void showStoredPort();

    Preferences values_;
    int family_;
    std::vector<PortEntry> ports_;
    std::vector<std::string> languageNames_;
    int portRow_ = -1;
    std::string typedPort_;
};

}  // namespace tessel
