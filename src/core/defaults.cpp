#include "core/defaults.h"

#include <algorithm>

#include "core/model_family.h"
#include "core/strings.h"

namespace tessel {
namespace {

constexpr Bytes<23> kSymbologyDefaults{0x9B, 0xC9, 0x00, 0x3F, 0x80, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
                                       0xFF, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0};
constexpr Bytes<10> kRfidDefaults{0x80, 0x2C, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr Bytes<12> kWeightCodeDefaults{0xDA, 0xAB, 0x01, 0x00, 0x32, 0x33, 0x07, 0x00, 0x02, 0x00, 0x04, 0x00};
constexpr int kFirstSettingsLineId = 1711;

template <typename Record, std::size_t N>
void copyInto(Record& record, std::size_t offset, const Bytes<N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), recordBytes(record).begin() + static_cast<std::ptrdiff_t>(offset));
}

template <typename Record>
void clear(Record& record) {
    auto bytes = recordBytes(record);
    std::fill(bytes.begin(), bytes.end(), Byte{0});
}

TextCell lineFrom(const Strings& strings, int id) {
    TextCell cell{};
    setCellText(cell, strings.text(id).substr(0, kLineChars));
    return cell;
}

FormRecord defaultForm(std::size_t index) {
    FormRecord form{};
    form.nextTarget = static_cast<Byte>(index + 1);
    form.stampSplit = form.stampYear = form.stampMonth = form.stampDay = form.stampDateSeparatorOn = 1;
    form.stampDateSeparator[0] = '/';
    form.stampHour = form.stampMinute = form.stampSecond = form.stampTimeSeparatorOn = 1;
    form.stampTimeSeparator[0] = ':';
    form.inputSource.fill(2);
    form.maxLength.fill(160);
    form.partialLength.fill(20);
    form.autoEnter.fill(1);
    return form;
}

LookupRecord defaultLookup() {
    LookupRecord lookup{};
    lookup.columnOffset.fill(1);
    lookup.delimiter = 9;
    lookup.uploadable = 1;
    return lookup;
}

// Copies a text line up to its terminating zero, as lines are copied.
void copyLine(TextCell& to, const TextCell& from) { setCellText(to, cellText(from)); }

}  // namespace

DefaultTexts loadDefaultTexts(const Strings& strings, int family) {
    DefaultTexts defaults;
    for (int number = 2; number <= kTextBlockCount; ++number) {
        const auto& info = kTextBlocks[static_cast<std::size_t>(number - 1)];
        const int firstId = is4760(family) ? info.defaultId4760 : info.defaultIdGroup;
        auto lines = defaults.texts.block(number);
        for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = lineFrom(strings, firstId + static_cast<int>(i));
    }
    setCellText(defaults.texts.block(kMainMenuBlock)[3], std::string(kLineChars, ' '));
    defaults.settingsLines = settingsLinesFrom(strings);
    return defaults;
}

std::array<TextCell, kSettingsTextLineCount> settingsLinesFrom(const Strings& strings) {
    std::array<TextCell, kSettingsTextLineCount> lines{};
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = lineFrom(strings, kFirstSettingsLineId + static_cast<int>(i));
    return lines;
}

void resetReaderDefaults(Definition& definition) {
    clear(definition.symbology);
    clear(definition.reader);
    clear(definition.rfid);
    copyInto(definition.symbology, 0, kSymbologyDefaults);
    copyInto(definition.reader, 0, Bytes<6>{0xD8, 0x57, 0x80, 0x06, 0xE0, 0x80});
    recordBytes(definition.reader)[14] = 0x80;
    copyInto(definition.reader, 26, Bytes<5>{0xFF, 0x80, 0xE0, 0x9C, 0x39});
    copyInto(definition.rfid, 0, kRfidDefaults);
}

WeightCodeBlock defaultWeightCode() {
    WeightCodeBlock block{};
    copyInto(block, 0, kWeightCodeDefaults);
    return block;
}

void resetApplicationDefaults(Definition& definition, const DefaultTexts& defaults) {
    for (std::size_t k = 0; k < definition.forms.size(); ++k) definition.forms[k] = defaultForm(k);
    for (auto& menu : definition.menus) menu = MenuRecord{};
    for (auto& lookup : definition.lookups) lookup = defaultLookup();

    SystemSettings& settings = definition.settings;
    settings = SystemSettings{};
    settings.settingsVersion = '4';
    settings.fieldDelimiter1 = 9;
    settings.backlightIdle = 2;
    settings.entryOptions = 1;
    settings.promptDuration = 6;
    settings.keyClick = 2;
    settings.goodReadBeep = 1;
    settings.warningBeep = 2;
    definition.weightCode = defaultWeightCode();

    for (std::size_t line = 0; line < kTerminalTextLines; ++line) {
        copyLine(definition.texts.lines[line], defaults.texts.lines[line]);
    }
    for (std::size_t i = 0; i < kSettingsTextLineCount; ++i) copyLine(settings.textLines[i], defaults.settingsLines[i]);
}

}  // namespace tessel
