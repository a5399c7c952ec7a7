#include "reader/reader_type.h"

#include "core/model_family.h"
#include "core/records/system_settings.h"
#include "core/strings.h"

namespace tessel {
namespace {

constexpr unsigned kReaderBits = kReaderType2d.mask() | kReaderTypeLongRange.mask() | kReaderTypeBit3.mask();
constexpr int kLongRangePosition = 2;
constexpr unsigned kLongRangeValue = kReaderTypeLongRange.mask();

}  // namespace

ReaderMode readerMode(Byte readerType) {
    if (kReaderTypeLongRange.get(readerType) != 0) return ReaderMode::LongRange;
    return kReaderType2d.get(readerType) != 0 ? ReaderMode::TwoD : ReaderMode::OneD;
}

ListEntries readerEntries(const Strings& strings, int family) {
    ListEntries entries{strings.utf8(1802), strings.utf8(1803)};
    if (family == kFamily4760) entries.push_back(strings.utf8(1805));
    return entries;
}

int readerPosition(Byte readerType, int family) {
    const unsigned bits = readerType & kReaderBits;
    const int entries = family == kFamily4760 ? 3 : 2;
    const int position = bits == kLongRangeValue ? kLongRangePosition : static_cast<int>(bits);
    return position < entries ? position : -1;
}

Byte withReader(Byte readerType, int position) {
    const unsigned value = position == kLongRangePosition ? kLongRangeValue : static_cast<unsigned>(position);
    return static_cast<Byte>((readerType & ~kReaderBits) | (value & kReaderBits));
}

}  // namespace tessel
