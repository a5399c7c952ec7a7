#include "core/project_file.h"

#include <algorithm>
#include <cstring>

#include "core/file_io.h"
#include "core/messages.h"
#include "core/preferences.h"
#include "core/project.h"
#include "core/strings.h"

namespace tessel {
namespace {

constexpr std::string_view kMagic4760 = "4760RU004";
constexpr std::string_view kMagicGroup = "4130RU004";
constexpr std::string_view kMagicOld4760 = "4760-1.00";
constexpr std::size_t kCurrentMagicCompared = 6;

constexpr int kCaptionError = 1121;
constexpr int kCaptionWarning = 1122;
constexpr int kFormatMismatch = 1171;
constexpr const char* kConvertedText = "Задача преобразована в новый формат.\nПожалуйста, сохраните новую версию!";

// The text of a zero-terminated field of `size` bytes.
std::string_view zeroTerminated(std::string_view bytes, std::size_t size) {
    bytes = bytes.substr(0, size);
    return bytes.substr(0, bytes.find('\0'));
}

void setBytes(SystemSettings& settings, std::size_t from, std::size_t to, Byte value) {
    auto bytes = recordBytes(settings);
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to) + 1,
              value);
}

// Brings settings of an older generation up to the current one; true when
// anything was upgraded.
bool upgradeSettings(Definition& definition, const Strings& strings) {
    Byte& version = definition.settings.settingsVersion;
    if (version >= '4') return false;
    if (version < '2') {
        version = '2';
        setBytes(definition.settings, 115, 136, 0);
        definition.settings.keyClick = 2;
        definition.settings.goodReadBeep = 1;
        definition.settings.warningBeep = 2;
        setBytes(definition.settings, 140, 149, 0);
        definition.settings.textLines = settingsLinesFrom(strings);
    }
    if (version < '3') definition.weightCode = defaultWeightCode();
    for (auto& form : definition.forms) form.errorAction = 0;
    version = '4';
    return true;
}

// Copies as many bytes as the record takes and `bytes` holds. Nothing is
// copied from an empty view, whose data may be null.
template <typename Record>
void fillFrom(Record& record, std::string_view bytes) {
    if (bytes.empty()) return;
    auto target = recordBytes(record);
    std::memcpy(target.data(), bytes.data(), std::min(bytes.size(), target.size()));
}

}  // namespace

std::optional<int> familyOfMagic(std::string_view head) {
    if (head.size() < kMagicSize) return std::nullopt;
    const auto first6 = head.substr(0, kCurrentMagicCompared);
    if (first6 == kMagic4760.substr(0, kCurrentMagicCompared)) return kFamily4760;
    if (first6 == kMagicGroup.substr(0, kCurrentMagicCompared)) return kFamilyGroup;
    if (zeroTerminated(head, kMagicSize - 1) == kMagicOld4760) return kFamily4760;
    return std::nullopt;
}

std::optional<int> familyOfExactMagic(std::string_view head) {
    if (head.size() < kMagicSize) return std::nullopt;
    const auto magic = zeroTerminated(head, kMagicSize);
    if (magic == kMagic4760 || magic == kMagicOld4760) return kFamily4760;
    if (magic == kMagicGroup) return kFamilyGroup;
    return std::nullopt;
}

std::string projectFileBytes(Definition& definition, int family) {
    applyCalculatorDigit(definition.settings, anyLookupInUse(definition));
    std::string file(kProjectFileSize, '\0');
    const auto magic = is4760(family) ? kMagic4760 : kMagicGroup;
    std::memcpy(file.data(), magic.data(), magic.size());
    const auto blocks = recordBytes(definition);
    std::memcpy(file.data() + kMagicSize, blocks.data(), blocks.size());
    return file;
}

void fillDefinitionFrom(std::string_view file, Definition& definition) {
    if (file.size() > kMagicSize) fillFrom(definition, file.substr(kMagicSize));
}

std::optional<ProjectRead> readProjectBytes(std::string_view file, Definition& definition, const Strings& strings) {
    const auto family = familyOfMagic(file);
    if (!family) return std::nullopt;
    fillDefinitionFrom(file, definition);
    return ProjectRead{*family, upgradeSettings(definition, strings)};
}

