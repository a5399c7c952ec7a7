#include "design/design_differences.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>
#include <span>

#include "core/strings.h"
#include "design/design_terms.h"
#include "editors/branch_dialog_model.h"
#include "editors/function_key_dialog_model.h"
#include "reader/code_id_dialog_model.h"

namespace tessel {
namespace {

using ConstBytes = std::span<const Byte>;

// The largest byte string shown as its text; longer reserved runs are counted.
constexpr std::size_t kShownBytes = 10;

enum class RecordKind { Form, Menu, Lookup, Settings, Other };

// The numbered part of a record that most of its arrays describe one entry
// each of: a form's fields, a menu's items, a lookup's columns.
std::optional<std::string_view> unitOf(RecordKind kind, const FieldLayout& field) {
    if (kind == RecordKind::Form && field.count == kFieldsPerForm && field.name != "printData") return "field";
    if (kind == RecordKind::Menu && field.count == kItemsPerMenu) return "item";
    if (kind == RecordKind::Lookup && field.count == kColumnsPerLookup) return "column";
    return std::nullopt;
}

// Arrays of one entry per function key: the form's branches, the key map.
bool perFunctionKey(RecordKind kind, const FieldLayout& field) {
    return (kind == RecordKind::Form && field.count == kFunctionBranches) || field.name == "functionKeyMap";
}

class DifferenceWriter {
public:
    DifferenceWriter(const Strings& strings, std::vector<std::string>& lines) : strings_(strings), lines_(lines) {}

