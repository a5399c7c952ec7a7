// Language files and the string table's data form on any bytes. The input
// is also read as a recipe for a well-formed language file (a name line and
// "id=text" lines); loading that file must give each id the last text the
// file names for it, cut to 80 characters, and ignore ids outside the table.
#include <fuzzer/FuzzedDataProvider.h>

#include <map>

#include "core/language.h"
#include "core/string_table.h"
#include "fuzz_check.h"

using namespace tessel;

namespace {

LanguageTable& table() {
    static LanguageTable table;
    table.clear();
    return table;
}

void checkRaw(std::string_view content) {
    LanguageTable& slots = table();
    slots.loadContent(content);
    for (int id = 0; id < kLanguageSlots; ++id)
        fuzz::require(slots.text(id).size() <= kLanguageTextMax, "a language slot holds more than 80 characters");

    if (const auto name = languageNameOf(content.substr(0, 100))) {
        fuzz::require(!name->empty() && name->size() <= 40, "a language name of the wrong length");
        fuzz::require(name->find_first_of("\r\n") == std::string::npos, "a language name runs over its line");
    }

    const StringTable strings = StringTable::parse(content);
    for (const auto& [id, text] : strings.entries())
        fuzz::require(strings.text(id) == text, "the string table does not give back its own entry");
}

void checkWellFormed(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string name = input.ConsumeRandomLengthString(60);
    std::erase_if(name, [](char c) { return c == '\r' || c == '\n'; });
    std::string content = name + "\r\n";
    std::map<int, std::string> expected;
    const int lines = input.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < lines && input.remaining_bytes() > 0; ++i) {
        const int id = input.ConsumeIntegralInRange(-10, kLanguageSlots + 10);
        std::string text = input.ConsumeRandomLengthString(100);
        std::erase(text, '\n');
        content += std::to_string(id) + "=" + text + "\r\n";
        if (id >= 0 && id < kLanguageSlots) expected[id] = text.substr(0, kLanguageTextMax);
    }
    LanguageTable& slots = table();
    slots.loadContent(content);
    for (int id = 0; id < kLanguageSlots; ++id) {
        const auto found = expected.find(id);
        const std::string_view want = found == expected.end() ? std::string_view{} : std::string_view(found->second);
        fuzz::require(slots.text(id) == want, "a language line did not land in its slot as written");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    checkRaw(fuzz::textOf(data, size));
    checkWellFormed(data, size);
    return 0;
}
