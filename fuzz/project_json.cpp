// JSON import on any text, through the public import and export alone: what
// imports must export and import again to the same bytes, and anything else
// must be refused with ProjectJsonError (any other exception escapes and
// stops the run). Input that starts like a project file is also exported and
// imported back, which must give its blocks unchanged.
#include <algorithm>

#include "core/project_file.h"
#include "core/project_json.h"
#include "fuzz_check.h"

using namespace tessel;

namespace {

std::optional<std::string> imported(std::string_view json) {
    try {
        return projectFileFromJson(json);
    } catch (const ProjectJsonError&) {
        return std::nullopt;
    }
}

// The blocks of a project file, short files taken with zeros to full length.
std::string blocksOf(std::string_view file) {
    std::string blocks(file.substr(std::min(file.size(), kMagicSize), kProjectReadSize - kMagicSize));
    blocks.resize(kProjectReadSize - kMagicSize, '\0');
    return blocks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view input = fuzz::textOf(data, size);

    if (const auto file = imported(input)) {
        fuzz::require(familyOfMagic(*file).has_value(), "an import gave a file without a project magic");
        const auto again = imported(projectFileToJson(*file));
        fuzz::require(again.has_value(), "the export of an imported project does not import");
        fuzz::require(*again == *file, "export and import change an imported project");
    }

    if (familyOfMagic(input)) {
        const auto back = imported(projectFileToJson(input));
        fuzz::require(back.has_value(), "the export of a project file does not import");
        fuzz::require(familyOfMagic(*back) == familyOfMagic(input), "export and import change the family");
        fuzz::require(blocksOf(*back) == blocksOf(input), "export and import change a project's blocks");
    }
    return 0;
}
