#include "simulator/output_record.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "simulator/field_types.h"

namespace tessel::sim {
namespace {

constexpr std::size_t kShortTextChars = 9;  // prefix and suffix slots: 9 bytes and a zero

enum StampPosition : Byte { kStampBeforeFields = 1, kStampAfterFields = 2 };
enum Alignment : Byte { kSpacesAfter = 0, kSpacesBefore = 1, kZerosAfter = 2, kZerosBefore = 3 };
enum DateStyle : Byte { kYearMonthDay = 0, kMonthDayYear = 1, kDayMonthYear = 2 };

// Appends up to the record's limit and drops the rest.
class RecordText {
public:
    explicit RecordText(Delimiters delimiters) : delimiters_(delimiters) {}

    void append(std::string_view text) {
        const std::size_t room = kOutputRecordLimit - text_.size();
        text_ += text.substr(0, room);
    }
    void appendByte(Byte byte) {
        if (byte != 0) append(std::string_view(reinterpret_cast<const char*>(&byte), 1));
    }
    void appendDelimiters() {
        appendByte(delimiters_.first);
        appendByte(delimiters_.second);
    }
    void appendDelimitersUnlessEmpty() {
        if (!text_.empty()) appendDelimiters();
    }
    std::string take() { return std::move(text_); }

private:
    Delimiters delimiters_;
    std::string text_;
};

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
    return buffer;
}

std::string fourDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value % 10000);
    return buffer;
}

// Writes the enabled components in order, with the separator (when on)
// before each that follows one already written.
struct StampPart {
    Byte enabled;
    std::string text;
};

void appendStampParts(RecordText& record, std::initializer_list<StampPart> parts, Byte separatorOn, Byte separator) {
    bool written = false;
    for (const auto& part : parts) {
        if (!part.enabled) continue;
        if (written && separatorOn) record.appendByte(separator);
        record.append(part.text);
        written = true;
    }
}

void appendStamp(RecordText& record, const FormRecord& form, const LocalTime& now) {
    record.appendDelimitersUnlessEmpty();
    const bool twoDigitYear = form.stampYearDigits == 1;
    const StampPart year{form.stampYear, twoDigitYear ? twoDigits(now.year) : fourDigits(now.year)};
    const StampPart month{form.stampMonth, twoDigits(now.month)};
    const StampPart day{form.stampDay, twoDigits(now.day)};
    const Byte separatorOn = form.stampDateSeparatorOn;
    const Byte separator = form.stampDateSeparator[0];
    switch (form.stampDateStyle) {
        case kMonthDayYear: appendStampParts(record, {month, day, year}, separatorOn, separator); break;
        case kDayMonthYear: appendStampParts(record, {day, month, year}, separatorOn, separator); break;
        default: appendStampParts(record, {year, month, day}, separatorOn, separator); break;
    }
    if (form.stampSplit) record.appendDelimitersUnlessEmpty();
    appendStampParts(record,
                     {{form.stampHour, twoDigits(now.hour)},
                      {form.stampMinute, twoDigits(now.minute)},
                      {form.stampSecond, twoDigits(now.second)}},
                     form.stampTimeSeparatorOn, form.stampTimeSeparator[0]);
}

// The text padded or cut to exactly `length` characters.
std::string fixedLengthText(const std::string& text, std::size_t length, Byte alignment) {
    if (text.size() >= length) return text.substr(0, length);
    const bool before = alignment == kSpacesBefore || alignment == kZerosBefore;
    const char pad = alignment == kZerosAfter || alignment == kZerosBefore ? '0' : ' ';
    const std::string padding(length - text.size(), pad);
    return before ? padding + text : text + padding;
}

// A field's data: its input (or, for fixed data, its prompt) followed by the
// input of the extension lines directly below it.
std::string fieldData(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs, std::size_t i) {
    std::string data = form.fieldType[i] == kFieldFixedData
                           ? std::string(cellText(form.fieldPrompt[i]).substr(0, kLineChars))
                           : inputs[i];
    for (std::size_t j = i + 1; j < kFieldsPerForm && form.fieldType[j] == kFieldExtension; ++j) {
        data += inputs[j];
    }
    return data;
}

bool savedInRecord(const FormRecord& form, std::size_t i) {
    const int type = form.fieldType[i];
    if (type == kFieldLookup) return form.initialValueOn[i] != 0;  // a lookup field's "save field data"
    return type >= kFieldText && type <= kFieldFixedData;
}

}  // namespace

std::string buildOutputRecord(const FormRecord& form, const std::array<std::string, kFieldsPerForm>& inputs,
                              Delimiters delimiters, const LocalTime& now) {
    RecordText record(delimiters);
    if (form.stampPosition == kStampBeforeFields) appendStamp(record, form, now);
    for (std::size_t i = 0; i < kFieldsPerForm; ++i) {
        if (!savedInRecord(form, i)) continue;
        const std::string data = fieldData(form, inputs, i);
        record.appendDelimitersUnlessEmpty();
        if (form.prefixOn[i]) record.append(cellText(form.prefix[i]).substr(0, kShortTextChars));
        if (form.fixedLengthOn[i]) {
            record.append(fixedLengthText(data, form.fixedLength[i], form.alignment[i]));
        } else {
            record.append(data);
        }
        if (form.suffixOn[i]) record.append(cellText(form.suffix[i]).substr(0, kShortTextChars));
    }
    if (form.stampPosition == kStampAfterFields) appendStamp(record, form, now);
    return record.take();
}

}  // namespace tessel::sim
