#include "editors/stamp_dialog_model.h"

#include <vector>

#include "core/shown_text.h"
#include "core/strings.h"
#include "editors/typed_text.h"

namespace tessel {
namespace {

constexpr std::size_t kMaxSeparatorBytes = 1;

// The shown parts joined by the separator when it is on.
std::string joinParts(const std::vector<const char*>& parts, bool separatorOn, const Bytes<2>& separator) {
    const std::string between = separatorOn ? cp1251ToUtf8(cellText(separator)) : std::string();
    std::string joined;
    for (const char* part : parts) {
        if (!joined.empty()) joined += between;
        joined += part;
    }
    return joined;
}

}  // namespace

ListEntries StampDialogModel::positionEntries(const Strings& strings) {
    return {strings.utf8(1211), strings.utf8(1411), strings.utf8(1412)};
}

ListEntries StampDialogModel::yearDigitEntries() { return {"4 Digits (YYYY)", "2 Digits (YY)"}; }

ListEntries StampDialogModel::dateStyleEntries() {
    return {TESSEL_SHOWN("tessel::StampDialogModel", "Year.Month.Day"),
            TESSEL_SHOWN("tessel::StampDialogModel", "Month.Day.Year"),
            TESSEL_SHOWN("tessel::StampDialogModel", "Day.Month.Year")};
}

std::string StampDialogModel::setDateSeparator(std::string_view text) {
    return storeTypedText(form_.stampDateSeparator, text, kMaxSeparatorBytes);
}

std::string StampDialogModel::setTimeSeparator(std::string_view text) {
    return storeTypedText(form_.stampTimeSeparator, text, kMaxSeparatorBytes);
}

std::string StampDialogModel::dateSeparator() const { return cp1251ToUtf8(cellText(form_.stampDateSeparator)); }

std::string StampDialogModel::timeSeparator() const { return cp1251ToUtf8(cellText(form_.stampTimeSeparator)); }

std::string StampDialogModel::dateFormat() const {
    const char* year = form_.stampYearDigits == 1 ? "YY" : "YYYY";
    const char* y = form_.stampYear ? year : nullptr;
    const char* m = form_.stampMonth ? "MM" : nullptr;
    const char* d = form_.stampDay ? "DD" : nullptr;
    std::vector<const char*> ordered;
    switch (form_.stampDateStyle) {
        case 1: ordered = {m, d, y}; break;
        case 2: ordered = {d, m, y}; break;
        default: ordered = {y, m, d}; break;
    }
    std::erase(ordered, nullptr);
    return joinParts(ordered, form_.stampDateSeparatorOn != 0, form_.stampDateSeparator);
}

std::string StampDialogModel::timeFormat() const {
    std::vector<const char*> parts;
    if (form_.stampHour) parts.push_back("HH");
    if (form_.stampMinute) parts.push_back("MM");
    if (form_.stampSecond) parts.push_back("SS");
    return joinParts(parts, form_.stampTimeSeparatorOn != 0, form_.stampTimeSeparator);
}

}  // namespace tessel
