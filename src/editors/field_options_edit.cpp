#include "editors/field_options_edit.h"

#include <algorithm>

#include "core/strings.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr std::size_t kFixedLengthDigits = 3;
constexpr unsigned kMaxFixedLength = 255;

GridValue scratchOf(const Bytes<10>& slot) {
    GridValue scratch{};
    std::copy_n(slot.begin(), kAffixCapacity, scratch.begin());
    return scratch;
}

void storeScratch(Bytes<10>& slot, const GridValue& scratch) {
    slot.fill(0);
    for (std::size_t i = 0; i < kAffixCapacity && scratch[i] != 0; ++i) slot[i] = scratch[i];
}

}  // namespace

FieldOptionsEdit::FieldOptionsEdit(FormRecord& form, std::size_t field)
    : FormRecordEdit(form),
      field_(field),
      prefix_(scratchOf(form.prefix[field])),
      suffix_(scratchOf(form.suffix[field])) {}

ListEntries FieldOptionsEdit::alignmentEntries(const Strings& strings) {
    return {strings.utf8(1371), strings.utf8(1372), strings.utf8(1373), strings.utf8(1374)};
}

std::string FieldOptionsEdit::setFixedLength(std::string_view text) {
    auto corrected = correctNumber(text.substr(0, kFixedLengthDigits), kMaxFixedLength);
    form_.fixedLength[field_] = static_cast<Byte>(corrected.value);
    return corrected.text;
}

void FieldOptionsEdit::storeAffixes() {
    storeScratch(form_.prefix[field_], prefix_);
    storeScratch(form_.suffix[field_], suffix_);
}

}  // namespace tessel
