#include "editors/ui/form_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project.h"
#include "editors/ui/branch_dialog.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/edit_notice.h"
#include "editors/ui/field_properties_dialog.h"
#include "editors/ui/lookup_field_properties_dialog.h"
#include "editors/ui/printer_dialog.h"
#include "editors/ui/stamp_dialog.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

// The simulator re-shows what it was showing once the forms have changed.
constexpr int kFormsChangedKey = 51;
constexpr int kLengthDigits = 3;

std::string numbered(const char* stem, std::size_t field) { return stem + std::to_string(field + 1); }

}  // namespace

FormPage::FormPage(Project& project, const Strings& strings, MessageService& messages, SendKey sendKey, QWidget* parent)
    : QWidget(parent),
      project_(project),
      strings_(strings),
      messages_(messages),
      sendKey_(std::move(sendKey)),
      model_(strings) {
    setObjectName("FORMDLG");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFormControls());
    layout->addWidget(buildFieldRows());
    layout->addStretch();
    noticeEdits(this, [this] { workingCopyChanged(); });
}

template <typename Dialog, typename... Args>
void FormPage::runDialog(Args&&... args) {
    Dialog dialog(std::forward<Args>(args)..., this);
    dialog.exec();
    showForm();
}

void FormPage::load() {
    model_.load(project_.definition.forms);
    showForm();
}

bool FormPage::hasChanges() const { return !sameBytes(model_.workingCopy(), project_.definition.forms); }

void FormPage::accept() {
    model_.accept(project_);
    if (sendKey_) sendKey_(kFormsChangedKey);
}

PreviewSubject FormPage::previewSubject() const { return {PreviewSubject::Kind::Form, model_.currentForm()}; }

void FormPage::writePreview(Definition& preview) const { preview.forms = model_.formsAsAccepted(); }

void FormPage::showPlace(int index, int element) {
    if (index >= 0 && static_cast<std::size_t>(index) < kFormCount) name_->setCurrentIndex(index);
    if (element < 0 || static_cast<std::size_t>(element) >= kFieldsPerForm) return;
    const FieldRow& row = rows_[static_cast<std::size_t>(element)];
    if (row.prompt->isEnabled()) {
        row.prompt->setFocus();
    } else {
        row.type->setFocus();
    }
}

