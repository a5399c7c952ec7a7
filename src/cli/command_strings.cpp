#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/app_paths.h"
#include "core/language.h"
#include "core/strings.h"

namespace tessel::cli {

// Prints the string table in the language-file form (name line, then
// "id=text" lines ended by CR LF, Windows-1251), a template for translators.
void addStringsCommand(CLI::App& app, int& status) {
    auto language = std::make_shared<std::string>();
    auto* command = app.add_subcommand("strings", "Print every text of the program as a language file.");
    command->add_option("--language", *language, "Display name of an installed language to print instead");
    command->callback([language, &status] {
        Strings strings;
        std::string name = "English";
        if (!language->empty()) {
            const auto known = findLanguages(languageSearchFolders()).value_or(std::vector<LanguageFile>{});
            if (!loadLanguage(strings.language(), known, *language)) {
                status = fail("No language named \"" + *language + "\" was found");
                return;
            }
            name = *language;
        }
        std::cout << name << "\r\n";
        for (const auto& [id, text] : strings.table().entries()) std::cout << id << '=' << strings.text(id) << "\r\n";
        status = kSuccess;
    });
}

}  // namespace tessel::cli
