#pragma once
// The readable form of a project file: every block and member by name, texts
// as Unicode strings, other byte strings as lists of numbers. Turning a
// project file into JSON and back gives the same bytes, so projects can be kept
// in version control and reviewed as diffs.
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessel {

// A JSON document that does not describe a project; the message names the
// member at fault.
class ProjectJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest JSON text taken for a project; an export is far smaller.
inline constexpr std::size_t kProjectJsonMax = 8 << 20;

// The JSON of a project file's bytes, which must start with a known magic.
// Bytes missing from a short file are taken as zero.
std::string projectFileToJson(std::string_view file);

// The project file described by `json`; throws ProjectJsonError, which gives
// the line and column of a syntax error.
std::string projectFileFromJson(std::string_view json);

}  // namespace tessel
