#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/language_choice.h"
#include "core/strings.h"
#include "core/text_encoding.h"
#include "reader/language_slots.h"

namespace tessel::cli {

// Prints every text the program reads in the language-file form (name line,
// then "id=text" lines ended by CR LF, Windows-1251): a template for
// translators, with an empty text for the slots only a language file fills.
void addStringsCommand(CLI::App& app, int& status) {
    auto language = std::make_shared<std::string>();
    auto* command = app.add_subcommand("strings", "Print every text of the program as a language file.");
    command->add_option("--language", *language, "Display name of an installed language to print instead");
    command->callback([language, &status] {
        Strings strings;
        if (!language->empty() && !useLanguageNamed(strings, *language)) {
            status = kFailure;
            return;
        }
        // The name line as the language file holds it.
        const std::string name = strings.language().active() ? utf8ToCp1251Lossy(*language) : kBuiltinLanguageName;
        std::cout << name << "\r\n";
        for (const int id : languageFileIds(strings.table(), readerLanguageSlots())) {
            std::cout << id << '=' << strings.text(id) << "\r\n";
        }
        status = kSuccess;
    });
}

}  // namespace tessel::cli
