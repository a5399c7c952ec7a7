#include "core/language.h"

#include <algorithm>
#include <cctype>

#include "core/decimal_text.h"
#include "core/file_io.h"

namespace tessel {

std::string_view LanguageTable::text(int id) const {
    if (id < 0 || id >= kLanguageSlots) return {};
    return slots_[static_cast<std::size_t>(id)];
}

void LanguageTable::store(int id, std::string_view text) {
    if (id < 0 || id >= kLanguageSlots) return;
    slots_[static_cast<std::size_t>(id)] = std::string(text.substr(0, kLanguageTextMax));
}

void LanguageTable::loadContent(std::string_view content) {
    const auto firstLineEnd = content.find('\n');
    if (firstLineEnd == std::string_view::npos) return;
    std::string_view rest = content.substr(firstLineEnd + 1);
    while (!rest.empty()) {
        const auto eq = rest.find('=');
        if (eq == std::string_view::npos) break;
        const int id = static_cast<int>(leadingDecimal(rest.substr(0, eq)));
        rest.remove_prefix(eq + 1);
        const auto lf = rest.find('\n');
        std::string_view text = rest.substr(0, lf);
        rest = lf == std::string_view::npos ? std::string_view{} : rest.substr(lf + 1);
        // The line's last character is its carriage return and is dropped.
        if (!text.empty()) text.remove_suffix(1);
        store(id, text);
    }
}

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "*.lng" in any letter case: files made on Windows often carry ".LNG".
bool hasLanguageExtension(const std::filesystem::path& path) { return lowerCase(path.extension().string()) == ".lng"; }

std::string interfaceCodeOf(const std::filesystem::path& path) { return lowerCase(path.stem().string()); }

}  // namespace

std::optional<std::string> languageNameOf(std::string_view head) {
    const auto end = head.find_first_of("\r\n");
    std::string name(head.substr(0, end));
    if (name.empty()) return std::nullopt;
    if (name.size() > 40) name.resize(39);
    return name;
}

std::optional<std::vector<LanguageFile>> findLanguages(const std::vector<std::filesystem::path>& folders) {
    std::vector<LanguageFile> found;
    bool searched = false;
    for (const auto& folder : folders) {
        std::error_code error;
        std::vector<std::filesystem::path> files;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code kindError;
            if (hasLanguageExtension(it->path()) && it->is_regular_file(kindError)) files.push_back(it->path());
        }
        if (error) continue;
        searched = true;
        std::sort(files.begin(), files.end());
        for (const auto& path : files) {
            if (found.size() == kMaxKnownLanguages) return found;
            const auto head = readFileBytes(path, 100);
            if (!head) continue;
            if (auto name = languageNameOf(*head)) found.push_back({std::move(*name), path});
        }
    }
    if (!searched) return std::nullopt;
    return found;
}

bool loadLanguage(LanguageTable& table, const std::vector<LanguageFile>& known, std::string_view preferred) {
    table.setActive(false);
    for (const auto& language : known) {
        if (language.name != preferred) continue;
        const auto content = readFileBytes(language.path, kLanguageFileMax);
        if (!content || content->empty()) continue;
        // A text the new language lacks must not show the previous language's.
        table.clear();
        table.loadContent(*content);
        table.setActive(true);
        table.setInterfaceCode(interfaceCodeOf(language.path));
        return true;
    }
    return false;
}

}  // namespace tessel
