#include "reader/barcode_page_model.h"

#include <algorithm>

#include "core/defaults.h"
#include "core/model_family.h"
#include "core/strings.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr unsigned kMaxSeconds = 255;
constexpr std::array<int, 4> kLabels1d{303, 304, 305, 306};
constexpr std::array<int, 4> kLabels2d{1821, 1822, 1823, 1824};

constexpr BlockBits kScanMode = symbologyBits(20, kSymbologyScanMode);
constexpr BlockBits kReadRedundancy = symbologyBits(11, kSymbologyReadRedundancy);
constexpr BlockBits kTimeout1d = wholeByte(ReaderBlock::Symbology, 21);
constexpr BlockBits kCode128OrEan128 = symbologyBits(1, kSymbologyCode128OrEan128);
constexpr BlockBits kCode128Copy = symbologyBits(22, kSymbologyCode128Copy);
constexpr BlockBits kLed = readerBits(30, kReaderLedIllumination);
constexpr BlockBits kAimer = readerBits(30, kReaderAimerPattern);
constexpr BlockBits kTimeout2d = readerBits(30, kReaderReadTimeout);
constexpr BlockBits kAimDuration = wholeByte(ReaderBlock::Reader, 31);

constexpr int kScanModeIds[] = {1461, 1462, 1463, 1464, 1465, 1466, 1467, 1468, 1469};
constexpr int kReadRedundancyIds[] = {1481, 1482, 1483, 1484};
constexpr int kLedIds[] = {1471, 1472, 1473, 1474};
constexpr int kAimerIds[] = {1515, 1516};
constexpr ReaderSettingList kSettingLists[] = {
    {kLabels1d[0], kScanMode, kScanModeIds},
    {kLabels1d[1], kReadRedundancy, kReadRedundancyIds},
    {kLabels2d[0], kLed, kLedIds},
    {kLabels2d[1], kAimer, kAimerIds},
};
enum SettingList { kScanModeList, kReadRedundancyList, kLedList, kAimerList };

// The boxes whose "more..." button each mode shows, by control id.
constexpr std::array<int, 17> kMore1d{101, 102, 103, 104, 105, 106, 107, 108, 109,
                                      110, 113, 116, 119, 120, 121, 122, 125};
constexpr std::array<int, 13> kMore2d{101, 102, 103, 104, 110, 112, 113, 114, 115, 116, 117, 118, 119};

// What the long-range laser cannot read: Code 11, Postal Codes and the 2D symbologies.
bool longRangeCannotRead(std::size_t box) { return box == kBoxCode11 || box == kBoxPostal || box >= kBoxPdf417; }

template <std::size_t N>
bool listed(const std::array<int, N>& ids, std::size_t box) {
    return std::find(ids.begin(), ids.end(), kFirstBoxId + static_cast<int>(box)) != ids.end();
}

}  // namespace

std::span<const ReaderSettingList> readerSettingLists() { return kSettingLists; }

ListEntries readerSettingEntries(const Strings& strings, const ReaderSettingList& list) {
    ListEntries entries;
    for (const int id : list.entryIds) entries.push_back(strings.utf8(id));
    return entries;
}

void BarcodePageModel::load(const Definition& definition) {
    readerType_ = definition.settings.ReaderType;
    rfid_ = rfidAvailable() && kReaderTypeRfid.get(readerType_) != 0;
    if (isTwoD(mode())) {
        first_ = readBits(definition, kLed);
        second_ = readBits(definition, kAimer);
        timeout_ = readBits(definition, kTimeout2d);
        aim_ = readBits(definition, kAimDuration);
    } else {
        first_ = readBits(definition, kScanMode);
        second_ = readBits(definition, kReadRedundancy);
        timeout_ = readBits(definition, kTimeout1d);
        aim_ = 0;
    }
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) {
        checked_[box] = boxShown(box) && readBits(definition, boxBits(box)) != 0;
    }
    loadEnabling();
}

void BarcodePageModel::loadEnabling() {
    const ReaderMode current = mode();
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) {
        boxEnabled_[box] = !(current == ReaderMode::LongRange && longRangeCannotRead(box));
    }
    if (isTwoD(current)) boxEnabled_[kBoxBookland] = checked_[kBoxEan13];
}

