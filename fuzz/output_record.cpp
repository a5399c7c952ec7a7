// The output-record builder on any form and inputs, against a reference
// that builds the whole record without a limit and cuts it at the end:
// appending stops at the limit, so both must agree byte for byte.
#include <fuzzer/FuzzedDataProvider.h>

#include "core/records/field_type.h"
#include "fuzz_check.h"
#include "simulator/output_record.h"

using namespace tessel;
using namespace tessel::sim;

namespace {

std::string shortText(const Bytes<10>& cell) { return std::string(cellText(cell).substr(0, 9)); }

std::string digits(int value, int count) {
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, count - static_cast<int>(text.size()))), '0') + text;
}

std::string referenceRecord(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs,
                            Delimiters delimiters, const LocalTime& now) {
    std::string record;
    const auto delimit = [&] {
        if (record.empty()) return;
        if (delimiters.first) record += static_cast<char>(delimiters.first);
        if (delimiters.second) record += static_cast<char>(delimiters.second);
    };
    const auto parts = [&](std::vector<std::pair<bool, std::string>> list, bool separatorOn, Byte separator) {
        bool any = false;
        for (const auto& [on, text] : list) {
            if (!on) continue;
            if (any && separatorOn && separator) record += static_cast<char>(separator);
            record += text;
            any = true;
        }
    };
    const auto stamp = [&] {
        delimit();
        const std::pair<bool, std::string> year{form.stampYear != 0, form.stampYearDigits == 1
                                                                         ? digits(now.year % 100, 2)
                                                                         : digits(now.year % 10000, 4)};
        const std::pair<bool, std::string> month{form.stampMonth != 0, digits(now.month, 2)};
        const std::pair<bool, std::string> day{form.stampDay != 0, digits(now.day, 2)};
        const bool dateSeparatorOn = form.stampDateSeparatorOn != 0;
        if (form.stampDateStyle == 1)
            parts({month, day, year}, dateSeparatorOn, form.stampDateSeparator[0]);
        else if (form.stampDateStyle == 2)
            parts({day, month, year}, dateSeparatorOn, form.stampDateSeparator[0]);
        else
            parts({year, month, day}, dateSeparatorOn, form.stampDateSeparator[0]);
        if (form.stampSplit) delimit();
        parts({{form.stampHour != 0, digits(now.hour, 2)},
               {form.stampMinute != 0, digits(now.minute, 2)},
               {form.stampSecond != 0, digits(now.second, 2)}},
              form.stampTimeSeparatorOn != 0, form.stampTimeSeparator[0]);
    };

    if (form.stampPosition == 1) stamp();
    for (std::size_t i = 0; i < kFieldsPerForm; ++i) {
        const int type = form.fieldType[i];
        if (type < 1 || type > 8 || (type == kFieldLookup && !form.initialValueOn[i])) continue;
        std::string text = type == kFieldFixedData ? std::string(cellText(form.fieldPrompt[i]).substr(0, 20))
                                                   : inputs[i];
        for (std::size_t j = i + 1; j < kFieldsPerForm && form.fieldType[j] == kFieldExtension; ++j) text += inputs[j];
        delimit();
        if (form.prefixOn[i]) record += shortText(form.prefix[i]);
        if (form.fixedLengthOn[i]) {
            const std::size_t n = form.fixedLength[i];
            const Byte alignment = form.alignment[i];
            if (text.size() >= n) {
                text.resize(n);
            } else {
                const std::string padding(n - text.size(), alignment >= 2 && alignment <= 3 ? '0' : ' ');
                text = alignment == 1 || alignment == 3 ? padding + text : text + padding;
            }
        }
        record += text;
        if (form.suffixOn[i]) record += shortText(form.suffix[i]);
    }
    if (form.stampPosition == 2) stamp();
    return record.substr(0, kOutputRecordLimit);
}

template <std::size_t N>
void fill(FuzzedDataProvider& input, Bytes<N>& cell) {
    for (auto& b : cell) b = input.ConsumeIntegral<Byte>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FormRecord form{};
    const auto flag = [&] { return static_cast<Byte>(input.ConsumeIntegralInRange(0, 2)); };
    form.stampPosition = flag();
    form.stampSplit = flag();
    form.stampYear = flag();
    form.stampYearDigits = flag();
    form.stampMonth = flag();
    form.stampDay = flag();
    form.stampDateSeparatorOn = flag();
    fill(input, form.stampDateSeparator);
    form.stampDateStyle = static_cast<Byte>(input.ConsumeIntegralInRange(0, 3));
    form.stampHour = flag();
    form.stampMinute = flag();
    form.stampSecond = flag();
    form.stampTimeSeparatorOn = flag();
    fill(input, form.stampTimeSeparator);
    for (std::size_t i = 0; i < kFieldsPerForm; ++i) {
        form.fieldType[i] = static_cast<Byte>(input.ConsumeIntegralInRange(0, 19));
        form.initialValueOn[i] = flag();
        form.prefixOn[i] = flag();
        form.suffixOn[i] = flag();
        form.fixedLengthOn[i] = flag();
        form.fixedLength[i] = input.ConsumeIntegral<Byte>();
        form.alignment[i] = static_cast<Byte>(input.ConsumeIntegralInRange(0, 4));
        fill(input, form.prefix[i]);
        fill(input, form.suffix[i]);
        setCellText(form.fieldPrompt[i], input.ConsumeRandomLengthString(24));
    }
    const Delimiters delimiters{input.ConsumeIntegral<Byte>(), input.ConsumeIntegral<Byte>()};
    const LocalTime now{input.ConsumeIntegralInRange(1970, 2199), input.ConsumeIntegralInRange(1, 12),
                        input.ConsumeIntegralInRange(1, 28),      input.ConsumeIntegralInRange(0, 23),
                        input.ConsumeIntegralInRange(0, 59),      input.ConsumeIntegralInRange(0, 59)};
    std::array<std::string, kFieldsPerForm> inputs;
    for (auto& text : inputs) text = input.ConsumeRandomLengthString(170);

    const std::string built = buildOutputRecord(form, inputs, delimiters, now);
    fuzz::require(built.size() <= kOutputRecordLimit, "the output record runs over its limit");
    fuzz::require(built == referenceRecord(form, inputs, delimiters, now), "the output record differs from the reference");
    return 0;
}
