#include "simulator/screen_text.h"

#include "core/text_encoding.h"

namespace tessel::sim {
namespace {

constexpr unsigned char kDelete = 0x7F;

// U+2400 to U+241F picture the control bytes 0 to 31, U+2421 the delete byte.
std::string controlPicture(unsigned char byte) {
    const unsigned codePoint = byte == kDelete ? 0x2421 : 0x2400 + byte;
    return {static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

// The row as the terminal shows it: padded to the full width, with the clock
// line or the pending character drawn over it.
std::string shownRow(const Screen& screen, int row) {
    std::string bytes = screen.rows[row];
    if (screen.state == SimState::MainMenu && row == kScreenRows - 1) bytes = screen.clockText;
    bytes.resize(kScreenColumns, ' ');
    const bool cursorRow = screen.state == SimState::FormScreen && screen.cursor.row == row;
    if (cursorRow && screen.pendingCharacter) {
        bytes[static_cast<std::size_t>(screen.cursor.column)] = *screen.pendingCharacter;
    }
    return bytes;
}

}  // namespace

std::string displayText(std::string_view bytes) {
    std::string text;
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        const bool control = i < bytes.size() && (static_cast<unsigned char>(bytes[i]) < 0x20 ||
                                                  static_cast<unsigned char>(bytes[i]) == kDelete);
        if (i < bytes.size() && !control) continue;
        text += cp1251ToUtf8(bytes.substr(plainFrom, i - plainFrom));
        if (control) text += controlPicture(static_cast<unsigned char>(bytes[i]));
        plainFrom = i + 1;
    }
    return text;
}

std::string shownRowText(const Screen& screen, int row) { return displayText(shownRow(screen, row)); }

std::string screenText(const Simulator& simulator) {
    const Screen& screen = simulator.screen();
    std::string text = "state=" + std::string(stateName(screen.state));
    text += " highlight=" + std::to_string(screen.highlightRow);
    text += " cursor=" + std::to_string(screen.cursor.column) + "," + std::to_string(screen.cursor.row);
    text += " counter=" + std::to_string(simulator.recordCounter()) + "\n";
    text += "output=" + displayText(simulator.outputRecord()) + "\n";
    for (int row = 0; row < kScreenRows; ++row) text += "|" + shownRowText(screen, row) + "|\n";
    return text;
}

}  // namespace tessel::sim
