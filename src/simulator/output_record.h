#pragma once
// The output record that a completed form builds when it passes its data
// down: the fields' texts with delimiters, prefixes, suffixes and fixed
// lengths, and the date/time stamp.
#include <array>
#include <string>

#include "core/records/form_record.h"
#include "simulator/clock.h"

namespace tessel::sim {

// The record holds at most this many characters; appending stops there.
inline constexpr std::size_t kOutputRecordLimit = 404;

struct Delimiters {
    Byte first = 0;   // 0 = none
    Byte second = 0;  // 0 = none
};

// `inputs` are the input texts of the form's eight lines.
std::string buildOutputRecord(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs,
                              Delimiters delimiters, const LocalTime& now);

}  // namespace tessel::sim
