#include <benchmark/benchmark.h>

#include "editors/form_page_model.h"
#include "simulator/design_preview.h"
#include "support/projects.h"

namespace tessel::sim {
namespace {

// One keystroke in a prompt of the Form page and the preview that follows
// it: the sheet's working definition (the forms as OK would store them), then
// the engine run on a copy to the form and the form's sample record. The
// desktop program does this once for each change of a control, so it must
// stay well under 5 ms.
void PreviewAfterKeystroke(benchmark::State& state) {
    Project project = test::newProject(kFamilyGroup);
    for (auto& form : project.definition.forms) {
        form.fieldType = {1, 2, 3, 4, 5, 6, 12, 14};
        form.stampPosition = 2;
    }
    FormPageModel page(test::builtinStrings());
    page.load(project.definition.forms);
    SteppingClock clock({2026, 3, 5, 9, 5, 0});
    const std::string prompts[] = {"Item", "Item:"};
    std::size_t keystroke = 0;
    for (auto _ : state) {
        page.setPrompt(0, prompts[keystroke++ % 2]);
        Project working = project;
        working.definition.forms = page.formsAsAccepted();
        const auto preview = previewDesign(working, test::builtinStrings(), clock,
                                           {PreviewSubject::Kind::Form, page.currentForm()});
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(PreviewAfterKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessel::sim
