#pragma once
// The language a command takes its texts from, as the desktop program takes
// them: the one the preferences name, or another named with --language.
#include <string>

#include "core/strings.h"

namespace CLI {
class App;
}

namespace tessel::cli {

// The name that stands for the built-in texts.
inline constexpr const char* kBuiltinLanguageName = "English";

void addLanguageOption(CLI::App& command, std::string& language);

// Makes the installed language named `name` (as typed, UTF-8) active, or the
// built-in texts for "English"; false after printing that there is none.
bool useLanguageNamed(Strings& strings, const std::string& name);

// The language named by `option`, or by the preferences when it is empty; a
// preferred language that is not installed leaves the built-in texts, as in
// the desktop program.
bool useChosenLanguage(Strings& strings, const std::string& option);

}  // namespace tessel::cli
