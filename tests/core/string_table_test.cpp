#include "core/string_table.h"

#include <gtest/gtest.h>

#include "core/strings.h"

namespace tessel {
namespace {

TEST(StringTable, ParsesIdsEscapesAndKeepsBlanks) {
    const auto table = StringTable::parse(
        "# comment\n"
        "\n"
        "10=  two leading, two trailing  \n"
        "11=line\\nbreak \\\\ tab\\t\r\n"
        "12=\n"
        "x=not an id\n"
        "13\n"
        "14=\xD0\x9F\n");  // Cyrillic capital Pe in UTF-8
    EXPECT_EQ(table.text(10), "  two leading, two trailing  ");
    EXPECT_EQ(table.text(11), "line\nbreak \\ tab\t");
    EXPECT_EQ(table.text(12), "");
    EXPECT_EQ(table.text(13), "");
    EXPECT_EQ(table.text(14), "\xCF");  // stored as Windows-1251
    EXPECT_EQ(table.entries().size(), 4u);
}

TEST(StringTable, BuiltinHoldsTheProgramsTexts) {
    const auto& table = StringTable::builtin();
    EXPECT_EQ(table.text(1131), "Save current program ?");
    EXPECT_EQ(table.text(1171), "Format mismatch !!!");
    EXPECT_EQ(table.text(721), "1. Collect data     ");
    EXPECT_EQ(table.text(1), "");
    for (const auto& [id, text] : table.entries()) {
        EXPECT_GE(id, 31);
        EXPECT_LE(id, 2132);
        EXPECT_LE(text.size(), 80u) << id;
    }
}

TEST(StringTable, DefaultScreenTextsAreTwentyCharacters) {
    for (const auto& [id, text] : StringTable::builtin().entries()) {
        if ((id >= 721 && id <= 1093) || (id >= 1711 && id <= 1715)) {
            EXPECT_EQ(text.size(), 20u) << id;
        }
    }
}

TEST(Strings, LanguageTextWinsOnlyWhileActiveAndNotEmpty) {
    const auto table = StringTable::parse("5=built in\n6=also built in\n");
    Strings strings(table);
    strings.language().store(5, "translated");
    EXPECT_EQ(strings.text(5), "built in");
    strings.language().setActive(true);
    EXPECT_EQ(strings.text(5), "translated");
    EXPECT_EQ(strings.text(6), "also built in");
    EXPECT_EQ(strings.text(5, 4), "tran");
    EXPECT_EQ(strings.text(7), "");
}

}  // namespace
}  // namespace tessel
