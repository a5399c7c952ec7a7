#include "editors/form_page_model.h"

#include "core/project.h"
#include "core/strings.h"
#include "core/text_encoding.h"
#include "editors/form_normalisation.h"
#include "editors/number_text.h"
#include "editors/typed_text.h"

namespace tessel {
namespace {

// The properties that stop meaning anything when a field changes kind.
void resetFieldProperties(FormRecord& form, std::size_t f) {
    form.fixedLengthOn[f] = 0;
    form.alignment[f] = 0;
    form.fixedLength[f] = 0;
    form.initialValueOn[f] = 0;
    form.initialValue[f].fill(0);
    form.prefixOn[f] = 0;
    form.prefix[f].fill(0);
    form.suffixOn[f] = 0;
    form.suffix[f].fill(0);
    form.inputMark[f] = 0;
    form.checkDigit[f] = 0;
}

}  // namespace

void FormPageModel::load(const FormTable& forms) {
    forms_ = forms;
    selectForm(0);
}

void FormPageModel::accept(Project& project) {
    cleanupFieldsOnAccept(forms_);
    project.definition.forms = forms_;
    normaliseForms(project.definition.forms);
}

void FormPageModel::selectForm(std::size_t index) {
    current_ = index < kFormCount ? index : 0;
    for (std::size_t f = 0; f < kFieldsPerForm; ++f) rebuildLinks(f);
}

void FormPageModel::setFormLookup(int value) {
    form().formLookup = static_cast<Byte>(value);
    for (std::size_t f = 0; f < kFieldsPerForm; ++f) rebuildLinks(f);
}

void FormPageModel::setFieldType(std::size_t field, int type) {
    FormRecord& record = form();
    const int oldType = record.fieldType[field];
    if (typeChangeResetsProperties(oldType, type)) resetFieldProperties(record, field);
    record.fieldType[field] = static_cast<Byte>(type);
    if (type == kFieldPause) record.inputSource[field] = kSourceKeypad;
    if (type == kFieldBoolean) {
        record.minLength[field] = 1;
        record.maxLength[field] = 1;
    }
    rebuildLinks(field);
}

std::string FormPageModel::setPrompt(std::size_t field, std::string_view text) {
    return storeTypedText(form().fieldPrompt[field], text);
}

std::string FormPageModel::setMinLength(std::size_t field, std::string_view text) {
    return setLength(form().minLength, field, text);
}

std::string FormPageModel::setMaxLength(std::size_t field, std::string_view text) {
    return setLength(form().maxLength, field, text);
}

std::string FormPageModel::setLength(Bytes<kFieldsPerForm>& lengths, std::size_t field, std::string_view text) {
    auto corrected = correctNumber(text, kMaxDataLength);
    // A boolean holds one character, whatever was typed.
    lengths[field] = form().fieldType[field] == kFieldBoolean ? 1 : static_cast<Byte>(corrected.value);
    return corrected.text;
}

RowEnabling FormPageModel::enabling(std::size_t field) const {
    return rowEnabling(form().fieldType[field], linksAreLookupColumns());
}

ListEntries FormPageModel::linkEntries(std::size_t field) const {
    return fieldLinkEntries(strings_, form().formLookup, form().fieldType[field]);
}

std::string FormPageModel::prompt(std::size_t field) const { return cp1251ToUtf8(cellText(form().fieldPrompt[field])); }

void FormPageModel::rebuildLinks(std::size_t field) {
    FormRecord& record = form();
    const int folded = foldedFieldLink(record.formLookup, record.fieldType[field], record.fieldLink[field]);
    record.fieldLink[field] = static_cast<Byte>(folded);
}

}  // namespace tessel
