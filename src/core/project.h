#pragma once
// The one application definition of the process and the state kept beside it.
#include <string>

#include "core/defaults.h"
#include "core/definition.h"
#include "core/model_family.h"

namespace tessel {

struct Project {
    Definition definition{};
    int family = kFamilyAtStartup;
    std::string currentPath;  // empty for a new definition
    bool modified = false;
    DefaultTexts defaults{};
    unsigned recordCounter = 0;  // forms completed in the simulator
};

// Start-up state: default texts of the start-up family and both resets.
Project startupProject(const Strings& strings);

// New definition: clears the modified flag and the record counter and resets
// every block; family, header word and path are the caller's to set.
void newDefinition(Project& project);

// New of a family: the family's default texts, a new definition and no path.
void newProjectOfFamily(Project& project, const Strings& strings, int family);

}  // namespace tessel
