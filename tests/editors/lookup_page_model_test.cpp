#include "editors/lookup_page_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/messages.h"
#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

// A Lookup page opened on a new project of the group family.
class LookupPage : public ::testing::Test {
protected:
    void SetUp() override { page.load(project.definition.lookups, project.family); }

    // The lookup on show as a delimited lookup of the given maximum lengths.
    void delimit(const std::vector<unsigned>& lengths) {
        page.chooseDelimiter();
        page.setColumnCount(static_cast<int>(lengths.size()));
        for (std::size_t k = 0; k < lengths.size(); ++k) page.setLength(k, std::to_string(lengths[k]));
    }

    Project project = test::newProject(kFamilyGroup);
    CapturedMessages messages;
    LookupPageModel page{test::builtinStrings(), messages};
};

TEST_F(LookupPage, Lists) {
    const Strings& strings = test::builtinStrings();
    EXPECT_EQ(LookupPageModel::nameEntries(strings),
              (ListEntries{"1st lookup file", "2nd lookup file", "3rd lookup file"}));
    const ListEntries counts = LookupPageModel::columnCountEntries();
    ASSERT_EQ(counts.size(), 9u);
    EXPECT_EQ(counts.front(), " 0");
    EXPECT_EQ(counts.back(), " 8");
    EXPECT_EQ(LookupPageModel::badFormatEntries(strings).size(), 3u);
    ASSERT_EQ(page.noMatchEntries().size(), 6u);
    EXPECT_EQ(page.noMatchEntries()[5], "Show warning & clear screen");
}

// Every number box: not a number shows 0, 256 or more shows 255, a leading
// zero is dropped.
TEST_F(LookupPage, NumberBoxesAreCorrectedInPlace) {
    struct Case {
        const char* typed;
        const char* shown;
        Byte stored;
    };
    const Case cases[] = {{"12", "12", 12},    {"", "0", 0},    {"1a", "0", 0},      {"256", "255", 255},
                          {"999", "255", 255}, {"007", "7", 7}, {"255", "255", 255}, {"044", "44", 44}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(page.setRecordLength(c.typed), c.shown);
        EXPECT_EQ(page.lookup().recordLength, c.stored);
        EXPECT_EQ(page.setOffset(7, c.typed), c.shown);
        EXPECT_EQ(page.lookup().columnOffset[7], c.stored);
        EXPECT_EQ(page.setLength(0, c.typed), c.shown);
        EXPECT_EQ(page.lookup().columnLength[0], c.stored);
        EXPECT_EQ(page.setDelimiter(c.typed), c.shown);
        EXPECT_EQ(page.lookup().delimiter, c.stored);
    }
    EXPECT_TRUE(messages.shown().empty());
}

// The eight lengths together never pass 255.
TEST_F(LookupPage, LengthsShareTwoHundredFiftyFive) {
    struct Case {
        std::vector<unsigned> before;
        std::size_t column;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {{200, 50}, 2, "10", "5"}, {{200, 50}, 2, "5", "5"},          {{200, 50}, 0, "206", "205"},
        {{255}, 7, "1", "0"},      {{0, 0, 0, 100}, 3, "255", "255"}, {{30, 30, 30, 30, 30, 30, 30}, 7, "50", "45"},
    };
    for (const Case& c : cases) {
        page.reset();
        for (std::size_t k = 0; k < c.before.size(); ++k) page.setLength(k, std::to_string(c.before[k]));
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(page.setLength(c.column, c.typed), c.shown);
        EXPECT_EQ(std::to_string(page.lookup().columnLength[c.column]), c.shown);
    }
}

TEST_F(LookupPage, CarriageReturnIsRefusedAsDelimiter) {
    page.setDelimiter("44");
    EXPECT_EQ(page.lookup().delimiter, ',');
    EXPECT_EQ(page.setDelimiter("13"), "44");
    EXPECT_EQ(page.lookup().delimiter, ',');
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");
    EXPECT_EQ(messages.shown()[0].text, "Invalid value!");
    EXPECT_EQ(messages.shown()[0].style.icon, MessageIcon::Warning);
    EXPECT_EQ(page.delimiterText(), "44");
}

