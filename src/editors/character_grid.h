#pragma once
// The character grid: short byte strings that may hold terminal keys and
// control codes (field prefixes and suffixes, code identifiers) are composed by
// picking bytes from a 16 x 16 table of their names instead of being typed.
#include <span>
#include <string>

#include "core/bytes.h"

namespace tessel {

class Strings;
class MessageService;

inline constexpr int kGridSide = 16;
inline constexpr std::size_t kGridValueBytes = 32;
inline constexpr std::size_t kGridResultTextMax = 70;
using GridValue = Bytes<kGridValueBytes>;

// The byte shown in a cell: column c, row r (both 0..15) hold 16 * c + r.
constexpr Byte gridCellByte(int column, int row) { return static_cast<Byte>(kGridSide * column + row); }

// The terminal's name for a byte: "Enter", "F1", "SP", "Var1", "A", "DEL",
// "128" ...; empty for 0.
std::string gridByteName(Byte value);

// 0, line feed and Enter cannot be part of a value.
bool isUnselectableByte(Byte value);
// Var1..Var3 stand for the form's variables and make up a value alone.
bool isVariableByte(Byte value);

// The text of a value (UTF-8): for each byte until a zero or `capacity`, a
// space and its name; a variable shows as "variable1".."variable3" and ends it.
std::string gridResultText(std::span<const Byte> value, std::size_t capacity, const Strings& strings);

// One run of the grid dialog over a value of at most `capacity` bytes.
class CharacterGrid {
public:
    CharacterGrid(std::span<const Byte> value, std::size_t capacity, const Strings& strings, MessageService& messages);

    // A click on cell (column, row), both 0..15: selects the cell and appends
    // its byte, or says why it cannot.
    void click(int column, int row);
    void clear();

    const GridValue& value() const { return value_; }
    std::size_t count() const { return count_; }
    std::string resultText() const;
    // The text of the value the dialog was opened on, which Cancel shows again.
    const std::string& savedText() const { return savedText_; }
    int selectedColumn() const { return selectedColumn_; }
    int selectedRow() const { return selectedRow_; }

private:
    void appendName(const std::string& name);

    const Strings& strings_;
    MessageService& messages_;
    std::size_t capacity_;
    GridValue value_{};
    std::size_t count_ = 0;
    std::string result_;  // Windows-1251, as the names are
    std::string savedText_;
    int selectedColumn_ = 2;  // the cell of "SP"
    int selectedRow_ = 0;
};

}  // namespace tessel