    void compareRecord(RecordKind kind, const std::string& place, std::span<const FieldLayout> layout, ConstBytes a,
                       ConstBytes b) {
        if (std::equal(a.begin(), a.end(), b.begin(), b.end())) return;
        for (const auto& field : layout) {
            if (unitOf(kind, field)) continue;
            for (std::size_t e = 0; e < field.count; ++e) {
                std::string where = place + ", ";
                if (field.count == 1) {
                    where += attributeName(field.name);
                } else if (field.name == "codeId") {
                    where += "code id, " + std::string(CodeIdDialogModel::rowName(e));
                } else if (perFunctionKey(kind, field)) {
                    where += functionKeyPlace(e) + " " + attributeName(field.name);
                } else {
                    where += attributeName(field.name) + " " + std::to_string(e + 1);
                }
                compareElement(kind, where, field, e, a, b);
            }
        }
        const auto units =
            std::find_if(layout.begin(), layout.end(), [&](const FieldLayout& f) { return unitOf(kind, f); });
        if (units == layout.end()) return;
        for (std::size_t e = 0; e < units->count; ++e) {
            const auto unitPlace = place + ", " + std::string(*unitOf(kind, *units)) + " " + std::to_string(e + 1);
            for (const auto& field : layout)
                if (unitOf(kind, field))
                    compareElement(kind, unitPlace + ", " + attributeName(field.name), field, e, a, b);
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
    void compareElement(RecordKind kind, const std::string& place, const FieldLayout& field, std::size_t e,
                        ConstBytes a, ConstBytes b) {
        const std::size_t size = field.size / field.count;
        const auto before = a.subspan(field.offset + e * size, size);
        const auto after = b.subspan(field.offset + e * size, size);
        if (std::equal(before.begin(), before.end(), after.begin())) return;
        switch (field.kind) {
            case FieldKind::Number:
                add(place, value(kind, field.name, before[0], a, e) + " -> " + value(kind, field.name, after[0], b, e));
                break;
            case FieldKind::Word:
                add(place,
                    std::to_string(before[0] | before[1] << 8) + " -> " + std::to_string(after[0] | after[1] << 8));
                break;
            case FieldKind::Bits: compareBits(place, field, before, after); break;
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

    void compareBits(const std::string& place, const FieldLayout& field, ConstBytes before, ConstBytes after) {
        const unsigned a = before.size() == 2 ? unsigned(before[0] | before[1] << 8) : before[0];
        const unsigned b = after.size() == 2 ? unsigned(after[0] | after[1] << 8) : after[0];
        for (const auto& bits : field.bits) {
            if (bits.get(a) != bits.get(b))
                add(place + ", " + attributeName(bits.name),
                    std::to_string(bits.get(a)) + " -> " + std::to_string(bits.get(b)));
        }
    }

    // A number as the page that edits it shows it.
    std::string value(RecordKind kind, std::string_view member, int v, ConstBytes record, std::size_t e) const {
        switch (kind) {
            case RecordKind::Form: return formValue(member, v, record, e);
            case RecordKind::Menu:
                if (member == "menuEscTarget" || member == "itemTarget") return targetName(v, strings_);
                break;
            case RecordKind::Settings:
                if (member == "programStart") return listEntry(stringRangeEntries(strings_, 1561, 1562), v);
                if (member == "functionKeyMap") return listEntry(FunctionKeyDialogModel::functionEntries(strings_), v);
                break;
            case RecordKind::Lookup:
            case RecordKind::Other: break;
        }
        return std::to_string(v);
    }

    std::string formValue(std::string_view member, int v, ConstBytes record, std::size_t e) const {
        if (member == "escTarget") return targetName(v, strings_);
        if (member == "nextTarget") return listEntry(nextTargetEntries(strings_), v);
        if (member == "errorAction") return listEntry(errorActionEntries(strings_), v);
        if (member == "recordAction") return listEntry(recordActionEntries(strings_), v);
        if (member == "formLookup") return listEntry(formLookupEntries(strings_), v);
        if (member == "fieldType") return fieldTypeName(v, strings_);
        if (member == "inputSource") return listEntry(inputSourceEntries(strings_), v);
        if (member == "branchTarget") return listEntry(BranchDialogModel::targetEntries(strings_), v);
        if (member == "fieldLink") {
            const int formLookup = record[offsetof(FormRecord, formLookup)];
            const int type = record[offsetof(FormRecord, fieldType) + e];
            return listEntry(fieldLinkEntries(strings_, formLookup, type), v);
        }
        return std::to_string(v);
    }

    const Strings& strings_;
    std::vector<std::string>& lines_;
};

template <typename Record, std::size_t N>
void compareTable(DifferenceWriter& writer, RecordKind kind, std::string_view noun, const std::array<Record, N>& a,
                  const std::array<Record, N>& b, std::span<const FieldLayout> layout) {
    for (std::size_t i = 0; i < N; ++i)
        writer.compareRecord(kind, std::string(noun) + " " + std::to_string(i + 1), layout, recordBytes(a[i]),
                             recordBytes(b[i]));
}

}  // namespace

std::vector<std::string> designDifferences(const DesignSide& before, const DesignSide& after, const Strings& strings) {
    std::vector<std::string> lines;
    DifferenceWriter writer(strings, lines);
    const Definition& a = before.definition;
    const Definition& b = after.definition;
    if (before.family != after.family)
        writer.add("family", std::to_string(before.family) + " -> " + std::to_string(after.family));
    if (a.headerWord.value() != b.headerWord.value())
        writer.add("header word", std::to_string(a.headerWord.value()) + " -> " + std::to_string(b.headerWord.value()));
    compareTable(writer, RecordKind::Form, "form", a.forms, b.forms, kFormRecordLayout);
    compareTable(writer, RecordKind::Menu, "menu", a.menus, b.menus, kMenuRecordLayout);
    compareTable(writer, RecordKind::Lookup, "lookup", a.lookups, b.lookups, kLookupRecordLayout);
    for (int block = 1; block <= kTextBlockCount; ++block) {
        const auto linesA = a.texts.block(block);
        const auto linesB = b.texts.block(block);
        for (std::size_t line = 0; line < linesA.size(); ++line)
            writer.compareText(textLinePlace(block, line, strings), linesA[line], linesB[line]);
    }
    writer.compareRecord(RecordKind::Settings, "settings", kSystemSettingsLayout, recordBytes(a.settings),
                         recordBytes(b.settings));
    writer.compareRecord(RecordKind::Other, "symbology", kSymbologyBlockLayout, recordBytes(a.symbology),
                         recordBytes(b.symbology));
    writer.compareRecord(RecordKind::Other, "reader settings", kReaderSettingsLayout, recordBytes(a.reader),
                         recordBytes(b.reader));
    writer.compareRecord(RecordKind::Other, "RFID", kRfidBlockLayout, recordBytes(a.rfid), recordBytes(b.rfid));
    writer.compareRecord(RecordKind::Other, "weight code", kWeightCodeBlockLayout, recordBytes(a.weightCode),
                         recordBytes(b.weightCode));
    return lines;
}

}  // namespace tessel
