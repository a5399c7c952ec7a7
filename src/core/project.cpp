#include "core/project.h"

namespace tessel {

Project startupProject(const Strings& strings) {
    Project project;
    project.defaults = loadDefaultTexts(strings, project.family);
    resetReaderDefaults(project.definition);
    resetApplicationDefaults(project.definition, project.defaults);
    return project;
}

void newDefinition(Project& project) {
    project.modified = false;
    project.recordCounter = 0;
    resetReaderDefaults(project.definition);
    resetApplicationDefaults(project.definition, project.defaults);
}

void newProjectOfFamily(Project& project, const Strings& strings, int family) {
    project.family = family;
    project.defaults = loadDefaultTexts(strings, family);
    newDefinition(project);
    project.currentPath.clear();
}

}  // namespace tessel
