// The layout tables drive the readable export and import of a definition, so
// each must describe its record's bytes exactly once, in order, and every
// bit-field byte must account for all of its bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "core/records/form_record.h"
#include "core/records/lookup_record.h"
#include "core/records/menu_record.h"
#include "core/records/reader_settings.h"
#include "core/records/rfid_block.h"
#include "core/records/symbology_block.h"
#include "core/records/system_settings.h"
#include "core/records/weight_code_block.h"

namespace tessel {
namespace {

struct RecordLayoutCase {
    std::string_view record;
    std::span<const FieldLayout> fields;
    std::size_t recordSize;
    std::span<const ElementList> lists = {};
};

void PrintTo(const RecordLayoutCase& c, std::ostream* os) { *os << c.record; }

const RecordLayoutCase kRecordLayouts[] = {
    {"FormRecord", kFormRecordLayout, sizeof(FormRecord), kFormRecordLists},
    {"MenuRecord", kMenuRecordLayout, sizeof(MenuRecord), kMenuRecordLists},
    {"LookupRecord", kLookupRecordLayout, sizeof(LookupRecord), kLookupRecordLists},
    {"SystemSettings", kSystemSettingsLayout, sizeof(SystemSettings)},
    {"SymbologyBlock", kSymbologyBlockLayout, sizeof(SymbologyBlock)},
    {"ReaderSettings", kReaderSettingsLayout, sizeof(ReaderSettings)},
    {"RfidBlock", kRfidBlockLayout, sizeof(RfidBlock)},
    {"WeightCodeBlock", kWeightCodeBlockLayout, sizeof(WeightCodeBlock)},
};

class RecordLayoutTest : public testing::TestWithParam<RecordLayoutCase> {};

TEST_P(RecordLayoutTest, FieldsTileTheRecordInOffsetOrder) {
    const auto& [record, fields, recordSize, lists] = GetParam();
    ASSERT_FALSE(fields.empty());
    std::size_t expectedOffset = 0;
    for (const FieldLayout& field : fields) {
        SCOPED_TRACE(std::string(field.name));
        EXPECT_EQ(field.offset, expectedOffset);
        EXPECT_GT(field.size, 0u);
        expectedOffset = field.offset + field.size;
    }
    EXPECT_EQ(expectedOffset, recordSize);
}

TEST_P(RecordLayoutTest, EachFieldSplitsIntoElementsFittingItsKind) {
    for (const FieldLayout& field : GetParam().fields) {
        SCOPED_TRACE(std::string(field.name));
        ASSERT_GE(field.count, 1u);
        ASSERT_EQ(field.size % field.count, 0u);
        const std::size_t element = field.size / field.count;
        switch (field.kind) {
            case FieldKind::Number: EXPECT_EQ(element, 1u); break;
            case FieldKind::Word: EXPECT_EQ(element, 2u); break;
            case FieldKind::Text: EXPECT_GE(element, 2u) << "no room for a character and its zero"; break;
            case FieldKind::Characters: EXPECT_GE(element, 1u); break;
            case FieldKind::Bytes: break;
            case FieldKind::Bits: EXPECT_TRUE(element == 1 || element == 2); break;
        }
        EXPECT_EQ(field.kind == FieldKind::Bits, !field.bits.empty()) << "bit ranges belong to Bits fields only";
    }
}

TEST_P(RecordLayoutTest, BitRangesCoverEachElementExactlyOnce) {
    for (const FieldLayout& field : GetParam().fields) {
        if (field.kind != FieldKind::Bits) continue;
        SCOPED_TRACE(std::string(field.name));
        const unsigned width = static_cast<unsigned>(8 * (field.size / field.count));
        unsigned covered = 0;
        for (const BitRange& range : field.bits) {
            SCOPED_TRACE(std::string(range.name));
            ASSERT_GE(range.width, 1u);
            ASSERT_LE(range.shift + range.width, width);
            EXPECT_EQ(covered & range.mask(), 0u) << "overlaps an earlier range";
            covered |= range.mask();
        }
        EXPECT_EQ(covered, (1u << width) - 1u) << "some bits would be lost on import";
    }
}

TEST_P(RecordLayoutTest, NamesAreUniqueWithinTheirScope) {
    std::set<std::string_view> memberNames;
    for (const FieldLayout& field : GetParam().fields) {
        EXPECT_TRUE(memberNames.insert(field.name).second) << field.name;
        std::set<std::string_view> bitNames;
        for (const BitRange& range : field.bits) {
            EXPECT_TRUE(bitNames.insert(range.name).second) << field.name << '.' << range.name;
        }
    }
}

// Each element list gathers members that have one element per field (item,
// ...), each member once, under names that cannot be confused in the objects
// they end up in.
TEST_P(RecordLayoutTest, ElementListsGatherMembersWithOneElementEach) {
    const auto& [record, fields, recordSize, lists] = GetParam();
    std::set<std::string_view> gathered;
    std::set<std::string_view> recordNames;
    for (const FieldLayout& field : fields) recordNames.insert(field.name);
    for (const ElementList& list : lists) {
        SCOPED_TRACE(std::string(list.name));
        EXPECT_TRUE(recordNames.insert(list.name).second) << "a list named like a member";
        std::set<std::string_view> elementNames{list.number};
        for (const ElementMember& member : list.members) {
            SCOPED_TRACE(std::string(member.member));
            const auto field = std::find_if(fields.begin(), fields.end(),
                                            [&](const FieldLayout& f) { return f.name == member.member; });
            ASSERT_NE(field, fields.end()) << "not a member of the record";
            EXPECT_EQ(field->count, list.count);
            EXPECT_TRUE(member.blank == 0 || field->size == field->count) << "only one-byte members have a blank value";
            EXPECT_TRUE(gathered.insert(member.member).second) << "gathered twice";
            EXPECT_TRUE(elementNames.insert(member.name).second) << "named twice in the element";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllRecords, RecordLayoutTest, testing::ValuesIn(kRecordLayouts),
                         [](const testing::TestParamInfo<RecordLayoutCase>& param) {
                             return std::string(param.param.record);
                         });

// Values whose meaning is known (factory defaults and documented examples),
// decoded through the named ranges.
struct KnownBitsCase {
    std::string_view what;
    BitRange range;
    unsigned raw;
    unsigned expected;
};

const KnownBitsCase kKnownBits[] = {
    {"default scan mode is laser", kSymbologyScanMode, 0x66, 6},
    {"default industrial 25 uses max/min", kSymbologyLengthRange, 0xFF, 1},
    {"default industrial 25 maximum", kSymbologyLength1, 0xFF, 127},
    {"default 2D illumination is internal", kReaderLedIllumination, 0x39, 1},
    {"default 2D aimer is on", kReaderAimerPattern, 0x39, 1},
    {"default 2D time-out", kReaderReadTimeout, 0x39, 9},
    {"default RFID reads the UID", kRfidReadUid, 0x80, 1},
    {"default RFID does not read data", kRfidReadData, 0x80, 0},
    {"default weight code is enabled", kWeightCodeEnable, 1, 1},
    {"sum of field 2 by field 5: sum field", kSumField, 81, 1},
    {"sum of field 2 by field 5: multiplier", kSumMultiplierField, 81, 5},
    {"remains on field 4 with filter: enabled", kRemainsFilterOn, 16 | 3, 1},
    {"remains on field 4 with filter: field", kRemainsLookupField, 16 | 3, 3},
    {"suffix filter on variable 3: suffix", kRemainsFilterIsSuffix, 1 | 2 * 16, 1},
    {"suffix filter on variable 3: variable", kRemainsFilterVariable, 1 | 2 * 16, 2},
    {"partial read from 5, saving all: start", kPartialStartPosition, 0x85, 5},
    {"partial read from 5, saving all: save", kPartialSaveFullBarcode, 0x85, 1},
    {"long-range laser type", kReaderTypeLongRange, 4, 1},
    {"long-range laser is not the 2D reader", kReaderType2d, 4, 0},
};

TEST(KnownBitValues, DecodeThroughTheirRanges) {
    for (const auto& [what, range, raw, expected] : kKnownBits) {
        EXPECT_EQ(range.get(raw), expected) << what;
    }
}

TEST(KnownBitValues, WritingARangeKeepsTheOtherBits) {
    // The default 1D byte 20 carries unnamed low bits that must survive a
    // change of scan mode.
    EXPECT_EQ(kSymbologyScanMode.with(0x66, 2), 0x26u);
    EXPECT_EQ(kSymbologyCode128Copy.with(0xC0, 1), 0xD0u);
}

TEST(WeightCodeBlockBytes, DefaultBytesReadAsTheirNamedValues) {
    const Byte defaults[] = {0xDA, 0xAB, 0x01, 0x00, '2', '3', 0x07, 0x00, 0x02, 0x00, 0x04, 0x00};
    static_assert(sizeof(defaults) == sizeof(WeightCodeBlock));
    WeightCodeBlock block;
    std::memcpy(&block, defaults, sizeof block);

    EXPECT_EQ(block.marker.value(), kWeightCodeMarker);
    EXPECT_EQ(block.flags.value(), 1u);
    EXPECT_EQ(block.prefixCode, (Bytes<2>{'2', '3'}));
    EXPECT_EQ(block.maskCode.value(), 7u);
    EXPECT_EQ(block.keyField.value(), 2u);
    EXPECT_EQ(block.quantityField.value(), 4u);
}

}  // namespace
}  // namespace tessel
