// Loading a lookup file into the simulated terminal: lines as a download
// sends them, fixed and delimited columns, the bad-format actions, files the
// terminal cannot take, and searching the data.
#include "simulator/lookup_load.h"

#include <gtest/gtest.h>

#include "simulator/remains_number.h"

namespace tessel::sim {
namespace {

LookupRecord delimitedLayout(Byte badFormatAction = 0) {
    LookupRecord layout{};
    layout.columnCount = 2;
    layout.columnLength = {4, 6, 0, 0, 0, 0, 0, 0};
    layout.recordLength = 11;
    layout.delimiter = ';';
    layout.badFormatAction = badFormatAction;
    return layout;
}

// Code in columns 1 to 3 and name in 4 to 8, keyed by the name.
LookupRecord fixedLayout(Byte badFormatAction = 0) {
    LookupRecord layout{};
    layout.columnCount = 2;
    layout.columnOffset = {1, 4, 1, 1, 1, 1, 1, 1};
    layout.columnLength = {3, 5, 0, 0, 0, 0, 0, 0};
    layout.recordLength = 8;
    layout.keyColumn = 1;
    layout.badFormatAction = badFormatAction;
    return layout;
}

TEST(LookupLines, LinesEndAsADownloadEndsThem) {
    const auto lines = splitLookupLines("a\r\nb\rc\n\r\n\nd" + std::string(300, 'x') + "\r\ne");
    ASSERT_EQ(lines.size(), 5u);
    const std::vector<std::pair<std::size_t, std::size_t>> numbersAndSizes{{1, 1}, {2, 1}, {3, 1}, {6, 255}, {7, 1}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].number, numbersAndSizes[i].first) << i;
        EXPECT_EQ(lines[i].text.size(), numbersAndSizes[i].second) << i;
        EXPECT_EQ(lines[i].cut, i == 3) << i;
    }
    EXPECT_TRUE(splitLookupLines("").empty());
    EXPECT_TRUE(splitLookupLines("\r\n\r\n").empty());
}

TEST(LookupLoading, RecordsThatDoNotFitFollowTheBadFormatAction) {
    struct Case {
        std::string name;
        LookupRecord layout;
        std::string content;
        std::vector<std::string> lines;  // nothing loaded when empty and `error` is set
        std::size_t loaded, reformatted, skipped;
        std::string error = "";
    };
    const std::string delimited = "A1;Bolt\r\nTOOLONG;Nut\r\nB2\r\nC3;Washer\r\n";
    const std::string fixed = "001Bolt \n002Nut  extra\n3\n004Screw\n";
    const Case cases[] = {
        {"delimited, fitting", delimitedLayout(), "A1;Bolt\r\nB2;Nut\r\n", {"A1;Bolt", "B2;Nut"}, 2, 0, 0},
        {"delimited, stop",
         delimitedLayout(0),
         delimited,
         {},
         0,
         0,
         0,
         "line 2 does not fit the lookup's record format; nothing was loaded"},
        {"delimited, truncate", delimitedLayout(1), delimited, {"A1;Bolt", "TOOL;Nut", "B2;", "C3;Washer"}, 2, 2, 0},
        {"delimited, skip", delimitedLayout(2), delimited, {"A1;Bolt", "C3;Washer"}, 2, 0, 2},
        {"fixed, stop",
         fixedLayout(0),
         fixed,
         {},
         0,
         0,
         0,
         "line 2 does not fit the lookup's record format; nothing was loaded"},
        {"fixed, truncate", fixedLayout(1), fixed, {"001Bolt ", "002Nut  ", "3       ", "004Screw"}, 2, 2, 0},
        {"fixed, skip", fixedLayout(2), fixed, {"001Bolt ", "004Screw"}, 2, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LookupLoad load = loadLookupData(c.layout, c.content);
        EXPECT_EQ(load.error, c.error);
        ASSERT_EQ(load.data.has_value(), c.error.empty());
        if (load.data) {
            EXPECT_EQ(load.data->lines(), c.lines);
        }
        EXPECT_EQ(load.loaded, c.loaded);
        EXPECT_EQ(load.reformatted, c.reformatted);
        EXPECT_EQ(load.skipped, c.skipped);
    }
}

TEST(LookupLoading, FilesTheTerminalCannotTakeAreRefusedWhole) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("A1;Bolt\r\nB2;N\0t\r\n", 17), "line 2 holds a NUL byte"},
        {"\xFF\xFE"
         "A\0",
         "UTF-16"},
        {"\xEF\xBB\xBF"
         "A1;Bolt",
         "UTF-8"},
        {"A1;\xD0\x91olt", "UTF-8"},
    };
    for (const auto& [content, reason] : cases) {
        const LookupLoad load = loadLookupData(delimitedLayout(1), content);
        EXPECT_FALSE(load.data);
        EXPECT_NE(load.error.find(reason), std::string::npos) << load.error;
    }
    // Windows-1251 letters are what the terminal shows: taken as they are.
    const LookupLoad cyrillic = loadLookupData(delimitedLayout(), "A1;\xC1\xEE\xEB\xF2");
    ASSERT_TRUE(cyrillic.data) << cyrillic.error;
    EXPECT_EQ(cyrillic.data->record(0)[1], "\xC1\xEE\xEB\xF2");
}

