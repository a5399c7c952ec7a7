#include "editors/character_grid.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "support/projects.h"

namespace tessel {
namespace {

// Cell of a byte: column = high nibble, row = low nibble.
void pick(CharacterGrid& grid, Byte value) { grid.click(value / 16, value % 16); }

class Grid : public ::testing::Test {
protected:
    CharacterGrid open(std::span<const Byte> value, std::size_t capacity) {
        return CharacterGrid(value, capacity, test::builtinStrings(), messages);
    }
    CapturedMessages messages;
};

TEST(GridNames, NameEveryByteInTheTerminalsTerms) {
    struct Case {
        Byte value;
        const char* name;
    };
    const Case cases[] = {
        {0x00, ""},    {0x01, "Ins"}, {0x0A, "LF"},   {0x0D, "Enter"}, {0x0F, "F1"},   {0x10, "F2"},
        {0x1A, "F12"}, {0x1B, "ESC"}, {0x1C, "Exec"}, {0x1D, "Var1"},  {0x1F, "Var3"}, {0x20, "SP"},
        {0x41, "A"},   {0x7E, "~"},   {0x7F, "DEL"},  {0x80, "128"},   {0xFF, "255"},
    };
    for (const auto& c : cases) EXPECT_EQ(gridByteName(c.value), c.name) << int(c.value);
}

TEST(GridNames, ResultTextOfAValue) {
    struct Case {
        std::vector<Byte> value;
        std::size_t capacity;
        const char* text;
    };
    const Case cases[] = {
        {{0x41, 0x20, 0x0F}, 9, " A SP F1"}, {{0x1E, 0x41}, 9, " variable2"},  // a variable ends the value
        {{0x41, 0x00, 0x42}, 9, " A"},       {{0x31, 0x32, 0x33}, 2, " 1 2"}, {{}, 9, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(gridResultText(c.value, c.capacity, test::builtinStrings()), c.text);
}

TEST_F(Grid, ClicksBuildTheValue) {
    auto grid = open({}, 9);
    EXPECT_EQ(grid.selectedColumn(), 2);
    EXPECT_EQ(grid.selectedRow(), 0);
    pick(grid, 0x41);
    pick(grid, 0x20);
    pick(grid, 0x0F);
    EXPECT_EQ(grid.count(), 3u);
    EXPECT_EQ(grid.value()[0], 0x41);
    EXPECT_EQ(grid.value()[1], 0x20);
    EXPECT_EQ(grid.value()[2], 0x0F);
    EXPECT_EQ(grid.resultText(), " A SP F1");
    EXPECT_EQ(grid.selectedColumn(), 0);
    EXPECT_EQ(grid.selectedRow(), 15);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(Grid, GreyCellsCannotBeChosen) {
    auto grid = open({}, 9);
    for (const Byte grey : {Byte{0x00}, Byte{0x0A}, Byte{0x0D}}) pick(grid, grey);
    EXPECT_EQ(grid.count(), 0u);
    EXPECT_EQ(grid.resultText(), "");
    EXPECT_EQ(grid.selectedColumn(), 2);  // the selection stays where it was
}

TEST_F(Grid, CapacityIsGuarded) {
    for (const std::size_t capacity : {std::size_t{2}, std::size_t{9}, std::size_t{10}}) {
        CapturedMessages capacityMessages;
        CharacterGrid grid({}, capacity, test::builtinStrings(), capacityMessages);
        for (std::size_t i = 0; i < capacity; ++i) pick(grid, 0x30);
        EXPECT_TRUE(capacityMessages.shown().empty());
        pick(grid, 0x31);
        EXPECT_EQ(grid.count(), capacity);
        EXPECT_EQ(grid.value()[capacity], 0);
        ASSERT_EQ(capacityMessages.shown().size(), 1u);
        EXPECT_EQ(capacityMessages.shown()[0].caption, "Warning");
        EXPECT_EQ(capacityMessages.shown()[0].text, "Too many characters !!!");
    }
}

TEST_F(Grid, AVariableStandsAlone) {
    auto grid = open({}, 9);
    pick(grid, 0x1E);
    EXPECT_EQ(grid.value()[0], 0x1E);
    EXPECT_EQ(grid.count(), 9u);
    EXPECT_EQ(grid.resultText(), " variable2");
    pick(grid, 0x41);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");

    auto second = open({}, 9);
    pick(second, 0x41);
    pick(second, 0x1D);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].caption, "Error");
    EXPECT_EQ(second.count(), 1u);
    EXPECT_EQ(second.resultText(), " A");
}

TEST_F(Grid, OpensOnTheCallersValue) {
    const Bytes<10> prefix{0x42, 0x0D + 1, 0};
    auto grid = open(prefix, 9);
    EXPECT_EQ(grid.count(), 2u);
    EXPECT_EQ(grid.savedText(), " B PgDn");
    pick(grid, 0x43);
    EXPECT_EQ(grid.resultText(), " B PgDn C");
    EXPECT_EQ(grid.savedText(), " B PgDn");

    const Bytes<2> variable{0x1F, 0};
    auto full = open(variable, 2);
    EXPECT_EQ(full.count(), 2u);
}

TEST_F(Grid, ClearEmptiesTheValue) {
    auto grid = open(Bytes<3>{0x41, 0x42, 0}, 9);
    grid.clear();
    EXPECT_EQ(grid.count(), 0u);
    EXPECT_EQ(grid.value(), GridValue{});
    EXPECT_EQ(grid.resultText(), "");
    EXPECT_EQ(grid.savedText(), " A B");
}

}  // namespace
}  // namespace tessel
