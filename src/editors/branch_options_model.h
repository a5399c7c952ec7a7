#pragma once
// The settings of a function key that branches to Summation or to Remains.
// Both dialogs hold their choices and store them only on OK.
#include "editors/form_lists.h"

namespace tessel {

class Strings;
struct FormRecord;

// Field lists of both dialogs: "field 1".."field 8".
ListEntries branchFieldEntries(const Strings& strings);

// Sums a field over a lookup file or the data file, optionally multiplied by a
// second field.
class SummationModel {
public:
    SummationModel(FormRecord& form, std::size_t key);

    static ListEntries sourceEntries(const Strings& strings);

    int source = 0;           // 0..2 lookup file 1..3, 3 the data file
    int sumField = 0;         // field 0..7
    bool multiply = false;    // "And multiply by field:"
    int multiplierField = 0;  // field 0..7

    void accept();

private:
    FormRecord& form_;
    std::size_t key_;
};

// Shows the remains of a lookup field, optionally filtered by a variable.
class RemainsModel {
public:
    RemainsModel(FormRecord& form, std::size_t key);

    static ListEntries variableEntries(const Strings& strings);

    bool filterOn = false;  // "Enable"; the other settings are kept either way
    int variable = 0;       // variable 1..3 as 0..2
    int lookupField = 0;    // field 0..7
    bool filterIsSuffix = false;

    void accept();

private:
    FormRecord& form_;
    std::size_t key_;
};

}  // namespace tessel
