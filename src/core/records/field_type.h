#pragma once
// The data type of a form field, the byte `fieldType` of a form record holds.

namespace tessel {

enum FieldType : int {
    kFieldNone = 0,
    kFieldText = 1,
    kFieldInteger = 2,
    kFieldReal = 3,
    kFieldLetter = 4,
    kFieldAuto = 5,  // auto(+/-)
    kFieldBoolean = 6,
    kFieldLookup = 7,
    kFieldFixedData = 8,
    kFieldPrompt = 9,
    kFieldCounter = 10,
    kFieldPassDown = 11,
    kFieldExtension = 12,  // continues the field before it on one more line
    kFieldPause = 13,
    kFieldAlphameric = 14,
    kFieldVariable1 = 15,
    kFieldVariable2 = 16,
    kFieldVariable3 = 17,
    kFieldCompare = 18,
};
inline constexpr int kFieldTypeCount = 19;

}  // namespace tessel
