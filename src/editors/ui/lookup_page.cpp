#include "editors/ui/lookup_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/project.h"
#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr int kNumberDigits = 3;
const QColor kWarningColour(200, 20, 30);
const QColor kFallbackGrey(128, 128, 128);

std::string numbered(const char* stem, std::size_t column) { return stem + std::to_string(column + 1); }

QLineEdit* newNumberBox(QWidget* parent, const std::string& objectName) {
    QLineEdit* box = newEdit(parent, objectName.c_str(), "", kNumberDigits);
    box->setMaximumWidth(56);
    return box;
}

// Keeps a typed number box showing what the model corrected it to.
template <typename Set>
void bindNumberBox(QWidget* page, QLineEdit* box, Set set) {
    QObject::connect(box, &QLineEdit::textEdited, page,
                     [box, set](const QString& text) { showCorrected(box, set(toUtf8(text))); });
}

}  // namespace

LookupPage::LookupPage(Project& project, const Strings& strings, MessageService& messages,
                       std::shared_ptr<WorkingTexts> startupTexts, QWidget* parent)
    : QWidget(parent),
      project_(project),
      startupTexts_(std::move(startupTexts)),
      strings_(strings),
      model_(strings, messages) {
    setObjectName("LOOKUPDLG");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFormatControls());
    layout->addWidget(buildColumnRows());
    layout->addWidget(buildOptions());
    layout->addStretch();
}

void LookupPage::load() {
    model_.load(project_.definition.lookups, project_.family);
    onSdCard_->setVisible(model_.sdCardShown());
    showLookup();
}

void LookupPage::showPlace(int index, int) {
    if (index >= 0 && static_cast<std::size_t>(index) < kLookupCount) name_->setCurrentIndex(index);
}

bool LookupPage::mayAccept() const { return !model_.lookupPastItsBytes(); }

void LookupPage::explainRefusal() {
    if (const auto lookup = model_.lookupPastItsBytes()) name_->setCurrentIndex(static_cast<int>(*lookup));
    model_.warnInvalidValue();
}

void LookupPage::accept() { model_.accept(project_, *startupTexts_); }

bool LookupPage::hasChanges() const { return !sameBytes(model_.workingCopy(), project_.definition.lookups); }

