// The simulator and its form runner on random definitions and keys: a new
// project with bytes of its forms, menus and settings changed, then any key
// codes, timer ticks, restarts and targets. Whatever the definition holds,
// the screen must stay 9 rows of at most 20 characters in a known state, the
// cursor on the screen, and the output record and every collected record
// within its limit.
//
// Input: a family byte, a count byte, that many edits of 3 bytes (a 16-bit
// offset into the definition, taken modulo its size, and the new byte), a
// length byte and that many bytes of a lookup file, loaded into every lookup
// the edited definition uses, then one step a byte: below 0x80 a key code (modulo 52), 0x80..0xBF the codes
// 52 and up, 0xC0..0xEF that many ticks (1 to 48), 0xF0 a restart, above it
// a target code (0, 2, ... 28; codes above 20 lead nowhere).
#include <algorithm>
#include <utility>

#include "fuzz_check.h"
#include "simulator/key_script.h"
#include "simulator/lookup_load.h"
#include "simulator/output_record.h"
#include "simulator/simulator.h"

using namespace tessel;
using namespace tessel::sim;

namespace {

class QuietMessages final : public MessageService {
public:
    int show(std::string_view, std::string_view, MessageStyle) override { return kAnswerOk; }
};

// Carries out New as the main window does when the application has nothing to run.
class NewOnRequest final : public SimulatorObserver {
public:
    void requestNewProject(int family) override { requested = family; }
    std::optional<int> requested;
};

bool knownState(SimState state) {
    switch (state) {
        case SimState::MainMenu:
        case SimState::MenuScreen:
        case SimState::FormScreen:
        case SimState::UtilitiesScreen:
        case SimState::SettingsScreen:
        case SimState::ConnectingScreen:
        case SimState::MessageScreen: return true;
    }
    return false;
}

void checkScreen(const Simulator& simulator) {
    const Screen& screen = simulator.screen();
    for (int row = 0; row < kScreenRows; ++row)
        fuzz::require(screen.rows[row].size() <= static_cast<std::size_t>(kScreenColumns), "a row is too long");
    fuzz::require(knownState(screen.state), "the simulator is in an unknown state");
    fuzz::require(screen.highlightRow >= 0 && screen.highlightRow <= kScreenRows, "the highlight is off the screen");
    if (screen.state == SimState::FormScreen) {
        fuzz::require(screen.cursor.column >= 0 && screen.cursor.column < kScreenColumns, "the cursor column is off");
        fuzz::require(screen.cursor.row >= 0 && screen.cursor.row < kScreenRows - 1, "the cursor row is off");
    }
    fuzz::require(screen.clockText.size() <= static_cast<std::size_t>(kScreenColumns), "the clock line is too long");
    fuzz::require(simulator.outputRecord().size() <= kOutputRecordLimit, "the output record runs over its limit");
    for (const auto& record : simulator.terminalData().records)
        fuzz::require(record.size() <= kOutputRecordLimit, "a collected record runs over its limit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const int family = data[0] % 2 == 0 ? kFamily4760 : kFamilyGroup;
    Project project = fuzz::newProject(family);
    auto* definition = reinterpret_cast<Byte*>(&project.definition);
    std::size_t at = 2;
    for (int edit = 0; edit < data[1] && at + 3 <= size; ++edit, at += 3) {
        const std::size_t offset = (data[at] | data[at + 1] << 8) % sizeof(Definition);
        definition[offset] = data[at + 2];
    }

    QuietMessages messages;
    NewOnRequest observer;
    SteppingClock clock(LocalTime{2026, 3, 5, 9, 5, 0});
    Simulator simulator(project, fuzz::builtinStrings(), messages, clock, observer);
    simulator.restart();
    if (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        const std::string_view lookupFile(reinterpret_cast<const char*>(data + at + 1), length);
        for (int number = 1; number <= static_cast<int>(kLookupCount); ++number)
            loadLookupInto(simulator.terminalData(), project.definition.lookups, number, lookupFile);
        at += 1 + length;
    }
    checkScreen(simulator);
    for (; at < size; ++at) {
        const Byte step = data[at];
        if (step < 0x80) {
            simulator.handleKey(step % 52);
        } else if (step < 0xC0) {
            simulator.handleKey(step - 0x80 + 52);
        } else if (step < 0xF0) {
            runStep(simulator, clock, ScriptStep{ScriptStep::Kind::Ticks, step - 0xBF});
        } else if (step == 0xF0) {
            simulator.restart();
        } else {
            simulator.goToTarget((step - 0xF1) * 2);
        }
        if (const auto requested = std::exchange(observer.requested, std::nullopt)) {
            newProjectOfFamily(project, fuzz::builtinStrings(), *requested);
            simulator.restart();
        }
        checkScreen(simulator);
    }
    return 0;
}
