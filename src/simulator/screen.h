#pragma once
// The simulated terminal display as data: 9 text rows of at most 20 8-bit
// characters, the highlight bar, the input cursor, the clock line and the
// character of an unfinished multi-tap key. The engine writes it; a front end
// paints or prints it.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "simulator/sim_state.h"

namespace tessel::sim {

inline constexpr int kScreenRows = 9;
inline constexpr int kScreenColumns = 20;

// The rows, each kept at most kScreenColumns bytes long whatever is written.
class ScreenRows {
public:
    const std::string& operator[](int row) const { return rows_[index(row)]; }

    void set(int row, std::string_view bytes);
    void blank(int row);  // 20 spaces
    void clear(int row);  // empty
    void clearAll();

    // Writes `c` at `column`, padding with spaces up to it; ignored beyond the width.
    void put(int row, int column, char c);
    // Cuts the row to `length` bytes when it is longer.
    void cut(int row, int length);
    // Pads the row with `fill` up to `length` bytes.
    void pad(int row, int length, char fill);
    void removeLast(int row);

private:
    static std::size_t index(int row) { return static_cast<std::size_t>(row); }
    std::array<std::string, kScreenRows> rows_{};
};

// Column 0 to 19 and row 0 to 7 of the input cursor; drawn in forms only.
struct Cursor {
    int column = 0;
    int row = 0;
};

struct Screen {
    ScreenRows rows;
    SimState state = SimState::MainMenu;
    int highlightRow = 1;  // 1-based row under the highlight bar, 0 for none
    Cursor cursor;
    int clockPhase = 0;                    // 0 to 9; the clock's colon shows in phases 0 to 4
    std::string clockText;                 // the main menu's clock line, drawn over row 8
    std::optional<char> pendingCharacter;  // shown at the cursor, not yet entered
};

}  // namespace tessel::sim
