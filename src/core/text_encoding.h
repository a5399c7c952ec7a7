#pragma once
// Terminal texts, project texts and language files are 8-bit Windows-1251.
// This is the one conversion between those bytes and Unicode (UTF-8) that the
// whole program uses.
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// Every byte has a character, so decoding never fails and re-encoding the
// result gives the same bytes back.
std::string cp1251ToUtf8(std::string_view bytes);

// Fails on malformed UTF-8 or a character that has no Windows-1251 byte.
std::optional<std::string> utf8ToCp1251(std::string_view utf8);

// As above, but puts '?' in place of what cannot be encoded.
std::string utf8ToCp1251Lossy(std::string_view utf8);

}  // namespace tessel
