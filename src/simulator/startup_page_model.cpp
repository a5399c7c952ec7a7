#include "simulator/startup_page_model.h"

#include "core/file_dialogs.h"
#include "core/messages.h"
#include "core/strings.h"
#include "core/text_encoding.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr int kProgramStartIds[] = {1561, 1562};          // "form 1", "menu 1"
constexpr int kDelimiterCountIds[] = {1211, 1571, 1572};  // "nil", " 1 ", " 2 "
constexpr int kFirstGroupNameId = 1581;
constexpr int kCaptionWarning = 1122;
constexpr int kInvalidValue = 1147;
constexpr unsigned kMaxCode = 255;
constexpr Byte kCarriageReturn = 13;         // ends a record on the wire
constexpr std::size_t kBuzzerLabelLine = 6;  // of the settings group
constexpr std::size_t kBuzzerEntry = 1;      // of the settings text lines
constexpr std::size_t kCalculatorEntry = 0;

// Lines whose label stays blank: line 4 of "Entry Options ", 3 of "Set Phone
// Number " and 2 of "Connecting " (group, line from 0).
constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kBlankLabels{{{12, 3}, {16, 2}, {21, 1}}};

const std::string kBlankLine(kLineChars, ' ');

std::string shown(const TextCell& cell) { return cp1251ToUtf8(cellText(cell)); }

std::string characterOf(Byte code) { return code == 0 ? std::string() : cp1251ToUtf8(std::string(1, char(code))); }

}  // namespace

StartupPageModel::StartupPageModel(Project& project, const Strings& strings, MessageService& messages,
                                   WorkingTexts& texts)
    : project_(project), strings_(strings), messages_(messages), texts_(texts) {}

void StartupPageModel::load() {
    const SystemSettings& settings = project_.definition.settings;
    programStart_ = settings.programStart;
    delimiters_ = {settings.fieldDelimiter1, settings.fieldDelimiter2};
    delimiterCount_ = delimiters_[0] == 0 ? 0 : (delimiters_[1] != 0 ? 2 : 1);
    lookupInUse_ = anyLookupInUse(project_.definition);
    texts_.groups = {};
    forEachGroupLine(project_.family, [this](std::size_t group, std::size_t line, LineHome home) {
        texts_.groups[group][line] = definitionLine(group, home);
    });
    textsChanged_ = false;
    showGroup(0);
}

void StartupPageModel::accept() {
    SystemSettings owned = project_.definition.settings;
    owned.programStart = static_cast<Byte>(programStart_);
    owned.fieldDelimiter1 = storedDelimiter(0);
    owned.fieldDelimiter2 = storedDelimiter(1);
    if (textsChanged_) {
        forEachGroupLine(project_.family, [&](std::size_t group, std::size_t line, LineHome home) {
            homeCell(project_.definition.texts, owned.textLines, home) = texts_.groups[group][line];
        });
    }
    copyOwnedBytes(project_.definition.settings, owned, kStartupPageBytes);
}

bool StartupPageModel::hasChanges() const {
    const SystemSettings& settings = project_.definition.settings;
    return textsChanged_ || settings.programStart != programStart_ || settings.fieldDelimiter1 != storedDelimiter(0) ||
           settings.fieldDelimiter2 != storedDelimiter(1);
}

Byte StartupPageModel::storedDelimiter(std::size_t which) const {
    return storedDelimiterCount() > static_cast<int>(which) ? delimiters_[which] : Byte{0};
}

TextCell StartupPageModel::definitionLine(std::size_t group, LineHome home) const {
    const Definition& definition = project_.definition;
    const TextCell& cell = homeCell(definition.texts, definition.settings.textLines, home);
    // The settings lines of "Misc - continuous " fall back on the defaults.
    if (group == kMiscContinuousGroup && home.inSettings && cell[0] == 0) {
        return project_.defaults.settingsLines[home.index];
    }
    return cell;
}

std::vector<std::string> StartupPageModel::programStartEntries() const {
    std::vector<std::string> entries;
    for (const int id : kProgramStartIds) entries.push_back(strings_.utf8(id));
    return entries;
}

std::vector<std::string> StartupPageModel::delimiterCountEntries() const {
    std::vector<std::string> entries;
    for (const int id : kDelimiterCountIds) entries.push_back(strings_.utf8(id));
    return entries;
}

std::vector<std::string> StartupPageModel::groupEntries() const {
    std::vector<std::string> entries;
    for (std::size_t group = 0; group < kStartupGroups; ++group) {
        entries.push_back(strings_.utf8(kFirstGroupNameId + static_cast<int>(group)) +
                          std::string(kStartupGroupTable[group].suffix));
    }
    return entries;
}

