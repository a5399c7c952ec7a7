#include "design/design_differences.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>
#include <span>

#include "core/strings.h"
#include "design/design_terms.h"
#include "design/reader_bit_names.h"
#include "design/value_names.h"
#include "reader/code_id_dialog_model.h"

namespace tessel {
namespace {

using ConstBytes = std::span<const Byte>;

// The largest byte string shown as its text; longer reserved runs are counted.
constexpr std::size_t kShownBytes = 10;

// A record to compare: what kind it is, its members, the lists that gather
// some of them into one entry each (a form's fields, a menu's items), and the
// reader block it is, whose bits its controls name.
struct RecordShape {
    RecordKind kind;
    std::span<const FieldLayout> layout;
    std::span<const ElementList> lists = {};
    std::optional<ReaderBlock> reader = {};
};

bool inAList(const RecordShape& shape, std::string_view member) {
    return std::any_of(shape.lists.begin(), shape.lists.end(), [&](const ElementList& list) {
        return std::any_of(list.members.begin(), list.members.end(),
                           [&](const ElementMember& m) { return m.member == member; });
    });
}

const FieldLayout& memberLayout(const RecordShape& shape, std::string_view member) {
    return *std::find_if(shape.layout.begin(), shape.layout.end(),
                         [&](const FieldLayout& field) { return field.name == member; });
}

// "field 3", "item 2", "column 1"; a form's function keys are "FN+2".
std::string elementPlace(const ElementList& list, std::size_t e) {
    if (list.number == "functionKey") return functionKeyPlace(e);
    return std::string(list.number) + " " + std::to_string(e + 1);
}

// A member named "byte20" is a byte of bits that belong to several controls.
bool bareByte(std::string_view member) {
    return member.starts_with("byte") && member.size() > 4 &&
           std::all_of(member.begin() + 4, member.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class DifferenceWriter {
public:
    DifferenceWriter(const Strings& strings, std::vector<std::string>& lines) : strings_(strings), lines_(lines) {}

    // `families` are the two designs' families, which some lists depend on.
    void compareRecord(const RecordShape& shape, const std::string& place, ConstBytes a, ConstBytes b,
                       std::pair<int, int> families) {
        if (std::equal(a.begin(), a.end(), b.begin(), b.end())) return;
        const Sides sides{shape, place, {a, families.first}, {b, families.second}};
        for (const auto& field : shape.layout) {
            if (inAList(shape, field.name)) continue;
            for (std::size_t e = 0; e < field.count; ++e) compareElement(sides, memberPlace(place, field, e), field, e);
        }
        for (const ElementList& list : shape.lists) {
            for (std::size_t e = 0; e < list.count; ++e) {
                const auto entryPlace = place + ", " + elementPlace(list, e);
                for (const ElementMember& member : list.members) {
                    const FieldLayout& field = memberLayout(shape, member.member);
                    compareElement(sides, entryPlace + ", " + attributeName(field.name), field, e);
                }
            }
        }
    }

    void compareText(const std::string& place, ConstBytes a, ConstBytes b) {
        if (std::equal(a.begin(), a.end(), b.begin(), b.end())) return;
        const auto before = cellText(a);
        const auto after = cellText(b);
        if (before == after) {
            add(place, "bytes after the text differ");
        } else {
            add(place, quotedText(before) + " -> " + quotedText(after));
        }
    }

    void add(const std::string& place, const std::string& change) { lines_.push_back(place + ": " + change); }

private:
    // One of the two records compared, for the values that depend on other
    // members or on the family.
    struct Side {
        ConstBytes record;
        int family;
    };
    struct Sides {
        const RecordShape& shape;
        const std::string& place;  // the record's
        Side a;
        Side b;
    };

    static std::string memberPlace(const std::string& place, const FieldLayout& field, std::size_t e) {
        if (field.count == 1) return place + ", " + attributeName(field.name);
        if (field.name == "codeId") return place + ", code id, " + std::string(CodeIdDialogModel::rowName(e));
        if (field.name == "functionKeyMap") return place + ", " + functionKeyPlace(e) + " " + attributeName(field.name);
        return place + ", " + attributeName(field.name) + " " + std::to_string(e + 1);
    }

    std::string value(const Sides& sides, const Side& side, const FieldLayout& field, std::size_t e, int v) const {
        return valueName({sides.shape.kind, field.name, side.record, e, side.family}, v, strings_);
    }

    void compareElement(const Sides& sides, const std::string& place, const FieldLayout& field, std::size_t e) {
        const std::size_t size = field.size / field.count;
        const auto before = sides.a.record.subspan(field.offset + e * size, size);
        const auto after = sides.b.record.subspan(field.offset + e * size, size);
        if (std::equal(before.begin(), before.end(), after.begin())) return;
        switch (field.kind) {
            case FieldKind::Number:
                add(place,
                    value(sides, sides.a, field, e, before[0]) + " -> " + value(sides, sides.b, field, e, after[0]));
                break;
            case FieldKind::Word:
                add(place, value(sides, sides.a, field, e, before[0] | before[1] << 8) + " -> " +
                               value(sides, sides.b, field, e, after[0] | after[1] << 8));
                break;
            case FieldKind::Bits: compareBits(sides, place, field, before, after); break;
            case FieldKind::Text: compareText(place, before, after); break;
            case FieldKind::Characters:
                if (size == 1) {
                    add(place, characterName(before[0]) + " -> " + characterName(after[0]));
                } else {
                    compareText(place, before, after);
                }
                break;
            case FieldKind::Bytes:
                if (size <= kShownBytes) {
                    compareText(place, before, after);
                } else {
                    const auto differing = std::inner_product(before.begin(), before.end(), after.begin(),
                                                              std::size_t{0}, std::plus<>(), std::not_equal_to<>());
                    add(place, std::to_string(differing) + " of " + std::to_string(size) + " bytes differ");
                }
                break;
        }
    }

    // The bits of a reader block by the controls that edit them, and every
    // other bit by its own name.
    void compareBits(const Sides& sides, const std::string& place, const FieldLayout& field, ConstBytes before,
                     ConstBytes after) {
        const unsigned a = before.size() == 2 ? unsigned(before[0] | before[1] << 8) : before[0];
        const unsigned b = after.size() == 2 ? unsigned(after[0] | after[1] << 8) : after[0];
        unsigned told = 0;
        const std::string& record = sides.place;
        if (sides.shape.reader) {
            for (const ControlChange& change :
                 readerControlChanges(*sides.shape.reader, field.offset, before[0], after[0], strings_)) {
                add(record + ", " + change.control, change.before + " -> " + change.after);
                told |= change.mask;
            }
        }
        for (const auto& bits : field.bits) {
            if ((bits.mask() & told) != 0 || bits.get(a) == bits.get(b)) continue;
            // A bit of a byte shared by several symbologies is named alone,
            // unless its name is only "reserved".
            const bool alone = sides.shape.reader && bareByte(field.name) && !bits.name.starts_with("reserved");
            add((alone ? record : place) + ", " + attributeName(bits.name),
                std::to_string(bits.get(a)) + " -> " + std::to_string(bits.get(b)));
        }
    }

    const Strings& strings_;
    std::vector<std::string>& lines_;
};

template <typename Record, std::size_t N>
void compareTable(DifferenceWriter& writer, const RecordShape& shape, std::string_view noun,
                  const std::array<Record, N>& a, const std::array<Record, N>& b, std::pair<int, int> families) {
    for (std::size_t i = 0; i < N; ++i)
        writer.compareRecord(shape, std::string(noun) + " " + std::to_string(i + 1), recordBytes(a[i]),
                             recordBytes(b[i]), families);
}

}  // namespace

std::vector<std::string> designDifferences(const DesignSide& before, const DesignSide& after, const Strings& strings) {
    std::vector<std::string> lines;
    DifferenceWriter writer(strings, lines);
    const Definition& a = before.definition;
    const Definition& b = after.definition;
    const std::pair families{before.family, after.family};
    if (before.family != after.family)
        writer.add("family", std::to_string(before.family) + " -> " + std::to_string(after.family));
    if (a.headerWord.value() != b.headerWord.value())
        writer.add("header word", std::to_string(a.headerWord.value()) + " -> " + std::to_string(b.headerWord.value()));
    compareTable(writer, {RecordKind::Form, kFormRecordLayout, kFormRecordLists}, "form", a.forms, b.forms, families);
    compareTable(writer, {RecordKind::Menu, kMenuRecordLayout, kMenuRecordLists}, "menu", a.menus, b.menus, families);
    compareTable(writer, {RecordKind::Lookup, kLookupRecordLayout, kLookupRecordLists}, "lookup", a.lookups, b.lookups,
                 families);
    for (int block = 1; block <= kTextBlockCount; ++block) {
        const auto linesA = a.texts.block(block);
        const auto linesB = b.texts.block(block);
        for (std::size_t line = 0; line < linesA.size(); ++line)
            writer.compareText(textLinePlace(block, line, strings), linesA[line], linesB[line]);
    }
    writer.compareRecord({RecordKind::Settings, kSystemSettingsLayout}, "settings", recordBytes(a.settings),
                         recordBytes(b.settings), families);
    writer.compareRecord({RecordKind::Other, kSymbologyBlockLayout, {}, ReaderBlock::Symbology}, "symbology",
                         recordBytes(a.symbology), recordBytes(b.symbology), families);
    writer.compareRecord({RecordKind::Other, kReaderSettingsLayout, {}, ReaderBlock::Reader}, "reader settings",
                         recordBytes(a.reader), recordBytes(b.reader), families);
    writer.compareRecord({RecordKind::Other, kRfidBlockLayout}, "RFID", recordBytes(a.rfid), recordBytes(b.rfid),
                         families);
    writer.compareRecord({RecordKind::WeightCode, kWeightCodeBlockLayout}, "weight code", recordBytes(a.weightCode),
                         recordBytes(b.weightCode), families);
    return lines;
}

}  // namespace tessel
