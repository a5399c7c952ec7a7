#include "editors/form_normalisation.h"

#include <algorithm>

#include "editors/field_types.h"

namespace tessel {
namespace {

constexpr Byte kDefaultPartialLength = 20;
constexpr Byte kDefaultAutoEnter = 1;

template <std::size_t N>
void clear(Bytes<N>& slot) {
    slot.fill(0);
}

bool withoutProperties(const FormRecord& form, std::size_t f) {
    const int type = form.fieldType[f];
    if (type == kFieldLookup) return form.initialValueOn[f] == 0;
    return type == kFieldNone || (type >= kFieldPrompt && type <= kFieldPause);
}

void lengthsAndLinks(FormRecord& form) {
    for (std::size_t f = 0; f < kFieldsPerForm; ++f) {
        form.maxLength[f] = std::min(form.maxLength[f], kMaxDataLength);
        form.minLength[f] = std::min(form.minLength[f], form.maxLength[f]);
        const int type = form.fieldType[f];
        if (type >= kFieldFixedData && type <= kFieldPause) form.fieldLink[f] = 0;
        if (type == kFieldNone || type == kFieldExtension) {
            clear(form.fieldPrompt[f]);
            form.fieldLink[f] = 0;
        }
    }
}

void resetUnusedLine(FormRecord& form, std::size_t f) {
    form.fieldLink[f] = 0;
    clear(form.fieldPrompt[f]);
    form.inputSource[f] = kSourceBoth;
    form.minLength[f] = 0;
    form.fixedLengthOn[f] = 0;
    form.alignment[f] = 0;
    form.fixedLength[f] = 0;
    form.initialValueOn[f] = 0;
    clear(form.initialValue[f]);
    clear(form.prefix[f]);
    clear(form.suffix[f]);
    clear(form.leadingCode[f]);
    form.prefixOn[f] = 0;
    form.suffixOn[f] = 0;
    form.partialOn[f] = 0;
    form.partialStart[f] = 0;
    form.leadingCodeOn[f] = 0;
    form.partialLength[f] = kDefaultPartialLength;
    form.fieldReserve[f][0] = 0;
    if (form.fieldType[f] == kFieldNone) {
        form.maxLength[f] = kMaxDataLength;
        form.autoEnter[f] = kDefaultAutoEnter;
        form.inputMark[f] = 0;
    }
}

// The prompt and data of field `f` run on over the extension lines after it,
// 20 characters a line. Returns the first field after those lines.
std::size_t runOnExtensionLines(FormRecord& form, std::size_t f) {
    const int promptLength = static_cast<int>(cellText(form.fieldPrompt[f]).size());
    std::size_t next = f + 1;
    for (int line = 1; next < kFieldsPerForm && form.fieldType[next] == kFieldExtension; ++line, ++next) {
        const int share = promptLength + form.maxLength[f] - static_cast<int>(kLineChars) * line;
        form.maxLength[next] = static_cast<Byte>(std::max(share, 0));
        form.autoEnter[next] = form.autoEnter[f];
        form.inputMark[next] = form.inputMark[f];
    }
    return next;
}

void linesAndExtensions(FormRecord& form) {
    std::size_t f = 0;
    while (f < kFieldsPerForm) {
        form.fieldPrompt[f][kLineChars] = 0;
        const int type = form.fieldType[f];
        if (type == kFieldNone || type == kFieldExtension) resetUnusedLine(form, f);
        f = collectsData(type) ? runOnExtensionLines(form, f) : f + 1;
    }
}

}  // namespace

void cleanupFieldsOnAccept(FormTable& forms) {
    for (auto& form : forms) {
        for (std::size_t f = 0; f < kFieldsPerForm; ++f) {
            if (!withoutProperties(form, f)) continue;
            form.inputMark[f] = 0;
            clear(form.suffix[f]);
            form.suffixOn[f] = 0;
            clear(form.prefix[f]);
            form.prefixOn[f] = 0;
            form.alignment[f] = 0;
            form.fixedLength[f] = 0;
            form.fixedLengthOn[f] = 0;
            clear(form.initialValue[f]);
        }
    }
}

void normaliseForms(FormTable& forms) {
    for (auto& form : forms) lengthsAndLinks(form);
    for (auto& form : forms) linesAndExtensions(form);
}

}  // namespace tessel
