#include "editors/form_lists.h"

#include <gtest/gtest.h>

#include "core/strings.h"
#include "editors/field_types.h"
#include "support/projects.h"

namespace tessel {
namespace {

const Strings& strings() { return test::builtinStrings(); }

TEST(FormLists, TargetListsIndexByTheStoredCode) {
    const auto targets = targetEntries(strings());
    ASSERT_EQ(targets.size(), 21u);
    EXPECT_EQ(targets[0], "main");
    EXPECT_EQ(targets[1], "form  1");
    EXPECT_EQ(targets[10], "form  10");
    EXPECT_EQ(targets[11], "menu  1");
    EXPECT_EQ(targets[20], "menu  10");

    const auto next = nextTargetEntries(strings());
    ASSERT_EQ(next.size(), 22u);
    EXPECT_EQ(next[21], "");  // only a language file labels the 22nd entry

    const auto errors = errorActionEntries(strings());
    ASSERT_EQ(errors.size(), 22u);
    EXPECT_EQ(errors[0], "Skip error");
    EXPECT_EQ(errors[1], "main");
    EXPECT_EQ(errors[12], "menu  1");
}

TEST(FormLists, LanguageLabelsTheTwentySecondNextEntry) {
    Strings translated;
    translated.language().store(1223, "same form");
    translated.language().setActive(true);
    EXPECT_EQ(nextTargetEntries(translated)[21], "same form");
}

TEST(FormLists, FixedListsHaveTheirEntries) {
    struct Case {
        ListEntries entries;
        std::size_t size;
        std::size_t index;
        const char* text;
    };
    const Case cases[] = {
        {formNameEntries(strings()), 10, 9, "form  10"},    {formLookupEntries(strings()), 4, 3, "3rd lookup file"},
        {recordActionEntries(strings()), 9, 8, "nothing"},  {fieldTypeEntries(strings()), 19, 12, "extension"},
        {fieldTypeEntries(strings()), 19, 18, "compare"},   {inputSourceEntries(strings()), 8, 4, "ALL"},
        {inputSourceEntries(strings()), 8, 7, "variable3"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.entries.size(), c.size) << c.text;
        EXPECT_EQ(c.entries[c.index], c.text);
    }
}

TEST(FieldLinks, ListDependsOnLookupAndType) {
    struct Case {
        int formLookup;
        int type;
        std::size_t size;
        std::size_t index;
        const char* text;
    };
    const Case cases[] = {
        {0, kFieldText, 25, 1, "get v1"},         {0, kFieldText, 25, 12, "set v4"},
        {0, kFieldInteger, 25, 24, "get&set v8"}, {1, kFieldText, 9, 8, "field 8"},
        {2, kFieldLetter, 9, 1, "field 1"},       {3, kFieldInteger, 25, 9, "-field 1"},
        {1, kFieldReal, 25, 24, "+field 8"},      {1, kFieldAuto, 25, 17, "+field 1"},
    };
    for (const auto& c : cases) {
        const auto entries = fieldLinkEntries(strings(), c.formLookup, c.type);
        ASSERT_EQ(entries.size(), c.size) << c.text;
        EXPECT_EQ(entries[0], "nil");
        EXPECT_EQ(entries[c.index], c.text);
    }
}

TEST(FieldLinks, SignedColumnsFoldWhereTheListHasNone) {
    struct Case {
        int formLookup;
        int type;
        int stored;
        int shown;
    };
    const Case cases[] = {
        {1, kFieldText, 20, 4},      // get&set v4 becomes column 4
        {1, kFieldText, 16, 8},      // -field 8
        {1, kFieldText, 24, 8},      // +field 8
        {1, kFieldText, 9, 1},       // -field 1
        {1, kFieldText, 8, 8},       // plain columns stay
        {1, kFieldInteger, 20, 20},  // numbers keep signed columns
        {0, kFieldText, 20, 20},     // variables never fold
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foldedFieldLink(c.formLookup, c.type, c.stored), c.shown) << c.stored;
    }
}

}  // namespace
}  // namespace tessel
