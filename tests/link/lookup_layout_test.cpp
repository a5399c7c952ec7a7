#include "link/lookup_layout.h"

#include <gtest/gtest.h>

#include "link/lookup_csv.h"

namespace tessel::link {
namespace {

// Fixed: an 8-character code at 1 and a 4-character count at 10, key the code.
LookupRecord fixedLayout() {
    LookupRecord layout{};
    layout.recordLength = 13;
    layout.columnCount = 2;
    layout.keyColumn = 0;
    layout.columnOffset = {1, 10, 1, 1, 1, 1, 1, 1};
    layout.columnLength = {8, 4};
    return layout;
}

// Delimited by ';': code (at most 6), name (at most 10), price (at most 5); key the name.
LookupRecord delimitedLayout() {
    LookupRecord layout{};
    layout.recordLength = 23;
    layout.columnCount = 3;
    layout.keyColumn = 1;
    layout.columnLength = {6, 10, 5};
    layout.delimiter = ';';
    return layout;
}

struct LineCase {
    const char* name;
    LookupRecord layout;
    std::string line;
    std::vector<std::string> faults;
};

TEST(LookupLayout, LinesAreCheckedAgainstTheLayout) {
    const LineCase cases[] = {
        {"fixed fits", fixedLayout(), "AB123456 0012", {}},
        {"fixed short", fixedLayout(), "AB123456 001", {"12 characters; the records are 13"}},
        {"fixed long", fixedLayout(), "AB123456 00123", {"14 characters; the records are 13"}},
        {"fixed empty key", fixedLayout(), "         0012", {"the key column 1 is empty"}},
        {"delimited fits", delimitedLayout(), "A1;Milk 1l;0.99", {}},
        {"delimited empty other column", delimitedLayout(), ";Milk;", {}},
        {"no delimiter",
         delimitedLayout(),
         "A1 Milk 0.99",
         {
             "0 delimiters; the records have 2",
         }},
        {"one delimiter too many", delimitedLayout(), "A1;Milk;0.99;x", {"3 delimiters; the records have 2"}},
        {"column too long", delimitedLayout(), "A1;Chocolate bar;1.5", {"column 2 has 13 characters; at most 10"}},
        {"empty key", delimitedLayout(), "A1;  ;1.5", {"the key column 2 is empty"}},
        {"line end inside", delimitedLayout(), "A1;Mi\nlk;1", {"a line end inside the record would cut it in two"}},
        {"longer than a record",
         delimitedLayout(),
         "A1;Milk;" + std::string(250, '9'),
         {"258 characters; a record carries at most 255", "column 3 has 250 characters; at most 5"}},
    };
    for (const auto& c : cases) EXPECT_EQ(lineFaults(c.line, c.layout), c.faults) << c.name;
}

TEST(LookupLayout, FaultsCarryTheLineNumbersOfTheFile) {
    // CR LF, a blank line, LF and a last line without an end, as the download splits them.
    const std::string file = "A1;Milk;1\r\n\r\nA2;;2\nA3;Tea;3;4\rA4;Rye;5";
    EXPECT_EQ(checkLookupFile(file, delimitedLayout()),
              (std::vector<LineFault>{{3, "the key column 2 is empty"}, {4, "3 delimiters; the records have 2"}}));
    EXPECT_TRUE(checkLookupFile("", delimitedLayout()).empty());
}

struct CsvCase {
    const char* name;
    std::string csv;
    LookupRecord layout;
    CsvOptions options;
    std::string file;
    std::vector<LineFault> cut;
    std::vector<LineFault> refused;
};

CsvOptions columns(std::vector<std::string> chosen, bool header = false, bool strict = false) {
    CsvOptions options;
    options.columns = std::move(chosen);
    options.header = header;
    options.strict = strict;
    return options;
}

TEST(LookupCsv, RowsBecomeRecordsOfTheLayout) {
    const CsvCase cases[] = {
        {"commas, quoted comma and quotes",
         "A1,\"Milk, 1l\",0.99\r\nA2,\"Say \"\"hi\"\"\",1\r\n",
         delimitedLayout(),
         {},
         "A1;Milk, 1l;0.99\r\nA2;Say \"hi\";1\r\n",
         {},
         {}},
        {"semicolons picked and ordered",
         "0.99;A1;Milk\n1.5;A2;Tea\n",
         delimitedLayout(),
         columns({"2", "3", "1"}),
         "A1;Milk;0.99\r\nA2;Tea;1.5\r\n",
         {},
         {}},
        {"tabs with a header named",
         "price\tcode\tname\n2\tB7\tRye\n",
         delimitedLayout(),
         columns({"code", "name", "price"}, true),
         "B7;Rye;2\r\n",
         {},
         {}},
        {"fixed columns padded and cut",
         "AB12,7\nABCDEFGHIJ,12345\n",
         fixedLayout(),
         {},
         "AB12     7   \r\nABCDEFGH 1234\r\n",
         {{2, "column 1 cut from 10 to 8 characters"}, {2, "column 2 cut from 5 to 4 characters"}},
         {}},
        {"cutting refused when strict",
         "AB12,7\nABCDEFGHIJ,1\n",
         fixedLayout(),
         columns({}, false, true),
         "AB12     7   \r\n",
         {},
         {{2, "column 1 cut from 10 to 8 characters (--strict)"}}},
        {"rows that cannot fit",
         "A1,,1\nA2,x;y,2\nA3,Tea\nA4,\"Two\nlines\",4\nA5,Rye,5\n",
         delimitedLayout(),
         {},
         "A5;Rye;5\r\n",
         {},
         {{1, "the key column 2 is empty"},
          {2, "column 2 holds the delimiter"},
          {3, "has 2 columns"},
          {4, "a line end inside the record would cut it in two"}}},
        {"UTF-8 becomes Windows-1251",
         "\xEF\xBB\xBF"
         "A1,\xD0\x9C\xD0\xBE\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBE,1\n",
         delimitedLayout(),
         {},
         "A1;\xCC\xEE\xEB\xEE\xEA\xEE;1\r\n",
         {},
         {}},
        {"Windows-1251 stays",
         "A1,\xCC\xEE\xEB\xEE\xEA\xEE,1\n",
         delimitedLayout(),
         {},
         "A1;\xCC\xEE\xEB\xEE\xEA\xEE;1\r\n",
         {},
         {}},
        {"UTF-8 the terminal cannot show",
         "A1,Tea \xE2\x98\x95,1\n",
         delimitedLayout(),
         {},
         "",
         {},
         {{1, "column 2 has a character the terminal lacks"}}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto converted = csvToLookup(c.csv, c.layout, c.options, error);
        ASSERT_TRUE(converted) << c.name << ": " << error;
        EXPECT_EQ(converted->file, c.file) << c.name;
        EXPECT_EQ(converted->cut, c.cut) << c.name;
        EXPECT_EQ(converted->refused, c.refused) << c.name;
        // What the conversion makes passes the download's check.
        EXPECT_TRUE(checkLookupFile(converted->file, c.layout).empty()) << c.name;
    }
}

TEST(LookupCsv, OptionsThatDoNotFitAreRefused) {
    struct Case {
        CsvOptions options;
        LookupRecord layout;
        const char* error;
    };
    const Case cases[] = {
        {columns({"1", "2"}), delimitedLayout(), "2 columns chosen; the lookup has 3"},
        {columns({"code", "2", "3"}), delimitedLayout(), "no column code (names need --header)"},
        {columns({"sku", "2", "3"}, true), delimitedLayout(), "no column sku in the header row"},
        {{}, LookupRecord{}, "the lookup is not in use (no record length or columns)"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(csvToLookup("code,name,price\nA1,Milk,1\n", c.layout, c.options, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(LookupCsv, TheSeparatorIsTheOneTheFirstRowUsesMost) {
    EXPECT_EQ(guessSeparator("a,b,c"), ',');
    EXPECT_EQ(guessSeparator("a;\"b,c,d\";e"), ';');
    EXPECT_EQ(guessSeparator("a\tb,c\td"), '\t');
}

}  // namespace
}  // namespace tessel::link
