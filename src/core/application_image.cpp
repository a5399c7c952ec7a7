#include "core/application_image.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "core/records/field_type.h"

namespace tessel {
namespace {

bool isPresentItem(const TextCell& line) {
    const auto text = cellText(line).substr(0, kLineChars);
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// The line's characters, blanks up to 20, then a zero byte.
void padLine(TextCell& line) {
    const std::size_t length = cellText(line).substr(0, kLineChars).size();
    std::fill(line.begin() + static_cast<std::ptrdiff_t>(length), line.begin() + kLineChars, Byte{' '});
    line[kLineChars] = 0;
}

void prepareMenu(MenuRecord& menu) {
    if (menu.captionOn != 0) padLine(menu.caption);
    Byte present = 0;
    for (auto& item : menu.itemName) {
        if (isPresentItem(item)) ++present;
        padLine(item);
    }
    menu.itemCount = present;
}

// Input fields and pauses take a line of their own on the terminal.
bool countsAsUsedLine(Byte type) { return (type >= kFieldText && type <= kFieldBoolean) || type >= kFieldPause; }

void prepareForm(FormRecord& form) {
    Byte lastUsed = 0;
    for (std::size_t i = 0; i < form.fieldType.size(); ++i) {
        const Byte type = form.fieldType[i];
        if (type == kFieldNone || type == kFieldExtension) form.fieldPrompt[i][0] = 0;
        if (type == kFieldNone || (type >= kFieldFixedData && type <= kFieldPause)) form.fieldLink[i] = 0;
        if (countsAsUsedLine(type)) lastUsed = static_cast<Byte>(i + 1);
    }
    form.fieldCount = lastUsed;
}

SystemSettings settingsForTerminal(SystemSettings settings, bool lookupInUse) {
    settings.programStart = settings.programStart != 0 ? 11 : 1;
    for (Byte* listIndex : {&settings.uploadPort, &settings.downloadPort, &settings.baudRate, &settings.backlight,
                            &settings.dataDeletion, &settings.entryOptions, &settings.modemSpeed, &settings.keyClick,
                            &settings.goodReadBeep, &settings.warningBeep}) {
        ++*listIndex;
    }
    settings.backlightIdle = static_cast<Byte>(settings.backlightIdle + '0');
    applyCalculatorDigit(settings, lookupInUse);
    return settings;
}

class ImageWriter {
public:
    explicit ImageWriter(ApplicationImage& image) : image_(image) {}

    template <typename Record>
    void append(const Record& record) {
        const auto bytes = recordBytes(record);
        std::memcpy(image_.data() + position_, bytes.data(), bytes.size());
        position_ += bytes.size();
    }
    void appendPacked(const TextCell& line) {
        TextCell packed{};
        setCellText(packed, cellText(line));
        padLine(packed);
        append(packed);
    }
    std::size_t position() const { return position_; }

private:
    ApplicationImage& image_;
    std::size_t position_ = 0;
};

}  // namespace

void prepareForDownload(Definition& definition) {
    for (std::size_t k = 0; k < kMenuCount; ++k) {
        prepareMenu(definition.menus[k]);
        prepareForm(definition.forms[k]);
    }
}

ApplicationImage buildImage(const Definition& definition, const DefaultTexts& defaults) {
    ApplicationImage image{};
    ImageWriter out(image);
    out.append(definition.symbology);
    out.append(definition.menus);
    out.append(definition.forms);
    out.append(definition.lookups);
    for (int number = 1; number <= kTextBlockCount; ++number) {
        const bool fromDefaults = number == kUploadPortBlock || number == kDownloadPortBlock;
        for (const auto& line : (fromDefaults ? defaults.texts : definition.texts).block(number))
            out.appendPacked(line);
    }
    out.append(definition.reader);
    out.append(definition.rfid);
    out.append(settingsForTerminal(definition.settings, anyLookupInUse(definition)));
    out.append(definition.weightCode);
    return image;
}

ApplicationFrame applicationFrame(const ApplicationImage& image, std::size_t number) {
    ApplicationFrame frame{};
    const auto* data = image.data() + number * kFrameDataSize;
    std::copy(data, data + kFrameDataSize, frame.begin());
    const unsigned sum = std::accumulate(data, data + kFrameDataSize, 0u);
    frame[kFrameDataSize] = static_cast<Byte>((sum >> 8) & 0xFF);
    frame[kFrameDataSize + 1] = static_cast<Byte>(sum & 0xFF);
    frame[kFrameDataSize + 2] = static_cast<Byte>(number);
    return frame;
}

}  // namespace tessel