QWidget* LookupPage::buildFormatControls() {
    auto* box = new QWidget(this);
    name_ = newList(box, "lookupName", LookupPageModel::nameEntries(strings_), 0);
    memberLength_ = newNumberBox(box, "memberLength");
    columnCount_ = newList(box, "columnCount", LookupPageModel::columnCountEntries(), 0);
    connect(name_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.selectLookup(static_cast<std::size_t>(i));
        showLookup();
    });
    bindNumberBox(this, memberLength_, [this](const std::string& text) { return model_.setRecordLength(text); });
    connect(columnCount_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setColumnCount(i);
        showEnabling();
    });

    auto* property = new QGroupBox(tr("Field property"), box);
    fixedLength_ = new QRadioButton(tr("Fixed length "), property);
    fixedLength_->setObjectName("fixedLength");
    delimiter_ = new QRadioButton(tr("Delimiter "), property);
    delimiter_->setObjectName("delimiter");
    delimiterCode_ = newNumberBox(property, "delimiterCode");
    delimiterCode_->setAccessibleName(tr("Delimiter code (ASCII)"));
    connect(fixedLength_, &QRadioButton::clicked, this, [this] {
        model_.chooseFixedLength();
        showLookup();
    });
    connect(delimiter_, &QRadioButton::clicked, this, [this] {
        model_.chooseDelimiter();
        showLookup();
    });
    bindNumberBox(this, delimiterCode_, [this](const std::string& text) { return model_.setDelimiter(text); });
    auto* radios = new QHBoxLayout(property);
    radios->addWidget(fixedLength_);
    radios->addSpacing(16);
    radios->addWidget(delimiter_);
    radios->addWidget(delimiterCode_);
    radios->addWidget(new QLabel(tr("(ASCII)"), property));
    radios->addStretch();

    note_ = new QLabel(toQString(strings_.utf8(269)), box);
    note_->setObjectName("delimiterNote");

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Name :"), box), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(tr("Member length :"), box), 1, 0);
    grid->addWidget(memberLength_, 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Number of fields :"), box), 2, 0);
    grid->addWidget(columnCount_, 2, 1, Qt::AlignLeft);
    grid->addWidget(property, 0, 2, 3, 1);
    grid->addWidget(note_, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* LookupPage::buildColumnRows() {
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    keys_ = new QButtonGroup(group);
    lengthHeading_ = new QLabel(group);
    lengthHeading_->setObjectName("lengthHeading");
    grid->addWidget(new QLabel(tr("Offset"), group), 0, 1);
    grid->addWidget(lengthHeading_, 0, 2);
    grid->addWidget(new QLabel(tr("Key field"), group), 0, 3);
    for (std::size_t column = 0; column < kColumnsPerLookup; ++column) {
        ColumnRow& row = rows_[column];
        row.offset = newNumberBox(group, numbered("offset", column));
        row.length = newNumberBox(group, numbered("length", column));
        row.key = new QRadioButton(group);
        row.key->setObjectName(toQString(numbered("key", column)));
        keys_->addButton(row.key, static_cast<int>(column));
        const int line = static_cast<int>(column) + 1;
        row.offset->setAccessibleName(tr("Field %1, offset").arg(line));
        row.length->setAccessibleName(tr("Field %1, length").arg(line));
        row.key->setAccessibleName(tr("Field %1, key field").arg(line));
        bindNumberBox(this, row.offset,
                      [this, column](const std::string& text) { return model_.setOffset(column, text); });
        bindNumberBox(this, row.length,
                      [this, column](const std::string& text) { return model_.setLength(column, text); });
        grid->addWidget(new QLabel(toQString(numbered("#", column)), group), line, 0);
        grid->addWidget(row.offset, line, 1);
        grid->addWidget(row.length, line, 2);
        grid->addWidget(row.key, line, 3, Qt::AlignHCenter);
    }
    connect(keys_, &QButtonGroup::idClicked, this,
            [this](int id) { model_.setKeyColumn(static_cast<std::size_t>(id)); });
    grid->setColumnStretch(4, 1);
    return group;
}

QCheckBox* LookupPage::newOption(QWidget* parent, const char* objectName, const QString& label,
                                 void (LookupPageModel::*set)(bool)) {
    QCheckBox* box = newCheckBox(parent, objectName, label, false);
    connect(box, &QCheckBox::toggled, this, [this, set](bool on) { (model_.*set)(on); });
    return box;
}

QWidget* LookupPage::buildOptions() {
    auto* box = new QWidget(this);
    readOnce_ = newCheckBox(box, "readOnce", tr("Only read data once"), false);
    connect(readOnce_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setReadOnce(on);
        fillList(noMatch_, model_.noMatchEntries(), model_.noMatchIndex());
    });
    uploadable_ = newOption(box, "uploadable", tr("Lookup data can be uploaded"), &LookupPageModel::setUploadable);
    negativeRemains_ =
        newOption(box, "negativeRemains", tr("Permit negative remains"), &LookupPageModel::setNegativeRemains);
    deleteIfNull_ = newOption(box, "deleteIfNull", tr("Delete if null value"), &LookupPageModel::setDeleteIfNull);
    onSdCard_ = newOption(box, "onSdCard", tr("Create lookup on SD-card"), &LookupPageModel::setOnSdCard);
    badFormat_ = newList(box, "badFormatAction", LookupPageModel::badFormatEntries(strings_), 0);
    noMatch_ = newList(box, "noMatchAction", {}, -1);
    connect(badFormat_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setBadFormatAction(i); });
    connect(noMatch_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setNoMatchIndex(i);
    });
    auto* reset = new QPushButton(tr("Reset"), box);
    reset->setObjectName("resetButton");
    connect(reset, &QPushButton::clicked, this, [this] {
        model_.reset();
        showLookup();
    });

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    QCheckBox* const boxes[] = {readOnce_, uploadable_, negativeRemains_, deleteIfNull_, onSdCard_};
    for (int i = 0; i < 5; ++i) grid->addWidget(boxes[i], i / 3, i % 3);
    grid->addWidget(new QLabel(tr("Action when the format of record is wrong :"), box), 2, 0, 1, 2);
    grid->addWidget(badFormat_, 2, 2);
    grid->addWidget(new QLabel(tr("Action when the input data has no match :"), box), 3, 0, 1, 2);
    grid->addWidget(noMatch_, 3, 2);
    grid->addWidget(reset, 3, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

void LookupPage::showLookup() {
    const LookupRecord& lookup = model_.lookup();
    selectQuietly(name_, static_cast<int>(model_.currentLookup()));
    showCorrected(memberLength_, std::to_string(lookup.recordLength));
    selectQuietly(columnCount_, lookup.columnCount);
    checkQuietly(fixedLength_, !model_.delimited());
    checkQuietly(delimiter_, model_.delimited());
    showCorrected(delimiterCode_, model_.delimiterText());
    // Not exclusive while set, so that a key outside the rows leaves none checked.
    keys_->setExclusive(false);
    for (std::size_t column = 0; column < kColumnsPerLookup; ++column) {
        showCorrected(rows_[column].offset, std::to_string(lookup.columnOffset[column]));
        showCorrected(rows_[column].length, std::to_string(lookup.columnLength[column]));
        checkQuietly(rows_[column].key, lookup.keyColumn == column);
    }
    keys_->setExclusive(true);
    checkQuietly(readOnce_, lookup.readOnce != 0);
    checkQuietly(uploadable_, lookup.uploadable != 0);
    checkQuietly(negativeRemains_, lookup.negativeRemains != 0);
    checkQuietly(deleteIfNull_, lookup.deleteIfNull != 0);
    checkQuietly(onSdCard_, lookup.onSdCard != 0);
    selectQuietly(badFormat_, lookup.badFormatAction);
    fillList(noMatch_, model_.noMatchEntries(), model_.noMatchIndex());
    showEnabling();
}

void LookupPage::showEnabling() {
    lengthHeading_->setText(model_.lengthHeading());
    memberLength_->setEnabled(model_.memberLengthEnabled());
    delimiterCode_->setEnabled(model_.delimiterBoxEnabled());
    for (std::size_t column = 0; column < kColumnsPerLookup; ++column) {
        rows_[column].offset->setEnabled(model_.offsetEnabled(column));
        rows_[column].length->setEnabled(model_.columnEnabled(column));
        rows_[column].key->setEnabled(model_.columnEnabled(column));
    }
    showNote();
}

void LookupPage::showNote() {
    QColor colour = kWarningColour;
    if (model_.note() == DelimiterNote::Grey) {
        colour = palette().color(QPalette::Disabled, QPalette::WindowText);
        if (!colour.isValid()) colour = kFallbackGrey;
    }
    QPalette shown = note_->palette();
    shown.setColor(QPalette::WindowText, colour);
    note_->setPalette(shown);
}

}  // namespace tessel
