#include <benchmark/benchmark.h>

#include "core/application_image.h"
#include "core/project_file.h"
#include "core/project_json.h"
#include "support/projects.h"

namespace tessel {
namespace {

Project fullProject() {
    Project project = test::newProject(kFamilyGroup);
    for (auto& form : project.definition.forms) {
        form.fieldType = {1, 2, 3, 4, 5, 6, 7, 8};
        for (auto& prompt : form.fieldPrompt) setCellText(prompt, "Prompt text here");
    }
    for (auto& menu : project.definition.menus) {
        menu.captionOn = 1;
        for (auto& item : menu.itemName) setCellText(item, "Menu item");
    }
    return project;
}

void BuildImage(benchmark::State& state) {
    Project project = fullProject();
    for (auto _ : state) {
        prepareForDownload(project.definition);
        benchmark::DoNotOptimize(buildImage(project.definition, project.defaults));
    }
}
BENCHMARK(BuildImage);

void WriteAndReadProject(benchmark::State& state) {
    Project project = fullProject();
    Definition read{};
    for (auto _ : state) {
        const auto file = projectFileBytes(project.definition, project.family);
        benchmark::DoNotOptimize(readProjectBytes(file, read, test::builtinStrings()));
    }
}
BENCHMARK(WriteAndReadProject);

void JsonRoundTrip(benchmark::State& state) {
    Project project = fullProject();
    const auto file = projectFileBytes(project.definition, project.family);
    for (auto _ : state) benchmark::DoNotOptimize(projectFileFromJson(projectFileToJson(file)));
}
BENCHMARK(JsonRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