bool importTextsFromBytes(std::string_view file, StartupTexts& texts, const DefaultTexts& defaults) {
    if (!familyOfExactMagic(file)) return false;

    std::string_view rest = file.size() > kTextsBlock2Offset ? file.substr(kTextsBlock2Offset) : std::string_view{};
    for (int number = 2; number <= kTextBlockCount; ++number) {
        auto& slot = texts[static_cast<std::size_t>(number - 2)];
        const std::size_t lineCount = kTextBlocks[static_cast<std::size_t>(number - 1)].lineCount;
        for (std::size_t line = 0; line < lineCount; ++line, rest.remove_prefix(std::min(rest.size(), kLineCell))) {
            fillFrom(slot[line], rest);
        }
    }
    constexpr std::size_t kSettingsOffset = kMagicSize + offsetof(Definition, settings);
    SystemSettings settings{};
    if (file.size() > kSettingsOffset) fillFrom(settings, file.substr(kSettingsOffset));
    // Settings of the first generation, or a file that ends before them, carry
    // no text lines: the default texts stand in.
    const bool hasLines = file.size() >= kSettingsOffset + sizeof(SystemSettings) && settings.settingsVersion >= '2';
    const auto& lines = hasLines ? settings.textLines : defaults.settingsLines;

    auto& settingsScreen = texts[6];  // block 8: its title is dropped, the buzzer entry joins
    std::copy(settingsScreen.begin() + 1, settingsScreen.begin() + 7, settingsScreen.begin());
    settingsScreen[6] = lines[1];
    auto& miscContinuous = texts[25];  // block 27: calculator and the buzzer screen behind it
    miscContinuous[3] = lines[0];
    miscContinuous[4] = lines[2];
    miscContinuous[5] = lines[3];
    miscContinuous[6] = lines[4];
    return true;
}

std::string saveAsName(std::string_view chosen) {
    const auto dot = chosen.rfind('.');
    if (dot != std::string_view::npos) {
        const auto extension = chosen.substr(dot + 1, 3);
        const bool isTsx = extension.size() == 3 &&
                           std::equal(extension.begin(), extension.end(), "TSX",
                                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
        if (isTsx) return std::string(chosen);
    }
    return std::string(chosen) + ".TSX";
}

int writeProject(Project& project, const std::filesystem::path& path, PreferencesStore* preferences,
                 std::string* reason) {
    const auto outcome = writeFileAtomically(path, projectFileBytes(project.definition, project.family));
    switch (outcome.result) {
        case WriteResult::Written: break;
        case WriteResult::ReadOnly: return kReadOnlyFileText;
        case WriteResult::Failed:
            if (reason) *reason = path.string() + ": " + outcome.reason;
            return kSaveFailedText;
    }
    if (preferences) preferences->rememberFile(path.string());
    return 1;
}

int readProject(Project& project, const std::filesystem::path& path, const Strings& strings, MessageService& messages,
                PreferencesStore* preferences) {
    const auto file = readFileBytes(path, kProjectReadSize);
    if (!file) return 0;
    return readProjectContent(project, *file, path, strings, messages, preferences);
}

int readProjectContent(Project& project, std::string_view file, const std::filesystem::path& path,
                       const Strings& strings, MessageService& messages, PreferencesStore* preferences) {
    if (!familyOfMagic(file)) {
        messageByIds(strings, messages, kCaptionError, kFormatMismatch, {MessageIcon::Warning});
        return 0;
    }
    if (preferences) preferences->rememberFile(path.string());
    const auto read = readProjectBytes(file, project.definition, strings);
    project.family = read->family;
    if (read->converted) messages.show(strings.utf8(kCaptionWarning), kConvertedText, {MessageIcon::Warning});
    return 1;
}

int importTexts(const std::filesystem::path& path, StartupTexts& texts, const DefaultTexts& defaults,
                const Strings& strings, MessageService& messages) {
    const auto file = readFileBytes(path, kProjectFileSize);
    if (!file) return 0;
    if (!importTextsFromBytes(*file, texts, defaults)) {
        messageByIds(strings, messages, kCaptionError, kFormatMismatch, {MessageIcon::Warning});
        return 0;
    }
    return 1;
}

}  // namespace tessel
