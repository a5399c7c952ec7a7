#include "simulator/application_start.h"

#include <algorithm>

#include "core/model_family.h"
#include "simulator/field_types.h"
#include "simulator/simulator.h"

namespace tessel::sim {
namespace {

constexpr int kNoExecutableProgramCaption = 1125;
constexpr int kDefineYourProgramText = 1133;
constexpr Byte kStartFromForm = 0;

bool hasVisibleCharacter(const TextCell& line) {
    const auto text = cellText(line).substr(0, kLineChars);
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

void prepareMenu(MenuRecord& menu) {
    const auto used = std::count_if(menu.itemName.begin(), menu.itemName.end(), hasVisibleCharacter);
    menu.itemCount = static_cast<Byte>(used);
}

void prepareForm(FormRecord& form) {
    int lineCount = 0;
    for (std::size_t i = 0; i < kFieldsPerForm; ++i) {
        const int type = form.fieldType[i];
        if (type == kFieldNone || type == kFieldExtension) form.fieldPrompt[i].fill(0);
        if (type == kFieldNone || (type >= kFieldFixedData && type <= kFieldPause)) form.fieldLink[i] = 0;
        if (isInputType(type)) lineCount = static_cast<int>(i) + 1;
    }
    form.fieldCount = static_cast<Byte>(lineCount);
}

}  // namespace

void prepareForStart(Definition& definition) {
    for (auto& menu : definition.menus) prepareMenu(menu);
    for (auto& form : definition.forms) prepareForm(form);
}

// Form 1 when the application starts from it and it has an input field, else
// menu 1 when it has items; with neither there is nothing to run.
void Simulator::startApplication() {
    Definition& definition = project_.definition;
    prepareForStart(definition);
    if (definition.settings.programStart == kStartFromForm && definition.forms[0].fieldCount != 0) {
        enterForm(1);
    } else if (definition.menus[0].itemCount != 0) {
        enterMenu(11, true);
    } else {
        messageByIds(strings_, messages_, kNoExecutableProgramCaption, kDefineYourProgramText,
                     {MessageIcon::Warning, MessageButtons::Ok});
        observer_.requestNewProject(kFamily4760);
    }
}

}  // namespace tessel::sim
