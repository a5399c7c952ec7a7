#pragma once
// Text typed into an edit becomes terminal text: Windows-1251 bytes, cut to
// what its slot holds. The edit then shows what was kept.
#include <string>
#include <string_view>

#include "core/bytes.h"
#include "core/text_encoding.h"

namespace tessel {

// Up to `limit` Windows-1251 characters of an edit's UTF-8 text.
inline std::string typedBytes(std::string_view utf8, std::size_t limit) {
    std::string bytes = utf8ToCp1251Lossy(utf8);
    if (bytes.size() > limit) bytes.resize(limit);
    return bytes;
}

// Stores an edit's text in a zero-terminated slot (at most `limit`
// characters, and never more than the slot holds) and returns the UTF-8 text
// the edit must show.
template <std::size_t N>
std::string storeTypedText(Bytes<N>& slot, std::string_view utf8, std::size_t limit = N - 1) {
    const std::string bytes = typedBytes(utf8, limit < N - 1 ? limit : N - 1);
    setCellText(slot, bytes);
    return cp1251ToUtf8(bytes);
}

}  // namespace tessel
