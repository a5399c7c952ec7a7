#pragma once
// The Lookup page's rules over its working copy of the three lookup records:
// the number boxes, the layout radios, the no-match list that follows "Only
// read data once", and the delimited layout computed on accept. The page
// widget forwards every user change here and shows what the model then holds.
#include <optional>
#include <string>
#include <string_view>

#include "core/defaults.h"
#include "core/definition.h"
#include "core/working_texts.h"
#include "editors/form_lists.h"

namespace tessel {

class MessageService;
class Strings;
struct Project;

// The calculator line, in the default texts and in `settings`, names its
// entry's place in the utilities screen, which has one more entry while a
// lookup is in use.
void renumberCalculatorLines(DefaultTexts& defaults, SystemSettings& settings, bool lookupInUse);

// Offsets and record length of a delimited lookup: one delimiter between
// columns. Values are not cut to a byte, so that an overflow can be told.
struct DelimitedLayout {
    std::array<unsigned, kColumnsPerLookup> offsets{};
    unsigned recordLength = 0;

    bool fitsInBytes() const;
};
DelimitedLayout delimitedLayout(const LookupRecord& lookup);

// How the note on delimiters is drawn: as a warning while the lookup uses
// fixed-length columns, greyed while it uses a delimiter.
enum class DelimiterNote { Warning, Grey };

class LookupPageModel {
public:
    LookupPageModel(const Strings& strings, MessageService& messages) : strings_(strings), messages_(messages) {}

    static ListEntries nameEntries(const Strings& strings);
    static ListEntries columnCountEntries();
    static ListEntries badFormatEntries(const Strings& strings);
    // All six actions, each at the index of its stored value.
    static ListEntries noMatchActionEntries(const Strings& strings);
    // All six actions, or only the two that insert while data is read once.
    ListEntries noMatchEntries() const;
    int noMatchIndex() const;

    // Copies the lookups and shows lookup 1; the family decides the SD card.
    void load(const LookupTable& lookups, int family);
    // The first delimited lookup whose layout would pass what its bytes hold,
    // which keeps the sheet from being accepted.
    std::optional<std::size_t> lookupPastItsBytes() const;
    // "Invalid value!", for a refused delimiter or a layout past its bytes.
    void warnInvalidValue() const;
    // Once no lookup is past its bytes: lays out the delimited lookups, copies all three
    // back and renumbers the calculator line.
    // The Startup page's working texts carry the calculator line too.
    void accept(Project& project, WorkingTexts& startupTexts) const;

    const LookupTable& workingCopy() const { return lookups_; }
    std::size_t currentLookup() const { return current_; }
    const LookupRecord& lookup() const { return lookups_[current_]; }

    bool delimited() const { return delimited_; }
    DelimiterNote note() const { return delimited_ ? DelimiterNote::Grey : DelimiterNote::Warning; }
    const char* lengthHeading() const { return delimited_ ? "Max Length" : "   Length"; }
    bool memberLengthEnabled() const { return !delimited_; }
    bool delimiterBoxEnabled() const { return delimited_; }
    bool columnEnabled(std::size_t column) const { return column < lookup().columnCount; }
    bool offsetEnabled(std::size_t column) const { return !delimited_ && columnEnabled(column); }
    bool sdCardShown() const { return sdCardShown_; }

    void selectLookup(std::size_t index);
    void chooseFixedLength();
    void chooseDelimiter();
    void setColumnCount(int count) { edited().columnCount = static_cast<Byte>(count); }
    void setKeyColumn(std::size_t column) { edited().keyColumn = static_cast<Byte>(column); }
    void setReadOnce(bool on);
    void setNoMatchIndex(int index);
    void setBadFormatAction(int index) { edited().badFormatAction = static_cast<Byte>(index); }
    void setUploadable(bool on) { edited().uploadable = on ? 1 : 0; }
    void setNegativeRemains(bool on) { edited().negativeRemains = on ? 1 : 0; }
    void setDeleteIfNull(bool on) { edited().deleteIfNull = on ? 1 : 0; }
    void setOnSdCard(bool on) { edited().onSdCard = on ? 1 : 0; }
    // Every lookup back to empty fixed-length columns; lookup 1 shown.
    void reset();

    // Each returns the text the box must show, corrected in place.
    std::string setRecordLength(std::string_view text);
    std::string setOffset(std::size_t column, std::string_view text);
    std::string setLength(std::size_t column, std::string_view text);
    // A carriage return ends every record, so it cannot part columns: 13 is
    // refused with a message and the box shows the stored delimiter again.
    std::string setDelimiter(std::string_view text);
    std::string delimiterText() const { return std::to_string(delimiterBox_); }

private:
    LookupRecord& edited() { return lookups_[current_]; }

    const Strings& strings_;
    MessageService& messages_;
    LookupTable lookups_{};
    std::size_t current_ = 0;
    bool delimited_ = false;
    bool sdCardShown_ = true;
    // The delimiter box keeps its number while fixed length is chosen, and
    // choosing "Delimiter " takes it up again.
    unsigned delimiterBox_ = 0;
};

}  // namespace tessel
