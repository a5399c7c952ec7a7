// The desktop program started from the build folder finds the shipped
// languages in its own folder, the first place it looks, so the preferences
// offer them without an installation.
#include <gtest/gtest.h>

#include "core/language.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

TEST(ProgramLanguages, TheBuiltProgramFindsRussianBesideItself) {
    const auto found = findLanguages({std::filesystem::path(TESSEL_PROGRAM_DIR)});
    ASSERT_TRUE(found);
    const bool russian = std::any_of(found->begin(), found->end(),
                                     [](const LanguageFile& file) { return cp1251ToUtf8(file.name) == "Русский"; });
    EXPECT_TRUE(russian) << TESSEL_PROGRAM_DIR;
}

}  // namespace
}  // namespace tessel
