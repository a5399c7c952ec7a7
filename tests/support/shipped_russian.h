#pragma once
// The Russian language file shipped with the program, loaded as the program
// loads it, for tests that look at what a user who chose Russian sees.
// Needs TESSEL_SOURCE_DIR.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "core/language.h"

namespace tessel::test {

inline std::filesystem::path shippedRussianFile() {
    return std::filesystem::path(TESSEL_SOURCE_DIR) / "resources/languages/ru.lng";
}

// Loads the file into `table` and makes it the active language.
inline void loadShippedRussian(LanguageTable& table) {
    const auto content = readFileBytes(shippedRussianFile(), kLanguageFileMax);
    ASSERT_TRUE(content) << shippedRussianFile();
    table.loadContent(*content);
    table.setActive(true);
}

}  // namespace tessel::test
