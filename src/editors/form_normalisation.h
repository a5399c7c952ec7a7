#pragma once
// What the Form page does to the forms when the editor sheet is accepted: it
// clears the properties of fields that cannot use them, then normalises the
// stored forms so that the terminal always receives consistent fields.
#include "core/definition.h"

namespace tessel {

// On the page's working copy: fields of type none, 9..13, and lookup fields
// that do not save their data lose their fixed length, initial value, prefix,
// suffix and input mark.
void cleanupFieldsOnAccept(FormTable& forms);

// On the definition's forms, two passes: lengths in range and links only where
// a link means something; then unused lines reset to their defaults and each
// extension line given the share of its field's maximum length that runs on
// to it.
void normaliseForms(FormTable& forms);

}  // namespace tessel
