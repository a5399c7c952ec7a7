#include "editors/form_lists.h"

#include "core/strings.h"
#include "editors/field_types.h"

namespace tessel {
namespace {

constexpr int kTargetsPerKind = 10;
constexpr int kColumns = 8;

// Entries 1..count of one stem: the stem's text followed by the number.
void appendNumbered(ListEntries& entries, const Strings& strings, int stemId, int count) {
    const auto stem = strings.utf8(stemId);
    for (int n = 1; n <= count; ++n) entries.push_back(stem + std::to_string(n));
}

void appendRange(ListEntries& entries, const Strings& strings, int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) entries.push_back(strings.utf8(id));
}

}  // namespace

ListEntries stringRangeEntries(const Strings& strings, int firstId, int lastId) {
    ListEntries entries;
    appendRange(entries, strings, firstId, lastId);
    return entries;
}

ListEntries formNameEntries(const Strings& strings) {
    ListEntries entries;
    appendNumbered(entries, strings, 1214, kTargetsPerKind);
    return entries;
}

ListEntries targetEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1212)};
    appendNumbered(entries, strings, 1214, kTargetsPerKind);
    appendNumbered(entries, strings, 1213, kTargetsPerKind);
    return entries;
}

ListEntries nextTargetEntries(const Strings& strings) {
    auto entries = targetEntries(strings);
    entries.push_back(strings.utf8(1223));
    return entries;
}

ListEntries errorActionEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1230)};
    const auto targets = targetEntries(strings);
    entries.insert(entries.end(), targets.begin(), targets.end());
    return entries;
}

ListEntries formLookupEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1211)};
    appendRange(entries, strings, 1191, 1193);
    return entries;
}

ListEntries recordActionEntries(const Strings& strings) {
    ListEntries entries;
    appendRange(entries, strings, 1311, 1319);
    return entries;
}

ListEntries fieldTypeEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1211)};
    appendRange(entries, strings, 1331, 1348);
    return entries;
}

ListEntries inputSourceEntries(const Strings& strings) {
    ListEntries entries;
    appendRange(entries, strings, 1351, 1355);
    appendRange(entries, strings, 1345, 1347);
    return entries;
}

ListEntries fieldLinkEntries(const Strings& strings, int formLookup, int type) {
    ListEntries entries{strings.utf8(1211)};
    if (formLookup == 0) {
        for (const int stem : {1367, 1368, 1369}) appendNumbered(entries, strings, stem, kColumns);
        return entries;
    }
    appendNumbered(entries, strings, 1361, kColumns);
    if (hasSignedColumns(type)) {
        appendNumbered(entries, strings, 1362, kColumns);
        appendNumbered(entries, strings, 1363, kColumns);
    }
    return entries;
}

int foldedFieldLink(int formLookup, int type, int stored) {
    if (formLookup == 0 || hasSignedColumns(type) || stored <= kColumns) return stored;
    const int column = stored & 7;
    return column == 0 ? kColumns : column;
}

}  // namespace tessel