TEST_F(LookupPage, NewProjectsStartWithTabDelimiterAndResetMakesThemFixed) {
    for (std::size_t i = 0; i < kLookupCount; ++i) {
        page.selectLookup(i);
        EXPECT_TRUE(page.delimited());
        EXPECT_EQ(page.delimiterText(), "9");
    }
    for (LookupRecord& lookup : project.definition.lookups) {
        lookup.deleteIfNull = 1;
        lookup.onSdCard = 1;
        lookup.readOnce = 1;
        lookup.columnLength[2] = 9;
    }
    page.load(project.definition.lookups, project.family);
    page.selectLookup(2);
    page.reset();
    EXPECT_EQ(page.currentLookup(), 0u);
    EXPECT_FALSE(page.delimited());
    for (const LookupRecord& lookup : page.workingCopy()) {
        EXPECT_EQ(lookup.delimiter, 0);
        EXPECT_EQ(lookup.uploadable, 1);
        EXPECT_EQ(lookup.readOnce, 0);
        EXPECT_EQ(lookup.columnLength[2], 0);
        EXPECT_EQ(lookup.columnOffset[5], 1);
        EXPECT_EQ(lookup.deleteIfNull, 1);
        EXPECT_EQ(lookup.onSdCard, 1);
    }
}

TEST_F(LookupPage, LayoutRadios) {
    page.reset();
    EXPECT_EQ(page.delimiterText(), "0");
    page.chooseDelimiter();
    EXPECT_EQ(page.lookup().delimiter, 9);
    EXPECT_EQ(page.delimiterText(), "9");
    page.setDelimiter("59");
    page.chooseFixedLength();
    EXPECT_EQ(page.lookup().delimiter, 0);
    EXPECT_EQ(page.delimiterText(), "59");
    page.chooseDelimiter();
    EXPECT_EQ(page.lookup().delimiter, ';');
    // An emptied box stores 0, which reads back as fixed length.
    page.setDelimiter("");
    page.selectLookup(0);
    EXPECT_FALSE(page.delimited());
}

TEST_F(LookupPage, EnablingFollowsLayoutAndColumnCount) {
    page.reset();
    page.setColumnCount(3);
    EXPECT_TRUE(page.memberLengthEnabled());
    EXPECT_FALSE(page.delimiterBoxEnabled());
    EXPECT_EQ(page.note(), DelimiterNote::Warning);
    EXPECT_STREQ(page.lengthHeading(), "   Length");
    for (std::size_t k = 0; k < kColumnsPerLookup; ++k) {
        EXPECT_EQ(page.columnEnabled(k), k < 3) << k;
        EXPECT_EQ(page.offsetEnabled(k), k < 3) << k;
    }
    page.chooseDelimiter();
    EXPECT_FALSE(page.memberLengthEnabled());
    EXPECT_TRUE(page.delimiterBoxEnabled());
    EXPECT_EQ(page.note(), DelimiterNote::Grey);
    EXPECT_STREQ(page.lengthHeading(), "Max Length");
    for (std::size_t k = 0; k < kColumnsPerLookup; ++k) {
        EXPECT_EQ(page.columnEnabled(k), k < 3) << k;
        EXPECT_FALSE(page.offsetEnabled(k)) << k;
    }
    page.setKeyColumn(2);
    EXPECT_EQ(page.lookup().keyColumn, 2);
}

TEST_F(LookupPage, ReadOnceNarrowsTheNoMatchActions) {
    struct Case {
        int shownBefore;  // entry of the six-entry list
        Byte storedOn;
        int shownOn;
        Byte storedOffAgain;
    };
    // Read once allows only the inserting actions: an inserting action stays,
    // "Show warning message" gains the insert, the others become the first
    // entry. Reading on every scan again drops the insert.
    const Case cases[] = {{0, 2, 0, 0}, {1, 3, 1, 1}, {2, 2, 0, 0}, {3, 3, 1, 1}, {4, 2, 0, 0}, {5, 2, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shownBefore);
        page.setReadOnce(false);
        page.setNoMatchIndex(c.shownBefore);
        EXPECT_EQ(page.lookup().noMatchAction, c.shownBefore);
        page.setReadOnce(true);
        EXPECT_EQ(page.lookup().noMatchAction, c.storedOn);
        EXPECT_EQ(page.noMatchIndex(), c.shownOn);
        EXPECT_EQ(page.noMatchEntries(), (ListEntries{"Insert to lookup file", "Show warning message & Insert"}));
        page.setReadOnce(false);
        EXPECT_EQ(page.lookup().noMatchAction, c.storedOffAgain);
        EXPECT_EQ(page.noMatchEntries().size(), 6u);
    }
    page.setReadOnce(true);
    page.setNoMatchIndex(1);
    EXPECT_EQ(page.lookup().noMatchAction, 3);
    page.setBadFormatAction(2);
    EXPECT_EQ(page.lookup().badFormatAction, 2);
}

TEST_F(LookupPage, AnotherLookupReloadsItsLayout) {
    project.definition.lookups[1].delimiter = 0;
    project.definition.lookups[1].columnCount = 2;
    page.load(project.definition.lookups, project.family);
    page.selectLookup(1);
    EXPECT_FALSE(page.delimited());
    EXPECT_EQ(page.delimiterText(), "0");
    EXPECT_TRUE(page.offsetEnabled(1));
    page.selectLookup(2);
    EXPECT_TRUE(page.delimited());
    EXPECT_FALSE(page.columnEnabled(0));
}

