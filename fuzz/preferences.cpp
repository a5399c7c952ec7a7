// The preferences file on any bytes: whatever it reads, writing it and
// reading that back must give the same preferences. The input is also read
// as a recipe for preferences that the file can hold, which must come back
// unchanged from a write and a read.
#include <fuzzer/FuzzedDataProvider.h>

#include "core/preferences.h"
#include "fuzz_check.h"

using namespace tessel;

namespace {

// A path or name the file holds as it is: not empty, no carriage return
// (which ends a field), and for a recent file no leading digit (which marks
// the port field). Other paths are refused before they are remembered; that
// is tested with the preferences themselves, not here.
std::string holdable(FuzzedDataProvider& input, std::size_t maxLength, bool digitFirstAllowed) {
    std::string text = input.ConsumeRandomLengthString(maxLength);
    std::erase(text, '\r');
    if (!digitFirstAllowed && !text.empty() && text[0] >= '0' && text[0] <= '9') text.insert(0, "/");
    if (text.empty()) text = "x";
    return text;
}

void checkStored(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Preferences preferences;
    preferences.lastEditedFile = holdable(input, 300, true);
    preferences.downloadVia = input.ConsumeIntegralInRange(0, 3);
    preferences.receiveVia = input.ConsumeIntegralInRange(0, 3);
    preferences.portNumber = input.ConsumeIntegralInRange(1, 255);
    preferences.baudRate = input.ConsumeIntegralInRange(0, 4);
    preferences.autoPreload = input.ConsumeBool();
    preferences.alwaysOnTop = input.ConsumeBool();
    preferences.language = holdable(input, 40, true);
    const auto recent = input.ConsumeIntegralInRange<std::size_t>(0, kMaxRecentFiles);
    for (std::size_t i = 0; i < recent; ++i) preferences.recentFiles.push_back(holdable(input, 300, false));
    preferences.portIndex = input.ConsumeIntegralInRange(-1, 126);
    fuzz::require(parsePreferences(serializePreferences(preferences)) == preferences,
                  "preferences the file can hold do not come back from it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const Preferences read = parsePreferences(fuzz::textOf(data, size));
    fuzz::require(read.recentFiles.size() <= kMaxRecentFiles, "more than four recent files");
    fuzz::require(read.portIndex >= -1 && read.portIndex <= 126, "a port index out of range");
    fuzz::require(read.downloadVia >= 0 && read.downloadVia <= 3 && read.receiveVia >= 0 && read.receiveVia <= 3,
                  "an interface choice out of range");
    fuzz::require(read.baudRate >= 0 && read.baudRate <= 4, "a baud rate index out of range");
    fuzz::require(read.portNumber >= 1 && read.portNumber <= 255, "a port number out of range");
    fuzz::require(read.language.size() <= 40, "a language name longer than 40 characters");
    fuzz::require(parsePreferences(serializePreferences(read)) == read, "preferences change when written and read");
    checkStored(data, size);
    return 0;
}
