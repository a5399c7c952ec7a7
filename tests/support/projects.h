#pragma once
// Projects as a new definition of each family starts them.
#include "core/project.h"
#include "core/strings.h"

namespace tessel::test {

inline const Strings& builtinStrings() {
    static const Strings strings;
    return strings;
}

inline Project newProject(int family) {
    Project project = startupProject(builtinStrings());
    newProjectOfFamily(project, builtinStrings(), family);
    return project;
}

}  // namespace tessel::test
