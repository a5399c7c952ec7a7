#pragma once
// The application definition: the whole design of one terminal application as
// ten fixed-size blocks, in the order the project file stores them.
#include <array>
#include <cstddef>

#include "core/bytes.h"
#include "core/records/form_record.h"
#include "core/records/lookup_record.h"
#include "core/records/menu_record.h"
#include "core/records/reader_settings.h"
#include "core/records/rfid_block.h"
#include "core/records/symbology_block.h"
#include "core/records/system_settings.h"
#include "core/records/terminal_texts.h"
#include "core/records/weight_code_block.h"

namespace tessel {

inline constexpr std::size_t kFormCount = 10;
inline constexpr std::size_t kMenuCount = 10;
inline constexpr std::size_t kLookupCount = 3;

using MenuTable = std::array<MenuRecord, kMenuCount>;
using FormTable = std::array<FormRecord, kFormCount>;
using LookupTable = std::array<LookupRecord, kLookupCount>;

struct Definition {
    Word16 headerWord;  // carried through load and save; nothing else reads it
    SymbologyBlock symbology;
    MenuTable menus;
    FormTable forms;
    LookupTable lookups;
    TerminalTexts texts;
    ReaderSettings reader;
    RfidBlock rfid;
    SystemSettings settings;
    WeightCodeBlock weightCode;
};

static_assert(offsetof(Definition, symbology) == 2);
static_assert(offsetof(Definition, menus) == 25);
static_assert(offsetof(Definition, forms) == 3525);
static_assert(offsetof(Definition, lookups) == 15675);
static_assert(offsetof(Definition, texts) == 16041);
static_assert(offsetof(Definition, reader) == 18834);
static_assert(offsetof(Definition, rfid) == 18879);
static_assert(offsetof(Definition, settings) == 18889);
static_assert(offsetof(Definition, weightCode) == 19157);
static_assert(sizeof(Definition) == 19169);

// A lookup is in use when its record length and column count are both set.
bool anyLookupInUse(const Definition& definition);

// The first character of the calculator line names the calculator's entry in
// the utilities screen: '9' behind the lookup entry when a lookup is in use,
// else '8'. Only a line that starts with a digit is renumbered.
void applyCalculatorDigit(SystemSettings& settings, bool lookupInUse);
// The same rule on a calculator line held elsewhere.
void applyCalculatorDigit(TextCell& calculatorLine, bool lookupInUse);

}  // namespace tessel
