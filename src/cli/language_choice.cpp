#include "cli/language_choice.h"

#include <CLI/CLI.hpp>

#include "cli/console.h"
#include "core/app_paths.h"
#include "core/language.h"
#include "core/preferences.h"
#include "core/text_encoding.h"

namespace tessel::cli {
namespace {

std::vector<LanguageFile> installedLanguages() {
    return findLanguages(languageSearchFolders()).value_or(std::vector<LanguageFile>{});
}

}  // namespace

void addLanguageOption(CLI::App& command, std::string& language) {
    command.add_option("--language", language,
                       "Display name of an installed language, or English for the built-in texts "
                       "(default: the language chosen in the preferences)");
}

bool useLanguageNamed(Strings& strings, const std::string& name) {
    // Language names are kept as their files hold them, in Windows-1251.
    const auto fileName = utf8ToCp1251(name);
    if (fileName && loadLanguage(strings.language(), installedLanguages(), *fileName)) return true;
    if (name == kBuiltinLanguageName) return true;
    fail("No language named \"" + name + "\" is installed.");
    return false;
}

bool useChosenLanguage(Strings& strings, const std::string& option) {
    if (!option.empty()) return useLanguageNamed(strings, option);
    const auto preferred = readPreferences(preferencesFilePath()).language;
    loadLanguage(strings.language(), installedLanguages(), preferred);
    return true;
}

}  // namespace tessel::cli
