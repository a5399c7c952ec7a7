// Key scripts as the command line and tests give them, scans included: any
// text is split into tokens, each either refused with a reason or run on a
// form whose field takes scans under reader settings the input picks.
// Whatever the script holds, the screen stays 9 rows of at most 20
// characters and the output record within its limit.
//
// Input: a reader type byte, a byte of field options (bits 0-2 the input
// source, bit 3 partial barcode, bit 4 leading code "40", bits 5-7 the check
// digit method), then the script's text.
#include "simulator/key_script.h"
#include "core/records/field_type.h"
#include "fuzz_check.h"
#include "simulator/output_record.h"
#include "simulator/simulator.h"

using namespace tessel;
using namespace tessel::sim;

namespace {

void designForm(Project& project, Byte readerType, Byte options) {
    project.definition.settings.ReaderType = readerType;
    FormRecord& form = project.definition.forms[0];
    form.fieldType[0] = kFieldText;
    setCellText(form.fieldPrompt[0], "Id:");
    form.fieldType[1] = kFieldInteger;
    setCellText(form.fieldPrompt[1], "Qty:");
    form.maxLength[1] = 6;
    form.inputSource[0] = static_cast<Byte>(options & 7);
    form.partialOn[0] = (options >> 3) & 1;
    form.partialStart[0] = 0x82;
    form.partialLength[0] = 4;
    form.leadingCodeOn[0] = (options >> 4) & 1;
    form.leadingCode[0] = {'4', '0'};
    form.checkDigit[0] = static_cast<Byte>(options >> 5);
    form.recordAction = 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    Project project = fuzz::newProject(kFamily4760);
    designForm(project, data[0], data[1]);
    CapturedMessages messages;
    SimulatorObserver observer;
    SteppingClock clock(LocalTime{2026, 3, 5, 9, 5, 0});
    Simulator simulator(project, fuzz::builtinStrings(), messages, clock, observer);
    simulator.restart();
    simulator.handleKey(1);  // into form 1
    const std::string_view script = fuzz::textOf(data + 2, size - 2);
    for (const auto& token : splitKeyScript(script)) {
        const auto step = parseKeyToken(token);
        if (!step) {
            fuzz::require(!badKeyTokenReason(token).empty(), "a refused token has no reason");
            continue;
        }
        // A tick count runs the ticks one by one: keep the run short.
        if (step->kind == ScriptStep::Kind::Ticks && step->value > 100) continue;
        runStep(simulator, clock, *step);
        for (int row = 0; row < kScreenRows; ++row) {
            fuzz::require(simulator.screen().rows[row].size() <= static_cast<std::size_t>(kScreenColumns),
                          "a row is too long");
        }
        fuzz::require(simulator.outputRecord().size() <= kOutputRecordLimit, "the output record runs over its limit");
    }
    return 0;
}
