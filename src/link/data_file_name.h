#pragma once
// Names of received data files made from a pattern, so that scripts and
// stations can give every port and every receive a file of its own:
// {port} the port's name, {date} YYYY-MM-DD, {time} HHMMSS (local time), and
// {n} a number, the smallest from 1 that makes the name one no file has.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessel::link {

struct DataFileNameValues {
    std::string port;  // as portTag gives it
    std::tm time{};
    int n = 1;
};

// A port's name as a part of a file name: a device path without its /dev/
// and with '-' for its other slashes (/dev/pts/3 gives pts-3); characters
// other than letters, digits, '.', '-' and '_' become '_'.
std::string portTag(std::string_view portName);

// The fault in a pattern (an unknown or unclosed field), or nothing.
std::optional<std::string> dataFileNameProblem(std::string_view pattern);
bool patternHasField(std::string_view pattern, std::string_view field);  // field such as "port"

std::filesystem::path expandDataFileName(std::string_view pattern, const DataFileNameValues& values);

// With {n}: the name of the smallest n from `values.n` on that no file (nor
// link) has yet, with `values.n` set to it; without, the one name.
std::filesystem::path firstFreeDataFileName(std::string_view pattern, DataFileNameValues& values);

}  // namespace tessel::link
