#pragma once
// The readable form of a project file, for version control and review: every
// block and member by name; forms, menus and lookups, and their fields, items
// and columns, as objects that carry their number, so a changed value is seen
// with what it belongs to; texts and characters as text; other bytes as
// hexadecimal. Unused fields, items and columns, and bytes that are zero and
// mean nothing, are left out. The document names its format version, and
// turning a project file into JSON and back gives the same bytes.
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

// The project file described by `json`, which must be of the current format
// version; throws ProjectJsonError, which gives the line and column of a
// syntax error or names the member at fault.
std::string projectFileFromJson(std::string_view json);

}  // namespace tessel