TEST(LookupLoading, TheSummaryCountsWhatHappened) {
    LookupLoad load;
    load.loaded = 3;
    EXPECT_EQ(lookupLoadSummary(load), "3 records loaded");
    load.reformatted = 1;
    load.skipped = 2;
    load.cutLines = 1;
    EXPECT_EQ(lookupLoadSummary(load),
              "4 records loaded, 1 of them cut or padded to fit, 2 skipped, 1 lines longer than 255 characters cut");
}

TEST(LookupSearch, KeysCompareWithoutTrailingBlanksAndRemovedRecordsAreGone) {
    LookupLoad load = loadLookupData(fixedLayout(), "001Bolt \n002Nut  \n003Nut  \n");
    ASSERT_TRUE(load.data);
    LookupData& data = *load.data;
    EXPECT_EQ(data.find("Nut"), 1u);
    EXPECT_EQ(data.find("Nut  "), 1u);
    EXPECT_EQ(data.find("nut"), std::nullopt);
    data.markRead(1);
    EXPECT_EQ(data.find("Nut", true), 2u);
    EXPECT_EQ(data.find("Nut"), 1u);
    data.remove(1);
    EXPECT_EQ(data.find("Nut"), 2u);
    EXPECT_EQ(data.size(), 2u);
    data.setColumn(2, 1, "Pin");
    EXPECT_EQ(data.find("Nut"), std::nullopt);
    EXPECT_EQ(data.find("Pin"), 2u);
    EXPECT_TRUE(data.changed());
    EXPECT_EQ(data.lines(), (std::vector<std::string>{"001Bolt ", "003Pin  "}));
}

TEST(RemainsNumbers, DecimalArithmetic) {
    struct Case {
        std::string base, amount;
        int sign;
        std::string result;
    };
    const Case cases[] = {
        {"10", "3", -1, "7"}, {" 12.50 ", "3", -1, "9.50"}, {"0.5", "0.75", -1, "-0.25"},
        {"", "4", +1, "4"},   {"-2", "2", +1, "0"},         {"1.1", "0.9", +1, "2.0"},
    };
    for (const auto& c : cases) {
        const auto result = addDecimal(*parseDecimal(c.base), *parseDecimal(c.amount), c.sign);
        EXPECT_EQ(formatDecimal(result), c.result) << c.base << " " << c.amount;
    }
    for (const std::string bad : {"abc", "1.2.3", "-", "12x", "1 2"}) EXPECT_FALSE(parseDecimal(bad)) << bad;
}

}  // namespace
}  // namespace tessel::sim
