#include "editors/lookup_page_model.h"

#include <algorithm>
#include <numeric>

#include "core/messages.h"
#include "core/model_family.h"
#include "core/project.h"
#include "core/strings.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr unsigned kByteMax = 255;
constexpr Byte kTab = 9;
constexpr Byte kCarriageReturn = 13;
constexpr int kFirstInsertingAction = 2;  // "Insert to lookup file"
constexpr int kInsertingActions = 2;

// "Insert to lookup file" and "Show warning message & Insert".
bool isInserting(int action) {
    return action >= kFirstInsertingAction && action < kFirstInsertingAction + kInsertingActions;
}

void resetLookup(LookupRecord& lookup) {
    lookup.recordLength = 0;
    lookup.columnCount = 0;
    lookup.keyColumn = 0;
    lookup.columnOffset.fill(1);
    lookup.columnLength.fill(0);
    lookup.delimiter = 0;
    lookup.uploadable = 1;
    lookup.noMatchAction = 0;
    lookup.badFormatAction = 0;
    lookup.readOnce = 0;
    lookup.negativeRemains = 0;
}

// Offsets and record length of a delimited lookup (0 for one without
// columns); mayAccept has made sure they fit in their bytes.
void layOut(LookupRecord& lookup) {
    if (lookup.delimiter == 0) return;
    const DelimitedLayout layout = delimitedLayout(lookup);
    for (std::size_t k = 0; k < lookup.columnCount && k < kColumnsPerLookup; ++k) {
        lookup.columnOffset[k] = static_cast<Byte>(layout.offsets[k]);
    }
    lookup.recordLength = static_cast<Byte>(layout.recordLength);
}

}  // namespace

void renumberCalculatorLines(DefaultTexts& defaults, SystemSettings& settings, bool lookupInUse) {
    applyCalculatorDigit(settings, lookupInUse);
    applyCalculatorDigit(defaults.settingsLines[0], lookupInUse);
}

bool DelimitedLayout::fitsInBytes() const {
    return recordLength <= kByteMax &&
           std::all_of(offsets.begin(), offsets.end(), [](unsigned offset) { return offset <= kByteMax; });
}

DelimitedLayout delimitedLayout(const LookupRecord& lookup) {
    DelimitedLayout layout;
    const std::size_t n = std::min<std::size_t>(lookup.columnCount, kColumnsPerLookup);
    if (n == 0) return layout;
    layout.offsets[0] = 1;
    for (std::size_t k = 1; k < n; ++k) layout.offsets[k] = layout.offsets[k - 1] + lookup.columnLength[k - 1] + 1;
    const unsigned lengths =
        std::accumulate(lookup.columnLength.begin(), lookup.columnLength.begin() + static_cast<std::ptrdiff_t>(n), 0u);
    layout.recordLength = lengths + static_cast<unsigned>(n) - 1;
    return layout;
}

ListEntries LookupPageModel::nameEntries(const Strings& strings) { return stringRangeEntries(strings, 1191, 1193); }

ListEntries LookupPageModel::columnCountEntries() {
    ListEntries entries;
    for (std::size_t n = 0; n <= kColumnsPerLookup; ++n) entries.push_back(" " + std::to_string(n));
    return entries;
}

ListEntries LookupPageModel::badFormatEntries(const Strings& strings) {
    return stringRangeEntries(strings, 1441, 1443);
}

ListEntries LookupPageModel::noMatchActionEntries(const Strings& strings) {
    return stringRangeEntries(strings, 1451, 1456);
}

ListEntries LookupPageModel::noMatchEntries() const {
    return lookup().readOnce != 0 ? stringRangeEntries(strings_, 1453, 1454) : noMatchActionEntries(strings_);
}

int LookupPageModel::noMatchIndex() const {
    const int action = lookup().noMatchAction;
    if (lookup().readOnce == 0) return action;
    return isInserting(action) ? action - kFirstInsertingAction : 0;
}