void BarcodePageModel::chooseReader(Definition& definition, int position) {
    definition.settings.ReaderType = withReader(definition.settings.ReaderType, position);
    load(definition);
}

void BarcodePageModel::resetToDefault(Definition& definition) {
    resetReaderDefaults(definition);
    load(definition);
}

bool BarcodePageModel::rfidAvailable() const { return family_ == kFamily4760; }

const BlockBits& BarcodePageModel::boxBits(std::size_t box) const {
    const SymbologyBox& entry = kSymbologyBoxTable[box];
    return isTwoD(mode()) || !entry.bit1d ? entry.bit2d : *entry.bit1d;
}

std::string BarcodePageModel::scanSettingLabel(int row) const {
    const auto& ids = isTwoD(mode()) ? kLabels2d : kLabels1d;
    return strings_.utf8(ids[static_cast<std::size_t>(row)]);
}

ListEntries BarcodePageModel::firstList() const {
    return readerSettingEntries(strings_, kSettingLists[isTwoD(mode()) ? kLedList : kScanModeList]);
}

ListEntries BarcodePageModel::secondList() const {
    return readerSettingEntries(strings_, kSettingLists[isTwoD(mode()) ? kAimerList : kReadRedundancyList]);
}

int BarcodePageModel::timeoutDigits() const {
    // The 2D box holds one digit, unless a stored value needs two.
    if (isTwoD(mode())) return timeout_ >= 10 ? 2 : 1;
    return 3;
}

std::string BarcodePageModel::setTimeout(std::string_view text) {
    const auto corrected = correctPositiveNumber(text, kMaxSeconds);
    timeout_ = corrected.value;
    return corrected.text;
}

std::string BarcodePageModel::setAimDuration(std::string_view text) {
    const auto corrected = correctNumber(text, kMaxSeconds);
    aim_ = corrected.value;
    return corrected.text;
}

std::string BarcodePageModel::boxLabel(std::size_t box) const {
    const SymbologyBox& entry = kSymbologyBoxTable[box];
    return strings_.utf8(isTwoD(mode()) ? entry.label2d : entry.label1d);
}

void BarcodePageModel::setBox(std::size_t box, bool on) {
    checked_[box] = on;
    if (isTwoD(mode()) && box == kBoxEan13) boxEnabled_[kBoxBookland] = on;
    if (!isTwoD(mode()) && box == kBoxCode128) boxEnabled_[kBoxEan128] = on;
}

bool BarcodePageModel::moreShown(std::size_t box) const {
    return isTwoD(mode()) ? listed(kMore2d, box) : listed(kMore1d, box);
}

bool BarcodePageModel::moreEnabled(std::size_t box) const { return moreShown(box) && boxEnabled_[box]; }

void BarcodePageModel::apply(Definition& definition) const {
    Byte& readerType = definition.settings.ReaderType;
    if (readerPosition() >= 0) readerType = withReader(readerType, readerPosition());
    readerType = static_cast<Byte>(kReaderTypeRfid.with(readerType, rfid_ ? 1 : 0));

    const ReaderMode current = mode();
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) {
        if (!boxShown(box)) continue;
        const bool cleared = current == ReaderMode::LongRange && longRangeCannotRead(box);
        writeBits(definition, boxBits(box), checked_[box] && !cleared ? 1 : 0);
    }
    switch (current) {
        case ReaderMode::TwoD:
            writeBits(definition, kLed, first_);
            writeBits(definition, kAimer, second_);
            writeBits(definition, kTimeout2d, timeout_);
            break;
        case ReaderMode::LongRange:
            writeBits(definition, kTimeout2d, timeout_);
            writeBits(definition, kAimDuration, aim_);
            break;
        case ReaderMode::OneD: {
            writeBits(definition, kScanMode, first_);
            writeBits(definition, kReadRedundancy, second_);
            writeBits(definition, kTimeout1d, timeout_);
            const bool code128 = checked_[kBoxCode128];
            const bool either = code128 || checked_[kBoxEan128];
            writeBits(definition, kCode128OrEan128, either ? 1 : 0);
            if (either) writeBits(definition, kCode128Copy, code128 ? 1 : 0);
            break;
        }
    }
}

}  // namespace tessel
