#pragma once
// The Barcode page's rules: which reader the terminal has, the reader's
// general settings and the symbology enables. The reader type and Reset to
// Default write into the definition at once; the other controls are applied
// when the editor sheet is accepted. The page widget forwards every change
// here and shows what the model then holds.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/definition.h"
#include "editors/form_lists.h"
#include "reader/reader_type.h"
#include "reader/symbology_boxes.h"

namespace tessel {

class Strings;

// One of the page's lists of reader settings: its label, the bits it edits
// and the string ids of its entries, one per value from 0.
struct ReaderSettingList {
    int labelId;
    BlockBits bits;
    std::span<const int> entryIds;
};
// Scan mode and read redundancy (1D mode), LED illumination and aimer
// pattern (2D mode).
std::span<const ReaderSettingList> readerSettingLists();
ListEntries readerSettingEntries(const Strings& strings, const ReaderSettingList& list);

class BarcodePageModel {
public:
    BarcodePageModel(const Strings& strings, int family) : strings_(strings), family_(family) {}

    // Reads every control from the definition, in the mode its reader type names.
    void load(const Definition& definition);
    // Writes the chosen reader into the reader type byte at once and reloads
    // the page in the reader's mode.
    void chooseReader(Definition& definition, int position);
    // Resets the reader blocks to their defaults and reloads; the reader type stays.
    void resetToDefault(Definition& definition);
    // Writes the controls into the reader type byte and the reader block of
    // the current mode; every bit the page does not edit stays.
    void apply(Definition& definition) const;

    ReaderMode mode() const { return readerMode(readerType_); }
    ListEntries readerList() const { return readerEntries(strings_, family_); }
    int readerPosition() const { return tessel::readerPosition(readerType_, family_); }

    // The RFID reader box exists for the 4760 only; its "more..." follows it.
    bool rfidAvailable() const;
    bool rfid() const { return rfid_; }
    void setRfid(bool on) { rfid_ = on && rfidAvailable(); }

    // The reader settings: scan mode and read redundancy in 1D mode, LED
    // illumination and aimer pattern in 2D mode, and the time-out.
    std::string scanSettingLabel(int row) const;  // rows 0..3: first list, second list, time-out, unit
    ListEntries firstList() const;
    ListEntries secondList() const;
    int firstChoice() const { return static_cast<int>(first_); }
    int secondChoice() const { return static_cast<int>(second_); }
    void setFirstChoice(int index) { first_ = static_cast<unsigned>(index); }
    void setSecondChoice(int index) { second_ = static_cast<unsigned>(index); }
    bool settingsEnabled() const { return mode() == ReaderMode::OneD; }
    std::string timeoutText() const { return std::to_string(timeout_); }
    int timeoutDigits() const;
    // Each returns the text the edit must show.
    std::string setTimeout(std::string_view text);
    bool aimEnabled() const { return mode() == ReaderMode::LongRange; }
    std::string aimText() const { return std::to_string(aim_); }
    std::string setAimDuration(std::string_view text);

    std::string boxLabel(std::size_t box) const;
    bool boxShown(std::size_t box) const { return box != kBoxQrCode || isTwoD(mode()); }
    bool boxEnabled(std::size_t box) const { return boxEnabled_[box]; }
    bool boxChecked(std::size_t box) const { return checked_[box]; }
    // Ticks a box and follows its enabling rules (Code 128 enables EAN128 in
    // 1D mode, EAN13 enables Bookland EAN in 2D mode).
    void setBox(std::size_t box, bool on);
    // The "more..." button beside a box, which opens its option dialog.
    bool moreShown(std::size_t box) const;
    bool moreEnabled(std::size_t box) const;

private:
    const BlockBits& boxBits(std::size_t box) const;
    void loadEnabling();

    const Strings& strings_;
    int family_;
    Byte readerType_ = 0;
    bool rfid_ = false;
    unsigned first_ = 0;
    unsigned second_ = 0;
    unsigned timeout_ = 0;
    unsigned aim_ = 0;
    std::array<bool, kSymbologyBoxes> checked_{};
    std::array<bool, kSymbologyBoxes> boxEnabled_{};
};

}  // namespace tessel
