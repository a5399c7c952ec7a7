#include "simulator/design_preview.h"

#include <algorithm>
#include <array>

#include "core/records/field_type.h"
#include "simulator/application_start.h"
#include "simulator/keys.h"
#include "simulator/output_record.h"
#include "simulator/simulator.h"
#include "simulator/startup_groups.h"

namespace tessel::sim {
namespace {

constexpr int kFirstMenuTarget = 11;
constexpr int kUtilitiesKey = 3;   // on the main menu
constexpr int kConnectingKey = 2;  // on the main menu
constexpr int kSettingsKey = 1;    // on the utilities screen

// The Startup page's groups that a screen of the terminal shows.
constexpr std::size_t kMainMenuGroup = 0;
constexpr std::size_t kUtilitiesGroup = 1;
constexpr std::size_t kConnectingGroup = 21;
constexpr std::size_t kErrorMessagesGroup = 23;

// The preview asks nothing of the user: "No executable program" is the
// checks' to report.
class NoMessages final : public MessageService {
public:
    int show(std::string_view, std::string_view, MessageStyle) override { return 0; }
};

// A form of one integer field without a prompt, which refuses the "." key
// with message 1: the error messages on an otherwise empty screen.
FormRecord refusingForm() {
    FormRecord form{};
    form.fieldType[0] = kFieldInteger;
    form.maxLength[0] = 1;
    form.fieldCount = 1;
    return form;
}

// Plays the keys that lead from the main menu to the screen carrying
// `group`; false when no screen of the terminal shows the group.
bool showGroupScreen(Simulator& simulator, std::size_t group) {
    switch (group) {
        case kMainMenuGroup: return true;
        case kUtilitiesGroup: simulator.handleKey(kUtilitiesKey); return true;
        case kSettingsGroup:
            simulator.handleKey(kUtilitiesKey);
            simulator.handleKey(kSettingsKey);
            return true;
        case kConnectingGroup: simulator.handleKey(kConnectingKey); return true;
        case kErrorMessagesGroup:
            simulator.goToTarget(1);
            simulator.handleKey(kKeyDot);
            return true;
        default: return false;
    }
}

// The group's lines as the 20-column text they are, one per row, without
// highlight or clock line.
Screen groupLines(const Project& project, std::size_t group) {
    Screen screen;
    screen.highlightRow = 0;
    const auto homes = groupHomes(group, project.family);
    const auto count = std::min({editedLines(group, project.family), homes.size(), std::size_t{kScreenRows}});
    const Definition& definition = project.definition;
    for (std::size_t line = 0; line < count; ++line) {
        screen.rows.set(static_cast<int>(line),
                        cellText(homeCell(definition.texts, definition.settings.textLines, homes[line])));
    }
    return screen;
}

// What a user might enter for a field of `type`.
std::string_view samplePattern(int type) {
    switch (type) {
        case kFieldInteger:
        case kFieldAuto: return "1234567890";
        case kFieldReal: return "12.50";
        case kFieldLetter: return "ABCDEFGHIJ";
        case kFieldBoolean: return "Y";
        case kFieldLookup: return "LOOKUP";
        default: return "TEXT";
    }
}

// The initial value of a field that has one, else its type's sample repeated
// or cut to lie within the field's lengths. Only the types from text to
// lookup go into a record; a fixed data field outputs its prompt.
std::string sampleInput(const FormRecord& form, std::size_t field) {
    const int type = form.fieldType[field];
    if (type < kFieldText || type > kFieldLookup) return {};
    if (type != kFieldLookup && form.initialValueOn[field]) return std::string(cellText(form.initialValue[field]));
    const auto pattern = samplePattern(type);
    std::size_t length = std::max<std::size_t>(pattern.size(), form.minLength[field]);
    if (form.maxLength[field] != 0) length = std::min<std::size_t>(length, form.maxLength[field]);
    std::string text;
    while (text.size() < length) text += pattern;
    text.resize(length);
    return text;
}

}  // namespace

std::string sampleRecord(const FormRecord& form, const SystemSettings& settings, const LocalTime& now) {
    std::array<std::string, kFieldsPerForm> inputs;
    for (std::size_t field = 0; field < kFieldsPerForm; ++field) inputs[field] = sampleInput(form, field);
    return buildOutputRecord(form, inputs, {settings.fieldDelimiter1, settings.fieldDelimiter2}, now);
}

DesignPreview previewDesign(const Project& working, const Strings& strings, const Clock& clock,
                            PreviewSubject subject) {
    using Kind = PreviewSubject::Kind;
    // The engine keeps its runtime bytes in the definition it runs.
    Project copy = working;
    prepareForStart(copy.definition);
    const bool textGroup = subject.kind == Kind::TextGroup && subject.index < kStartupGroups;
    if (textGroup && subject.index == kErrorMessagesGroup) copy.definition.forms[0] = refusingForm();

    NoMessages messages;
    SimulatorObserver screenOnly;
    Simulator simulator(copy, strings, messages, clock, screenOnly);
    simulator.restart();
    DesignPreview preview;
    if (subject.kind == Kind::Form && subject.index < kFormCount) {
        simulator.goToTarget(static_cast<int>(subject.index) + 1);
        preview.hasRecord = true;
        preview.record = sampleRecord(copy.definition.forms[subject.index], copy.definition.settings, clock.now());
    } else if (subject.kind == Kind::Menu && subject.index < kMenuCount) {
        simulator.enterMenu(kFirstMenuTarget + static_cast<int>(subject.index), true);
    } else if (textGroup && !showGroupScreen(simulator, subject.index)) {
        preview.screen = groupLines(copy, subject.index);
        return preview;
    }
    preview.screen = simulator.screen();
    return preview;
}

}  // namespace tessel::sim