void LookupPageModel::load(const LookupTable& lookups, int family) {
    lookups_ = lookups;
    sdCardShown_ = !is4760(family);
    selectLookup(0);
}

std::optional<std::size_t> LookupPageModel::lookupPastItsBytes() const {
    for (std::size_t i = 0; i < kLookupCount; ++i) {
        if (lookups_[i].delimiter != 0 && !delimitedLayout(lookups_[i]).fitsInBytes()) return i;
    }
    return std::nullopt;
}

void LookupPageModel::warnInvalidValue() const {
    messageByIds(strings_, messages_, 1122, 1147, {MessageIcon::Warning});
}

void LookupPageModel::accept(Project& project, WorkingTexts& startupTexts) const {
    LookupTable laidOut = lookups_;
    for (LookupRecord& lookup : laidOut) layOut(lookup);
    project.definition.lookups = laidOut;
    const bool inUse = anyLookupInUse(project.definition);
    renumberCalculatorLines(project.defaults, project.definition.settings, inUse);
    startupTexts.applyCalculatorDigit(inUse);
}

void LookupPageModel::selectLookup(std::size_t index) {
    current_ = index < kLookupCount ? index : 0;
    delimited_ = lookup().delimiter != 0;
    delimiterBox_ = lookup().delimiter;
}

void LookupPageModel::chooseFixedLength() {
    delimited_ = false;
    edited().delimiter = 0;
}

void LookupPageModel::chooseDelimiter() {
    delimited_ = true;
    if (delimiterBox_ == 0) delimiterBox_ = kTab;
    edited().delimiter = static_cast<Byte>(delimiterBox_);
}

void LookupPageModel::setReadOnce(bool on) {
    const int shown = noMatchIndex();
    const bool inserting = isInserting(lookup().noMatchAction);
    edited().readOnce = on ? 1 : 0;
    int action = kFirstInsertingAction * lookup().readOnce + shown;
    // Read once, only the inserting actions apply: one already chosen stays,
    // "Show warning message" gains the insert, any other becomes the list's
    // first entry, so the record holds what the narrowed list shows.
    if (on && inserting) action = lookup().noMatchAction;
    if (on && !isInserting(action)) action = kFirstInsertingAction;
    edited().noMatchAction = static_cast<Byte>(action);
}

void LookupPageModel::setNoMatchIndex(int index) {
    edited().noMatchAction = static_cast<Byte>(index + kFirstInsertingAction * lookup().readOnce);
}

void LookupPageModel::reset() {
    for (LookupRecord& lookup : lookups_) resetLookup(lookup);
    selectLookup(0);
}

std::string LookupPageModel::setRecordLength(std::string_view text) {
    const auto corrected = correctNumber(text, kByteMax);
    edited().recordLength = static_cast<Byte>(corrected.value);
    return corrected.text;
}

std::string LookupPageModel::setOffset(std::size_t column, std::string_view text) {
    const auto corrected = correctNumber(text, kByteMax);
    edited().columnOffset[column] = static_cast<Byte>(corrected.value);
    return corrected.text;
}

std::string LookupPageModel::setLength(std::size_t column, std::string_view text) {
    auto corrected = correctNumber(text, kByteMax);
    Bytes<kColumnsPerLookup>& lengths = edited().columnLength;
    const unsigned others = std::accumulate(lengths.begin(), lengths.end(), 0u) - lengths[column];
    if (corrected.value + others > kByteMax) {
        corrected.value = others < kByteMax ? kByteMax - others : 0;
        corrected.text = std::to_string(corrected.value);
    }
    lengths[column] = static_cast<Byte>(corrected.value);
    return corrected.text;
}

std::string LookupPageModel::setDelimiter(std::string_view text) {
    const auto corrected = correctNumber(text, kByteMax);
    if (corrected.value == kCarriageReturn) {
        warnInvalidValue();
        delimiterBox_ = lookup().delimiter;
        return delimiterText();
    }
    delimiterBox_ = corrected.value;
    edited().delimiter = static_cast<Byte>(corrected.value);
    return corrected.text;
}

}  // namespace tessel
