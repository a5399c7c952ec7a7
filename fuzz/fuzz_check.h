#pragma once
// What the fuzz targets share: a check that stops the run with its reason
// (the input that broke it is then saved by libFuzzer), the input as bytes,
// and the projects a new definition of each family starts as.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/model_family.h"
#include "core/project.h"
#include "core/strings.h"

namespace tessel::fuzz {

inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline std::string_view textOf(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline const Strings& builtinStrings() {
    static const Strings strings;
    return strings;
}

// A new project of `family` (4760 or the group's 4130), made once.
inline const Project& newProject(int family) {
    static const Project projects[2] = {
        [] {
            Project project = startupProject(builtinStrings());
            newProjectOfFamily(project, builtinStrings(), kFamily4760);
            return project;
        }(),
        [] {
            Project project = startupProject(builtinStrings());
            newProjectOfFamily(project, builtinStrings(), kFamilyGroup);
            return project;
        }()};
    return projects[family == kFamily4760 ? 0 : 1];
}

}  // namespace tessel::fuzz
