#include "editors/editor_caption.h"

#include <gtest/gtest.h>

#include "core/strings.h"

namespace tessel {
namespace {

TEST(EditorCaption, NamesTheFileOrANewOne) {
    const Strings strings;
    EXPECT_EQ(editorCaption(strings, ""), "Tessel Studio - [ New file ]");
    EXPECT_EQ(editorCaption(strings, "Unknow"), "Tessel Studio - [ New file ]");
    EXPECT_EQ(editorCaption(strings, "/home/ann/stock.TSX"), "Tessel Studio - [ /home/ann/stock.TSX ]");
    const auto titles = editorTabTitles(strings);
    EXPECT_EQ(titles[0], "Form");
    EXPECT_EQ(titles[5], "Startup");
}

TEST(EditorCaption, LanguageReplacesProgramNameNewFileAndTabs) {
    Strings strings;
    strings.language().store(2, "\xD1\xF2\xF3\xE4\xE8\xFF");  // "Студия" in Windows-1251
    strings.language().store(3, "New one");
    strings.language().store(51, "Forme");
    strings.language().setActive(true);
    EXPECT_EQ(editorCaption(strings, ""), "Студия - [ New one ]");
    const auto titles = editorTabTitles(strings);
    EXPECT_EQ(titles[0], "Forme");
    EXPECT_EQ(titles[1], "");  // a language slot is used as it stands
}

}  // namespace
}  // namespace tessel