QWidget* FormPage::buildFormControls() {
    auto* box = new QWidget(this);
    name_ = newList(box, "formName", formNameEntries(strings_), 0);
    esc_ = newList(box, "escTarget", targetEntries(strings_), 0);
    next_ = newList(box, "nextTarget", nextTargetEntries(strings_), 0);
    errorAction_ = newList(box, "errorAction", errorActionEntries(strings_), 0);
    lookup_ = newList(box, "formLookup", formLookupEntries(strings_), 0);
    record_ = newList(box, "recordAction", recordActionEntries(strings_), 0);
    connect(name_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.selectForm(static_cast<std::size_t>(i));
        showForm();
    });
    connect(esc_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setEscTarget(i); });
    connect(next_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setNextTarget(i); });
    connect(errorAction_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setErrorAction(i); });
    connect(record_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setRecordAction(i); });
    connect(lookup_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setFormLookup(i);
        showForm();
    });

    auto* stamp = new QPushButton(tr("Time Stamp"), box);
    stamp->setObjectName("timeStampButton");
    connect(stamp, &QPushButton::clicked, this, [this] { runDialog<StampDialog>(model_.form(), strings_); });
    auto* branch = new QPushButton(tr("Branch"), box);
    branch->setObjectName("branchButton");
    connect(branch, &QPushButton::clicked, this, [this] { runDialog<BranchDialog>(model_.form(), strings_); });
    auto* print = new QPushButton(tr("Print Label"), box);
    print->setObjectName("printLabelButton");
    connect(print, &QPushButton::clicked, this, [this] {
        runDialog<PrinterDialog>(model_.form(), project_.definition.settings, strings_);
        // The Bluetooth print mode belongs to the whole application and is stored at once.
        wroteAtOnce(tr("Print Mode").toStdString());
    });

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QWidget*> labelled[] = {
        {QT_TR_NOOP("Name :"), name_},     {QT_TR_NOOP("Esc  :"), esc_},
        {QT_TR_NOOP("Next :"), next_},     {QT_TR_NOOP("Lookup :"), lookup_},
        {QT_TR_NOOP("Record :"), record_}, {QT_TR_NOOP("if an error occured :"), errorAction_},
    };
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(tr(labelled[i].first), box), i % 3, (i / 3) * 2);
        grid->addWidget(labelled[i].second, i % 3, (i / 3) * 2 + 1);
    }
    grid->addWidget(stamp, 0, 4);
    grid->addWidget(branch, 1, 4);
    grid->addWidget(print, 2, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* FormPage::buildFieldRows() {
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    linkHeading_ = new QLabel(group);
    linkHeading_->setObjectName("linkHeading");
    const char* headings[] = {QT_TR_NOOP("Data type"), QT_TR_NOOP("Prompt"), QT_TR_NOOP("Input source"),
                              QT_TR_NOOP("Min length"), QT_TR_NOOP("Max length")};
    for (int column = 1; column < 6; ++column) grid->addWidget(new QLabel(tr(headings[column - 1]), group), 0, column);
    grid->addWidget(linkHeading_, 0, 6);
    for (std::size_t f = 0; f < kFieldsPerForm; ++f) {
        rows_[f] = buildRow(group, f);
        const int row = static_cast<int>(f) + 1;
        const FieldRow& r = rows_[f];
        grid->addWidget(new QLabel(toQString(numbered("#", f)), group), row, 0);
        QWidget* const cells[] = {r.type, r.prompt, r.source, r.minLength, r.maxLength, r.link, r.more};
        for (int column = 0; column < 7; ++column) grid->addWidget(cells[column], row, column + 1);
    }
    grid->setColumnStretch(2, 1);
    return group;
}

FormPage::FieldRow FormPage::buildRow(QWidget* parent, std::size_t field) {
    FieldRow row{};
    row.type = newList(parent, numbered("fieldType", field).c_str(), fieldTypeEntries(strings_), 0);
    row.prompt = newEdit(parent, numbered("fieldPrompt", field).c_str(), "", 0x7fff);
    row.source = newList(parent, numbered("inputSource", field).c_str(), inputSourceEntries(strings_), 0);
    row.minLength = newEdit(parent, numbered("minLength", field).c_str(), "", kLengthDigits);
    row.maxLength = newEdit(parent, numbered("maxLength", field).c_str(), "", kLengthDigits);
    row.link = newList(parent, numbered("fieldLink", field).c_str(), {}, -1);
    row.more = new QPushButton(tr("more..."), parent);
    row.more->setObjectName(toQString(numbered("more", field)));
    const int line = static_cast<int>(field) + 1;
    row.type->setAccessibleName(tr("Field %1, data type").arg(line));
    row.prompt->setAccessibleName(tr("Field %1, prompt").arg(line));
    row.source->setAccessibleName(tr("Field %1, input source").arg(line));
    row.minLength->setAccessibleName(tr("Field %1, min length").arg(line));
    row.maxLength->setAccessibleName(tr("Field %1, max length").arg(line));
    row.link->setAccessibleName(tr("Field %1, link").arg(line));
    row.more->setAccessibleName(tr("Field %1, more options").arg(line));
    row.prompt->setMinimumWidth(170);
    row.minLength->setMaximumWidth(48);
    row.maxLength->setMaximumWidth(48);

    connect(row.type, &QComboBox::currentIndexChanged, this, [this, field](int i) {
        model_.setFieldType(field, i);
        showRow(field);
    });
    connect(row.prompt, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        showCorrected(rows_[field].prompt, model_.setPrompt(field, toUtf8(text)));
    });
    connect(row.source, &QComboBox::currentIndexChanged, this,
            [this, field](int i) { model_.setInputSource(field, i); });
    connect(row.minLength, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        showCorrected(rows_[field].minLength, model_.setMinLength(field, toUtf8(text)));
    });
    connect(row.maxLength, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        showCorrected(rows_[field].maxLength, model_.setMaxLength(field, toUtf8(text)));
    });
    connect(row.link, &QComboBox::currentIndexChanged, this, [this, field](int i) {
        if (i >= 0) model_.setFieldLink(field, i);
    });
    connect(row.more, &QPushButton::clicked, this, [this, field] { openProperties(field); });
    return row;
}

void FormPage::showForm() {
    const FormRecord& form = model_.form();
    selectQuietly(name_, static_cast<int>(model_.currentForm()));
    selectQuietly(esc_, form.escTarget);
    selectQuietly(next_, form.nextTarget);
    selectQuietly(errorAction_, form.errorAction);
    selectQuietly(lookup_, form.formLookup);
    selectQuietly(record_, form.recordAction);
    linkHeading_->setText(model_.linksAreLookupColumns() ? tr("Lookup") : tr("Variables"));
    for (std::size_t f = 0; f < kFieldsPerForm; ++f) showRow(f);
}

void FormPage::showRow(std::size_t field) {
    const FormRecord& form = model_.form();
    const FieldRow& row = rows_[field];
    const RowEnabling enabled = model_.enabling(field);
    selectQuietly(row.type, form.fieldType[field]);
    showCorrected(row.prompt, model_.prompt(field));
    selectQuietly(row.source, form.inputSource[field]);
    showCorrected(row.minLength, std::to_string(form.minLength[field]));
    showCorrected(row.maxLength, std::to_string(form.maxLength[field]));
    fillList(row.link, model_.linkEntries(field), form.fieldLink[field]);
    row.prompt->setEnabled(enabled.prompt);
    row.more->setEnabled(enabled.more);
    row.source->setEnabled(enabled.inputSource);
    row.link->setEnabled(enabled.link);
    row.minLength->setEnabled(enabled.lengths);
    row.maxLength->setEnabled(enabled.lengths);
}

void FormPage::openProperties(std::size_t field) {
    const auto form = model_.currentForm();
    if (model_.form().fieldType[field] == kFieldLookup) {
        runDialog<LookupFieldPropertiesDialog>(model_.form(), form, field, strings_, messages_);
    } else {
        runDialog<FieldPropertiesDialog>(model_.form(), form, field, strings_, messages_);
    }
}

}  // namespace tessel