TEST_F(LookupPage, SdCardBoxOnlyForTheGroupFamily) {
    EXPECT_TRUE(page.sdCardShown());
    page.load(project.definition.lookups, kFamily4760);
    EXPECT_FALSE(page.sdCardShown());
}

TEST(DelimitedLayout, OneDelimiterBetweenColumns) {
    struct Case {
        std::vector<Byte> lengths;
        std::vector<unsigned> offsets;
        unsigned recordLength;
        bool fits;
    };
    const Case cases[] = {
        {{10, 5, 8}, {1, 12, 18}, 25, true},
        {{7}, {1}, 7, true},
        {{}, {}, 0, true},
        {{1, 1, 1, 1, 1, 1, 1, 1}, {1, 3, 5, 7, 9, 11, 13, 15}, 15, true},
        {{127, 127}, {1, 129}, 255, true},
        {{255, 0}, {1, 257}, 256, false},
        {{254, 0}, {1, 256}, 255, false},
        {{200, 50, 5}, {1, 202, 253}, 257, false},
    };
    for (const Case& c : cases) {
        LookupRecord lookup{};
        lookup.delimiter = 9;
        lookup.columnCount = static_cast<Byte>(c.lengths.size());
        std::copy(c.lengths.begin(), c.lengths.end(), lookup.columnLength.begin());
        const DelimitedLayout layout = delimitedLayout(lookup);
        SCOPED_TRACE(c.recordLength);
        EXPECT_EQ(std::vector<unsigned>(layout.offsets.begin(), layout.offsets.begin() + c.offsets.size()), c.offsets);
        EXPECT_EQ(layout.recordLength, c.recordLength);
        EXPECT_EQ(layout.fitsInBytes(), c.fits);
    }
}

TEST_F(LookupPage, AcceptLaysOutDelimitedLookupsOnly) {
    delimit({10, 5, 8});
    page.setOffset(5, "77");  // beyond the columns: kept
    page.selectLookup(1);
    page.chooseFixedLength();
    page.setColumnCount(2);
    page.setRecordLength("40");
    page.setOffset(1, "30");
    page.selectLookup(2);  // delimited, no columns
    ASSERT_FALSE(page.lookupPastItsBytes());
    WorkingTexts startupTexts;
    page.accept(project, startupTexts);

    const LookupTable& stored = project.definition.lookups;
    EXPECT_EQ(stored[0].recordLength, 25);
    EXPECT_EQ(std::vector<Byte>(stored[0].columnOffset.begin(), stored[0].columnOffset.begin() + 3),
              (std::vector<Byte>{1, 12, 18}));
    EXPECT_EQ(stored[0].columnOffset[5], 77);
    EXPECT_EQ(stored[1].recordLength, 40);
    EXPECT_EQ(stored[1].columnOffset[1], 30);
    EXPECT_EQ(stored[2].recordLength, 0);
    EXPECT_EQ(stored[2].delimiter, 9);
}

TEST_F(LookupPage, LayoutPastAByteIsRefused) {
    page.selectLookup(1);
    delimit({200, 50, 5});
    page.selectLookup(2);
    EXPECT_EQ(page.lookupPastItsBytes(), 1u);
    // As fixed-length columns the same lengths are the user's to place.
    page.selectLookup(1);
    page.chooseFixedLength();
    EXPECT_FALSE(page.lookupPastItsBytes());
}

// The calculator entry moves behind the lookup entry while a lookup is in use.
TEST_F(LookupPage, AcceptRenumbersTheCalculatorLine) {
    struct Case {
        const char* line;
        bool inUse;
        const char* renumbered;
    };
    const Case cases[] = {{"8. Calculator", true, "9. Calculator"},
                          {"9. Calculator", false, "8. Calculator"},
                          {"8. Calculator", false, "8. Calculator"},
                          {"Calculator", true, "Calculator"}};
    for (const Case& c : cases) {
        setCellText(project.defaults.settingsLines[0], c.line);
        setCellText(project.definition.settings.textLines[0], c.line);
        WorkingTexts startupTexts;
        setCellText(startupTexts.groups[kMiscContinuousSlot][kCalculatorSlotLine], c.line);
        page.reset();
        if (c.inUse) {
            delimit({4});
        }
        page.accept(project, startupTexts);
        SCOPED_TRACE(c.line);
        EXPECT_EQ(cellText(project.defaults.settingsLines[0]), c.renumbered);
        EXPECT_EQ(cellText(project.definition.settings.textLines[0]), c.renumbered);
        EXPECT_EQ(cellText(startupTexts.groups[kMiscContinuousSlot][kCalculatorSlotLine]), c.renumbered);
    }
}

}  // namespace
}  // namespace tessel
