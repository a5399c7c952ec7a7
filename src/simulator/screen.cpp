#include "simulator/screen.h"

#include <algorithm>

namespace tessel::sim {
namespace {

constexpr std::size_t kWidth = kScreenColumns;

std::size_t clampedLength(int length) { return static_cast<std::size_t>(std::clamp(length, 0, kScreenColumns)); }

}  // namespace

void ScreenRows::set(int row, std::string_view bytes) { rows_[index(row)] = bytes.substr(0, kWidth); }

void ScreenRows::blank(int row) { rows_[index(row)].assign(kWidth, ' '); }

void ScreenRows::clear(int row) { rows_[index(row)].clear(); }

void ScreenRows::clearAll() {
    for (auto& row : rows_) row.clear();
}

void ScreenRows::put(int row, int column, char c) {
    if (column < 0 || column >= kScreenColumns) return;
    std::string& text = rows_[index(row)];
    const auto at = static_cast<std::size_t>(column);
    if (text.size() <= at) text.resize(at + 1, ' ');
    text[at] = c;
}

void ScreenRows::cut(int row, int length) {
    std::string& text = rows_[index(row)];
    if (text.size() > clampedLength(length)) text.resize(clampedLength(length));
}

void ScreenRows::pad(int row, int length, char fill) {
    std::string& text = rows_[index(row)];
    if (text.size() < clampedLength(length)) text.resize(clampedLength(length), fill);
}

void ScreenRows::removeLast(int row) {
    std::string& text = rows_[index(row)];
    if (!text.empty()) text.pop_back();
}

}  // namespace tessel::sim
