#include "link/wire.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tessel::link {
namespace {

// The line up to its first zero byte, as the terminal's keyword search sees it.
std::string_view untilZero(std::span<const Byte> line) {
    const auto end = std::find(line.begin(), line.end(), Byte{0});
    return textOf(line.first(static_cast<std::size_t>(end - line.begin())));
}

}  // namespace

ByteString bytesOf(std::string_view text) { return ByteString(text.begin(), text.end()); }

std::string_view textOf(std::span<const Byte> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool containsKeyword(std::span<const Byte> line, std::string_view keyword) {
    return untilZero(line).find(keyword) != std::string_view::npos;
}

std::size_t lengthUntilZero(std::span<const Byte> line) { return untilZero(line).size(); }

bool isIdentification(std::span<const Byte> line) {
    constexpr std::size_t kLength = kIdentifications[0].size();
    if (line.size() < kLength) return false;
    const auto head = textOf(line.first(kLength));
    return std::find(kIdentifications.begin(), kIdentifications.end(), head) != kIdentifications.end();
}

std::uint16_t sum16(std::span<const Byte> bytes) {
    return static_cast<std::uint16_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

ByteString lookupRecordFrame(std::span<const Byte> characters) {
    ByteString frame(characters.begin(), characters.end());
    const std::uint16_t sum = sum16(characters);
    frame.push_back(lineSafe(static_cast<Byte>(sum >> 8)));
    frame.push_back(lineSafe(static_cast<Byte>(sum & 0xFF)));
    frame.push_back(kCr);
    return frame;
}

ByteString uploadRecord(Byte sequence, std::span<const Byte> data) {
    ByteString record(data.size() + 1);
    record[0] = sequence;
    std::copy(data.begin(), data.end(), record.begin() + 1);
    const std::uint16_t sum = sum16(record);
    record.push_back(lineSafe(static_cast<Byte>(sum & 0xFF)));
    record.push_back(lineSafe(static_cast<Byte>(sum >> 8)));
    record.push_back(kCr);
    return record;
}

bool uploadChecksumMatches(std::span<const Byte> line) {
    if (line.size() < 4) return false;
    const std::size_t length = line.size();
    const std::uint16_t sum = sum16(line.first(length - 3));
    return line[length - 3] == lineSafe(static_cast<Byte>(sum & 0xFF)) &&
           line[length - 2] == lineSafe(static_cast<Byte>(sum >> 8));
}

}  // namespace tessel::link
