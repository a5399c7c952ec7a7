#pragma once
// The bytes on the link: keywords, identifications, checksums and the two
// CR-ended record frames. Application frames come from core/application_image.h.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/bytes.h"

namespace tessel::link {

using ByteString = std::vector<Byte>;

inline constexpr Byte kCr = 0x0D;
inline constexpr Byte kLf = 0x0A;

inline constexpr std::string_view kOpenDownload = "KORVAN\r";
inline constexpr std::string_view kOpenReceive = "READ\r";
inline constexpr std::string_view kAck = "ACK\r";
inline constexpr std::string_view kNak = "NAK\r";
inline constexpr std::string_view kOver = "OVER\r";
inline constexpr std::string_view kFull = "FULL\r";

// What a terminal answers to the opening keyword of an application download,
// compared on these 9 characters; the line ends with CR (10 bytes in all).
inline constexpr std::array<std::string_view, 5> kIdentifications{"4760RU004", "4130RU004", "4120RU004", "4150RU004",
                                                                  "4140RU004"};
inline constexpr std::size_t kIdentificationLineLength = 10;

// Longest lookup record a frame carries, in characters.
inline constexpr std::size_t kMaxLookupChars = 255;

ByteString bytesOf(std::string_view text);
std::string_view textOf(std::span<const Byte> bytes);

// Whether `line` holds `keyword` anywhere before its first zero byte.
bool containsKeyword(std::span<const Byte> line, std::string_view keyword);

// The length of `line` up to its first zero byte.
std::size_t lengthUntilZero(std::span<const Byte> line);

// Whether the first 9 characters of `line` are an accepted identification.
bool isIdentification(std::span<const Byte> line);

// The 16-bit sum of the bytes taken as unsigned values.
std::uint16_t sum16(std::span<const Byte> bytes);

// A checksum byte as sent inside a CR-ended frame: 13 would end the line, so it
// goes as 14.
constexpr Byte lineSafe(Byte b) { return b == kCr ? Byte{14} : b; }

// Lookup record frame: the characters, the sum high then low byte (each line
// safe), CR.
ByteString lookupRecordFrame(std::span<const Byte> characters);

// Upload record: sequence value 0..9, data, the sum of both low then high
// byte (each line safe), CR.
ByteString uploadRecord(Byte sequence, std::span<const Byte> data);

// Whether an upload record line (CR included) carries the checksum of its
// sequence byte and data. Lines shorter than 4 bytes carry none.
bool uploadChecksumMatches(std::span<const Byte> line);

}  // namespace tessel::link
