#include "design/reader_bit_names.h"

#include <bit>

#include "core/strings.h"
#include "design/design_terms.h"
#include "reader/barcode_page_model.h"
#include "reader/option_dialog_table.h"
#include "reader/symbology_boxes.h"

namespace tessel {
namespace {

unsigned bitsOf(Byte value, unsigned mask) { return (value & mask) >> std::countr_zero(mask); }

std::string onOff(bool on) { return on ? "on" : "off"; }

// A label without the colon that ends it on the page ("Scan mode :").
std::string withoutColon(std::string label) {
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
    return label;
}

class ChangeCollector {
public:
    ChangeCollector(std::size_t byte, Byte before, Byte after) : byte_(byte), before_(before), after_(after) {}

    // Whether `bits` lie in the byte, differ and were not told already.
    bool changed(const BlockBits& bits) const {
        return bits.byte == byte_ && ((before_ ^ after_) & bits.mask) != 0 && (told_ & bits.mask) == 0;
    }
    unsigned before(unsigned mask) const { return bitsOf(before_, mask); }
    unsigned after(unsigned mask) const { return bitsOf(after_, mask); }

    void add(std::string control, std::string was, std::string is, unsigned mask) {
        changes_.push_back({std::move(control), std::move(was), std::move(is), mask});
        told_ |= mask;
    }
    std::vector<ControlChange> changes() && { return std::move(changes_); }

private:
    std::size_t byte_;
    Byte before_;
    Byte after_;
    unsigned told_ = 0;
    std::vector<ControlChange> changes_;
};

void addPageBoxes(ChangeCollector& collector, ReaderBlock block, const Strings& strings) {
    for (const SymbologyBox& box : kSymbologyBoxTable) {
        const bool oneD = block == ReaderBlock::Symbology;
        if (oneD && !box.bit1d) continue;
        const BlockBits& bits = oneD ? *box.bit1d : box.bit2d;
        if (bits.block != block || !collector.changed(bits)) continue;
        collector.add(strings.utf8(oneD ? box.label1d : box.label2d), onOff(collector.before(bits.mask) != 0),
                      onOff(collector.after(bits.mask) != 0), bits.mask);
    }
}

void addPageLists(ChangeCollector& collector, ReaderBlock block, const Strings& strings) {
    for (const ReaderSettingList& list : readerSettingLists()) {
        if (list.bits.block != block || !collector.changed(list.bits)) continue;
        const ListEntries entries = readerSettingEntries(strings, list);
        collector.add(withoutColon(strings.utf8(list.labelId)),
                      listEntry(entries, static_cast<int>(collector.before(list.bits.mask))),
                      listEntry(entries, static_cast<int>(collector.after(list.bits.mask))), list.bits.mask);
    }
}

std::string controlName(const OptionDialogTable& table, const OptionControl& control, const Strings& strings) {
    const std::string label = control.textId != 0 ? strings.utf8(control.textId) : std::string(control.text);
    const std::string caption(table.caption);
    return label.empty() ? caption : caption + ", " + withoutColon(label);
}

std::string choiceText(const OptionControl& control, unsigned bits, const Strings& strings) {
    ListEntries entries;
    for (const OptionEntry& entry : control.entries)
        entries.push_back(entry.text.empty() ? strings.utf8(entry.stringId) : std::string(entry.text));
    const int entry = entryOf(control, bits);
    return entry < 0 ? std::to_string(bits) : listEntry(entries, entry);
}

void addDialogControls(ChangeCollector& collector, ReaderBlock block, const Strings& strings) {
    for (const OptionDialogTable& table : optionDialogs()) {
        for (const OptionControl& control : table.controls) {
            const bool shown = control.kind == OptionKind::Check || control.kind == OptionKind::Choice;
            if (!shown || control.field.block != block || !collector.changed(control.field)) continue;
            const unsigned mask = control.field.mask;
            const unsigned was = collector.before(mask);
            const unsigned is = collector.after(mask);
            if (control.kind == OptionKind::Check) {
                collector.add(controlName(table, control, strings), onOff((was != 0) != control.inverted),
                              onOff((is != 0) != control.inverted), mask);
            } else {
                collector.add(controlName(table, control, strings), choiceText(control, was, strings),
                              choiceText(control, is, strings), mask);
            }
        }
    }
}

}  // namespace

std::vector<ControlChange> readerControlChanges(ReaderBlock block, std::size_t byte, Byte before, Byte after,
                                                const Strings& strings) {
    ChangeCollector collector(byte, before, after);
    addPageBoxes(collector, block, strings);
    addPageLists(collector, block, strings);
    addDialogControls(collector, block, strings);
    return std::move(collector).changes();
}

}  // namespace tessel
