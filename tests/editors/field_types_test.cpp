#include "editors/field_types.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(FieldRowEnabling, FollowsTheTypeTable) {
    struct Case {
        int type;
        bool formHasLookup;
        RowEnabling expected;  // prompt, more, input source, link, lengths
    };
    const Case cases[] = {
        {kFieldNone, true, {false, false, false, false, false}},
        {kFieldText, false, {true, true, true, true, true}},
        {kFieldInteger, true, {true, true, true, true, true}},
        {kFieldBoolean, false, {true, true, true, true, false}},
        {kFieldLookup, true, {true, true, false, true, false}},
        {kFieldLookup, false, {true, true, false, false, false}},
        {kFieldFixedData, true, {true, true, false, false, false}},
        {kFieldPrompt, true, {true, false, false, false, false}},
        {kFieldCounter, true, {true, false, false, false, false}},
        {kFieldPassDown, true, {true, false, false, false, false}},
        {kFieldExtension, true, {false, false, false, false, false}},
        {kFieldPause, true, {true, false, true, false, false}},
        {kFieldAlphameric, false, {true, true, true, true, true}},
        {kFieldVariable2, false, {true, true, true, true, true}},
        {kFieldCompare, true, {true, true, true, true, true}},
        {kFieldTypeCount, true, {false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rowEnabling(c.type, c.formHasLookup), c.expected)
            << "type " << c.type << " lookup " << c.formHasLookup;
    }
}

TEST(FieldTypeChange, ResetsPropertiesOnlyBetweenUnlikeKinds) {
    struct Case {
        int from;
        int to;
        bool resets;
    };
    const Case cases[] = {
        {kFieldText, kFieldInteger, false},     {kFieldText, kFieldLookup, false},
        {kFieldLookup, kFieldText, true},       {kFieldText, kFieldNone, true},
        {kFieldAlphameric, kFieldNone, true},   {kFieldText, kFieldAlphameric, true},
        {kFieldText, kFieldFixedData, true},    {kFieldAlphameric, kFieldVariable1, false},
        {kFieldLookup, kFieldFixedData, false}, {kFieldPause, kFieldCompare, true},
        {kFieldFixedData, kFieldText, true},    {kFieldPause, kFieldBoolean, true},
        {kFieldCompare, kFieldText, false},     {kFieldNone, kFieldText, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typeChangeResetsProperties(c.from, c.to), c.resets) << c.from << " -> " << c.to;
    }
}

TEST(FieldTypes, SignedColumnsOnlyForNumbers) {
    for (int type = 0; type < kFieldTypeCount; ++type) {
        const bool numeric = type == kFieldInteger || type == kFieldReal || type == kFieldAuto;
        EXPECT_EQ(hasSignedColumns(type), numeric) << type;
    }
}

}  // namespace
}  // namespace tessel
