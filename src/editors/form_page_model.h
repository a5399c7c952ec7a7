#pragma once
// The Form page's rules over its working copy of the forms. The page widget
// forwards every user change here and shows what the model then holds.
#include <string>
#include <string_view>

#include "core/definition.h"
#include "editors/field_types.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;
struct Project;

class FormPageModel {
public:
    explicit FormPageModel(const Strings& strings) : strings_(strings) {}

    // Copies the definition's forms into the working copy and shows form 1.
    void load(const FormTable& forms);

    // Cleans up the working copy, copies it back whole into the project, marks
    // the project modified and normalises the stored forms.
    void accept(Project& project);
    // The forms as accept would store them, the working copy left as it is.
    FormTable formsAsAccepted() const;

    const FormTable& workingCopy() const { return forms_; }
    std::size_t currentForm() const { return current_; }
    FormRecord& form() { return forms_[current_]; }
    const FormRecord& form() const { return forms_[current_]; }

    // Shows another form; every row's link list is rebuilt for it.
    void selectForm(std::size_t index);

    void setEscTarget(int value) { form().escTarget = static_cast<Byte>(value); }
    void setNextTarget(int value) { form().nextTarget = static_cast<Byte>(value); }
    void setErrorAction(int value) { form().errorAction = static_cast<Byte>(value); }
    void setRecordAction(int value) { form().recordAction = static_cast<Byte>(value); }
    // Chooses the form's lookup file; every row's link list is rebuilt.
    void setFormLookup(int value);

    void setFieldType(std::size_t field, int type);
    void setInputSource(std::size_t field, int value) { form().inputSource[field] = static_cast<Byte>(value); }
    void setFieldLink(std::size_t field, int value) { form().fieldLink[field] = static_cast<Byte>(value); }
    // Each returns the text the edit must show (UTF-8), corrected in place.
    std::string setPrompt(std::size_t field, std::string_view text);
    std::string setMinLength(std::size_t field, std::string_view text);
    std::string setMaxLength(std::size_t field, std::string_view text);

    RowEnabling enabling(std::size_t field) const;
    ListEntries linkEntries(std::size_t field) const;
    // "Lookup" when the form has a lookup file, else "Variables".
    bool linksAreLookupColumns() const { return form().formLookup != 0; }
    std::string prompt(std::size_t field) const;

private:
    void rebuildLinks(std::size_t field);
    std::string setLength(Bytes<kFieldsPerForm>& lengths, std::size_t field, std::string_view text);

    const Strings& strings_;
    FormTable forms_{};
    std::size_t current_ = 0;
};

}  // namespace tessel
