// The names checks and differences speak in.
#include "design/design_terms.h"

#include <gtest/gtest.h>

#include "support/projects.h"

namespace tessel {
namespace {

TEST(DesignTerms, AttributesReadAsThePagesNameThem) {
    EXPECT_EQ(attributeName("minLength"), "min length");
    EXPECT_EQ(attributeName("fieldType"), "type");
    EXPECT_EQ(attributeName("itemTarget"), "next");
    EXPECT_EQ(attributeName("reserved1085"), "reserved 1085");
    EXPECT_EQ(attributeName("code93Length1"), "code 93 length 1");
    EXPECT_EQ(attributeName("ReaderType"), "reader type");
}

TEST(DesignTerms, TargetsAndTypesUseTheListTexts) {
    const auto& strings = test::builtinStrings();
    EXPECT_EQ(targetName(0, strings), "main");
    EXPECT_EQ(targetName(3, strings), "form 3");
    EXPECT_EQ(targetName(20, strings), "menu 10");
    EXPECT_EQ(targetName(44, strings), "44");
    EXPECT_EQ(fieldTypeName(5, strings), "auto(+/-)");
    EXPECT_EQ(fieldTypeName(0, strings), "nil");
}

TEST(DesignTerms, CharactersAndTextsStayOnOneLine) {
    EXPECT_EQ(characterName(0), "none");
    EXPECT_EQ(characterName('\t'), "TAB");
    EXPECT_EQ(characterName(' '), "space");
    EXPECT_EQ(characterName(';'), "';'");
    EXPECT_EQ(characterName(13), "byte 13");
    EXPECT_EQ(quotedText("a\nb\\\""), "\"a\\x0ab\\\\\\\"\"");
    EXPECT_EQ(quotedText("\xC0"), "\"А\"");
}

TEST(DesignTerms, PlacesAreNumberedFromOne) {
    EXPECT_EQ(fieldPlace(1, 2), "form 2, field 3");
    EXPECT_EQ(itemPlace(0, 9), "menu 1, item 10");
    EXPECT_EQ(functionKeyPlace(0), "FN+1");
    EXPECT_EQ(textLinePlace(2, 0, test::builtinStrings()), "texts, Main menu, line 1");
    EXPECT_EQ(textLinePlace(27, 2, test::builtinStrings()), "texts, Misc - continuous, line 3");
}

}  // namespace
}  // namespace tessel