DelimiterBoxes StartupPageModel::delimiterBoxes(std::size_t which) const {
    return {std::to_string(delimiters_[which]), characterOf(delimiters_[which])};
}

DelimiterBoxes StartupPageModel::setDelimiterCode(std::size_t which, std::string_view text) {
    const CorrectedNumber code = correctNumber(text, kMaxCode);
    if (code.value == kCarriageReturn) {
        refuseCarriageReturn();
        return delimiterBoxes(which);
    }
    delimiters_[which] = static_cast<Byte>(code.value);
    return {code.text, characterOf(delimiters_[which])};
}

DelimiterBoxes StartupPageModel::setDelimiterCharacter(std::size_t which, std::string_view text) {
    const std::string bytes = utf8ToCp1251Lossy(text);
    const Byte code = bytes.empty() ? Byte{0} : static_cast<Byte>(bytes[0]);
    if (code == kCarriageReturn) {
        refuseCarriageReturn();
    } else {
        delimiters_[which] = code;
    }
    return delimiterBoxes(which);
}

void StartupPageModel::refuseCarriageReturn() {
    messageByIds(strings_, messages_, kCaptionWarning, kInvalidValue, {MessageIcon::Warning});
}

int StartupPageModel::storedDelimiterCount() const {
    if (delimiterCount_ >= 1 && delimiters_[0] == 0) return 0;
    if (delimiterCount_ >= 2 && delimiters_[1] == 0) return 1;
    return delimiterCount_;
}

void StartupPageModel::showGroup(std::size_t group) {
    shownGroup_ = group;
    if (group == kMiscContinuousGroup) texts_.applyCalculatorDigit(lookupInUse_);
}

std::string StartupPageModel::labelOf(std::size_t group, std::size_t line, LineHome home) const {
    for (const auto& [blankGroup, blankLine] : kBlankLabels) {
        if (group == blankGroup && line == blankLine) return kBlankLine;
    }
    if (group == kSettingsGroup && line == kBuzzerLabelLine) {
        return shown(project_.definition.settings.textLines[kBuzzerEntry]);
    }
    TextCell label = homeCell(project_.defaults.texts, project_.defaults.settingsLines, home);
    if (group == kMiscContinuousGroup && home.inSettings && home.index == kCalculatorEntry) {
        applyCalculatorDigit(label, lookupInUse_);
    }
    return shown(label);
}

std::array<PromptLine, kGroupLines> StartupPageModel::shownLines() const {
    std::array<PromptLine, kGroupLines> lines;
    const auto homes = groupHomes(shownGroup_, project_.family);
    const std::size_t edited = editedLines(shownGroup_, project_.family);
    for (std::size_t line = 0; line < kGroupLines; ++line) {
        if (line < edited) {
            lines[line] = {labelOf(shownGroup_, line, homes[line]), shown(texts_.groups[shownGroup_][line]), true};
        } else {
            lines[line] = {kBlankLine, kBlankLine, false};
        }
    }
    return lines;
}

std::string StartupPageModel::setLine(std::size_t line, std::string_view text) {
    if (line >= editedLines(shownGroup_, project_.family)) return kBlankLine;
    TextCell& cell = texts_.groups[shownGroup_][line];
    std::string bytes = utf8ToCp1251Lossy(text);
    if (bytes.size() > kLineChars) bytes.resize(kLineChars);
    setCellText(cell, bytes);
    textsChanged_ = true;
    return cp1251ToUtf8(bytes);
}

bool StartupPageModel::importPrompts(FileDialogs& dialogs) {
    const auto path = dialogs.choose(openProjectRequest(strings_, project_.currentPath));
    if (!path) return false;
    if (importTexts(*path, texts_.groups, project_.defaults, strings_, messages_) != 1) return false;
    textsChanged_ = true;
    showGroup(0);
    return true;
}

void StartupPageModel::reset() {
    programStart_ = 0;
    delimiterCount_ = 1;
    delimiters_ = {',', 0};
    const DefaultTexts& defaults = project_.defaults;
    forEachGroupLine(project_.family, [&](std::size_t group, std::size_t line, LineHome home) {
        const bool keptFromDefinition = group == kSettingsGroup || home.inSettings;
        texts_.groups[group][line] =
            keptFromDefinition ? definitionLine(group, home) : homeCell(defaults.texts, defaults.settingsLines, home);
    });
    textsChanged_ = true;
    showGroup(0);
}

}  // namespace tessel
