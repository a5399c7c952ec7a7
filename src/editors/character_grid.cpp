#include "editors/character_grid.h"

#include <algorithm>
#include <array>

#include "core/messages.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr Byte kFirstVariable = 0x1D;
constexpr int kFirstVariableTextId = 1345;  // "variable1"

constexpr std::array<const char*, 0x20> kControlNames{
    "",    "Ins", "Del", "Home",  "End",  "Up",    "Down", "Left",  // 00..07
    "BS",  "HT",  "LF",  "Right", "PgUp", "Enter", "PgDn", "F1",    // 08..0F
    "F2",  "F3",  "F4",  "F5",    "F6",   "F7",    "F8",   "F9",    // 10..17
    "F10", "F11", "F12", "ESC",   "Exec", "Var1",  "Var2", "Var3",  // 18..1F
};

// A byte's name as the result text shows it: variables by their long name.
std::string resultName(Byte value, const Strings& strings) {
    if (isVariableByte(value)) return strings.text(kFirstVariableTextId + (value - kFirstVariable));
    return gridByteName(value);
}

}  // namespace

std::string gridByteName(Byte value) {
    if (value < kControlNames.size()) return kControlNames[value];
    if (value == 0x20) return "SP";
    if (value == 0x7F) return "DEL";
    if (value > 0x7F) return std::to_string(value);
    return std::string(1, static_cast<char>(value));
}

bool isUnselectableByte(Byte value) { return value == 0x00 || value == 0x0A || value == 0x0D; }

bool isVariableByte(Byte value) { return value >= kFirstVariable && value <= kFirstVariable + 2; }

std::string gridResultText(std::span<const Byte> value, std::size_t capacity, const Strings& strings) {
    std::string text;
    for (std::size_t i = 0; i < value.size() && i < capacity && value[i] != 0; ++i) {
        text += ' ' + resultName(value[i], strings);
        if (isVariableByte(value[i])) break;
    }
    if (text.size() > kGridResultTextMax) text.resize(kGridResultTextMax);
    return cp1251ToUtf8(text);
}

CharacterGrid::CharacterGrid(std::span<const Byte> value, std::size_t capacity, const Strings& strings,
                             MessageService& messages)
    : strings_(strings), messages_(messages), capacity_(std::min(capacity, kGridValueBytes)) {
    for (std::size_t i = 0; i < value.size() && i < capacity_ && value[i] != 0; ++i) {
        value_[count_++] = value[i];
        if (isVariableByte(value[i])) {
            count_ = capacity_;
            break;
        }
    }
    savedText_ = gridResultText(value_, capacity_, strings_);
    result_ = utf8ToCp1251Lossy(savedText_);
}

void CharacterGrid::click(int column, int row) {
    if (column < 0 || column >= kGridSide || row < 0 || row >= kGridSide) return;
    const Byte byte = gridCellByte(column, row);
    if (isUnselectableByte(byte)) return;
    selectedColumn_ = column;
    selectedRow_ = row;
    const MessageStyle warning{MessageIcon::Warning, MessageButtons::Ok};
    if (count_ >= capacity_) {
        messageByIds(strings_, messages_, 1122, 1143, warning);
        return;
    }
    if (isVariableByte(byte)) {
        if (count_ != 0) {
            messageByIds(strings_, messages_, 1121, 1143, warning);
            return;
        }
        value_[0] = byte;
        count_ = capacity_;
    } else {
        value_[count_++] = byte;
    }
    appendName(resultName(byte, strings_));
}

void CharacterGrid::clear() {
    value_.fill(0);
    count_ = 0;
    result_.clear();
}

std::string CharacterGrid::resultText() const { return cp1251ToUtf8(result_); }

void CharacterGrid::appendName(const std::string& name) {
    result_ += ' ' + name;
    if (result_.size() > kGridResultTextMax) result_.resize(kGridResultTextMax);
}

}  // namespace tessel
