// Building the output record of a completed form.
#include "simulator/output_record.h"

#include <gtest/gtest.h>

#include "simulator/field_types.h"
#include "support/projects.h"

namespace tessel::sim {
namespace {

constexpr LocalTime kMorning{2026, 3, 5, 9, 7, 42};

class OutputRecord : public ::testing::Test {
protected:
    OutputRecord() { form = tessel::test::newProject(kFamily4760).definition.forms[0]; }

    void setField(std::size_t line, int type, std::string input) {
        form.fieldType[line] = static_cast<Byte>(type);
        inputs[line] = std::move(input);
    }
    std::string build(Delimiters delimiters = {',', 0}) {
        return buildOutputRecord(form, inputs, delimiters, kMorning);
    }

    FormRecord form{};
    std::array<std::string, kFieldsPerForm> inputs{};
};

TEST_F(OutputRecord, FixedLengthPadsByAlignmentOrCuts) {
    struct Case {
        std::string input;
        Byte length;
        Byte alignment;
        std::string expected;
    };
    const Case cases[] = {
        {"7", 3, 0, "7  "},     {"7", 3, 1, "  7"},   {"7", 3, 2, "700"}, {"7", 3, 3, "007"},
        {"12345", 3, 3, "123"}, {"123", 3, 1, "123"}, {"", 2, 2, "00"},   {"AB", 0, 0, ""},
    };
    for (const auto& c : cases) {
        setField(0, kFieldText, c.input);
        form.fixedLengthOn[0] = 1;
        form.fixedLength[0] = c.length;
        form.alignment[0] = c.alignment;
        EXPECT_EQ(build(), c.expected) << c.input << " " << int(c.length) << " " << int(c.alignment);
    }
}

TEST_F(OutputRecord, DelimitersPrefixesAndSuffixes) {
    setField(0, kFieldText, "AB");
    setField(1, kFieldInteger, "7");
    setField(2, kFieldReal, "1.5");
    form.prefixOn[1] = 1;
    setCellText(form.prefix[1], "\x02<");
    form.suffixOn[1] = 1;
    setCellText(form.suffix[1], ">\r");
    form.suffixOn[2] = 1;  // without its flag a prefix is left out
    setCellText(form.prefix[2], "P");
    EXPECT_EQ(build({',', ';'}), "AB,;\x02<7>\r,;1.5");
    EXPECT_EQ(build({0, 0}), "AB\x02<7>\r1.5");
    EXPECT_EQ(build({'\t', 0}), "AB\t\x02<7>\r\t1.5");
}

TEST_F(OutputRecord, WhichLinesAreSaved) {
    setField(0, kFieldFixedData, "typed");
    setCellText(form.fieldPrompt[0], "SITE7");
    setField(1, kFieldLookup, "looked up");
    setField(2, kFieldLookup, "kept");
    form.initialValueOn[2] = 1;  // a lookup field's "save field data"
    setField(3, kFieldPrompt, "prompt");
    setField(4, kFieldCounter, "0001");
    setField(5, kFieldText, "head");
    setField(6, kFieldExtension, "+more");
    setField(7, kFieldExtension, "+end");
    EXPECT_EQ(build(), "SITE7,kept,head+more+end");
}

TEST_F(OutputRecord, DateAndTimeStamp) {
    struct Case {
        std::string name;
        Byte position, style, yearDigits, split, separatorOn;
        Bytes<3> date;  // year, month, day enabled
        Bytes<3> time;  // hour, minute, second enabled
        std::string expected;
    };
    const Case cases[] = {
        {"before the fields, defaults", 1, 0, 0, 1, 1, {1, 1, 1}, {1, 1, 1}, "2026/03/05,09:07:42,AB"},
        {"after, day first, no split", 2, 2, 0, 0, 1, {1, 1, 1}, {0, 0, 0}, "AB,05/03/2026"},
        {"after, split without time", 2, 2, 0, 1, 1, {1, 1, 1}, {0, 0, 0}, "AB,05/03/2026,"},
        {"month first, two digits, no separators", 2, 1, 1, 0, 0, {1, 1, 1}, {1, 1, 0}, "AB,0305260907"},
        {"day and hour only", 2, 2, 0, 1, 1, {0, 0, 1}, {1, 0, 0}, "AB,05,09"},
        {"year and second", 2, 0, 0, 1, 1, {1, 0, 0}, {0, 0, 1}, "AB,2026,42"},
        {"nothing enabled", 2, 0, 0, 1, 1, {0, 0, 0}, {0, 0, 0}, "AB,,"},
        {"no stamp", 0, 0, 0, 1, 1, {1, 1, 1}, {1, 1, 1}, "AB"},
    };
    setField(0, kFieldText, "AB");
    for (const auto& c : cases) {
        form.stampPosition = c.position;
        form.stampDateStyle = c.style;
        form.stampYearDigits = c.yearDigits;
        form.stampSplit = c.split;
        form.stampDateSeparatorOn = form.stampTimeSeparatorOn = c.separatorOn;
        form.stampYear = c.date[0];
        form.stampMonth = c.date[1];
        form.stampDay = c.date[2];
        form.stampHour = c.time[0];
        form.stampMinute = c.time[1];
        form.stampSecond = c.time[2];
        EXPECT_EQ(build(), c.expected) << c.name;
    }
}

TEST_F(OutputRecord, StampAloneHasNoLeadingDelimiter) {
    form.stampPosition = 1;
    form.stampSplit = 0;
    EXPECT_EQ(build(), "2026/03/0509:07:42");
}

TEST_F(OutputRecord, StopsAtItsLimit) {
    for (std::size_t line = 0; line < 4; ++line) {
        setField(line, kFieldText, std::string(160, static_cast<char>('a' + line)));
    }
    const std::string record = build();
    ASSERT_EQ(record.size(), kOutputRecordLimit);
    EXPECT_EQ(record.substr(0, 161), std::string(160, 'a') + ",");
    EXPECT_EQ(record.back(), 'c');
}

}  // namespace
}  // namespace tessel::sim
