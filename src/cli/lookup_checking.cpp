#include "cli/lookup_checking.h"

#include <iostream>

#include "cli/console.h"
#include "cli/project_loading.h"
#include "link/lookup_layout.h"

namespace tessel::cli {

std::optional<LookupRecord> projectLookup(const Project& project, const std::filesystem::path& path, int number) {
    const LookupRecord& layout = project.definition.lookups[static_cast<std::size_t>(number - 1)];
    if (link::lookupInUse(layout)) return layout;
    fail("Lookup " + std::to_string(number) + " of " + path.string() +
         " is not in use: it has no member length or no fields.");
    return std::nullopt;
}

std::optional<LookupFileCheck> checkLookupFileFor(const std::filesystem::path& project, int lookup,
                                                  const std::filesystem::path& file, Strings& strings) {
    const auto loaded = loadProject(project, {}, strings);
    if (!loaded) return std::nullopt;
    const auto layout = projectLookup(*loaded, project, lookup);
    if (!layout) return std::nullopt;
    const auto content = readWholeFile(file);
    if (!content) return std::nullopt;
    const auto faults = link::checkLookupFile(*content, *layout);
    for (const auto& fault : faults) std::cerr << file.string() << ":" << fault.line << ": " << fault.what << '\n';
    return LookupFileCheck{faults.empty(), loaded->family};
}

}  // namespace tessel::cli
