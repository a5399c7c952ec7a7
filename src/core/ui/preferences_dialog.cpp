#include "core/ui/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/messages.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel::ui {
namespace {

constexpr int kDetectingResult = 40;
constexpr int kCradleConnected = 41;
constexpr int kCradleNotAvailable = 42;
constexpr int kNoPort = 1174;

QStringList listOf(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << QString::fromStdString(item);
    return list;
}

QComboBox* comboOf(const QString& name, const QStringList& items, int selected, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(selected);
    return combo;
}

}  // namespace

PreferencesDialog::PreferencesDialog(PreferencesForm& form, const Strings& strings, MessageService& messages,
                                     CradleDetector detect, QWidget* parent)
    : QDialog(parent), form_(form), strings_(strings), messages_(messages), detect_(std::move(detect)) {
    setObjectName("PreferencesDlg");
    setWindowTitle(tr("TESSEL/4130 Preferences"));
    buildControls();
    applyLanguageTexts();
    updateDetectButton();
}

void PreferencesDialog::buildControls() {
    const auto interfaces = listOf(form_.interfaceChoices(strings_));
    downloadVia_ = comboOf("downloadVia", interfaces, form_.downloadVia(), this);
    receiveVia_ = comboOf("receiveVia", interfaces, form_.receiveVia(), this);
    QStringList ports;
    for (const auto& entry : form_.ports()) ports << QString::fromStdString(entry.line);
    port_ = comboOf("port", ports, form_.selectedPortRow(), this);
    makePortTypable();
    detectButton_ = new QPushButton(tr("De&tect Cradle"), this);
    detectButton_->setObjectName("detectCradle");
    baudRate_ = comboOf("baudRate", listOf(PreferencesForm::baudRateChoices(strings_)), form_.baudRate(), this);
    autoPreload_ = new QCheckBox(tr("&Auto-preload the last editing file."), this);
    autoPreload_->setObjectName("autoPreload");
    autoPreload_->setChecked(form_.autoPreload());
    alwaysOnTop_ = new QCheckBox(tr("Always &on top."), this);
    alwaysOnTop_->setObjectName("alwaysOnTop");
    alwaysOnTop_->setChecked(form_.alwaysOnTop());
    language_ = comboOf("language", listOf(form_.languageChoices()), form_.selectedLanguageRow(), this);
    languageLabel_ = new QLabel(tr("&Language :"), this);
    languageLabel_->setBuddy(language_);
    language_->setEnabled(form_.languagesAvailable());
    languageLabel_->setEnabled(form_.languagesAvailable());

    auto* portRow = new QHBoxLayout;
    portRow->addWidget(port_, 1);
    portRow->addWidget(detectButton_);
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Download via :"), downloadVia_);
    fields->addRow(tr("&Receive data via :"), receiveVia_);
    // The port row is a layout, which cannot take the mnemonic's focus, so
    // the label points at the list itself.
    auto* portLabel = new QLabel(tr("&COM port :"), this);
    portLabel->setObjectName("portLabel");
    portLabel->setBuddy(port_);
    fields->addRow(portLabel, portRow);
    fields->addRow(tr("&Baud rate :"), baudRate_);
    fields->addRow(autoPreload_);
    fields->addRow(alwaysOnTop_);
    fields->addRow(languageLabel_, language_);
    auto* languageNote =
        new QLabel(tr("A new language applies at once to the menu and to every window opened afterwards."), this);
    languageNote->setObjectName("languageNote");
    languageNote->setWordWrap(true);
    fields->addRow(languageNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(downloadVia_, &QComboBox::currentIndexChanged, this, [this](int i) {
        form_.setDownloadVia(i);
        updateDetectButton();
    });
    connect(receiveVia_, &QComboBox::currentIndexChanged, this, [this](int i) {
        form_.setReceiveVia(i);
        updateDetectButton();
    });
    connect(port_, &QComboBox::currentIndexChanged, this, [this](int row) { form_.choosePortRow(row); });
    connect(port_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { form_.setPortText(text.toStdString()); });
    connect(baudRate_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.setBaudRate(i); });
    connect(autoPreload_, &QCheckBox::toggled, this, [this](bool on) { form_.setAutoPreload(on); });
    connect(alwaysOnTop_, &QCheckBox::toggled, this, [this](bool on) { form_.setAlwaysOnTop(on); });
    connect(language_, &QComboBox::currentIndexChanged, this, [this](int row) { form_.chooseLanguageRow(row); });
    connect(detectButton_, &QPushButton::clicked, this, &PreferencesDialog::detectCradle);
}

// The port box takes a device path the listing does not show (a Bluetooth
// link, an adapter under an unusual name, a pseudo-terminal). It completes
// nothing, so a path is never turned into a listed port the user did not pick.
void PreferencesDialog::makePortTypable() {
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    port_->setCompleter(nullptr);
    port_->setCurrentIndex(form_.selectedPortRow());
    if (form_.selectedPortRow() < 0) port_->setEditText(QString::fromStdString(form_.typedPort()));
    port_->setMinimumContentsLength(36);
    const QString typing = tr("Type a device path such as /dev/rfcomm0, or choose a listed port.");
    port_->setToolTip(typing);
    port_->lineEdit()->setPlaceholderText(form_.hasPorts() ? tr("Choose a port or type a device path")
                                                           : QString::fromStdString(strings_.utf8(kNoPort)));
    if (!form_.hasPorts()) port_->setToolTip(QString::fromStdString(strings_.utf8(kNoPort)) + " " + typing);
}

// While a language is active its texts name the dialog and its labels.
void PreferencesDialog::applyLanguageTexts() {
    const auto& language = strings_.language();
    if (!language.active()) return;
    const auto text = [&](int id) { return QString::fromStdString(cp1251ToUtf8(language.text(id))); };
    setWindowTitle(text(11));
    auto* fields = findChild<QFormLayout*>();
    const int labelIds[] = {12, 13, 14, 15};
    for (int row = 0; row < 4; ++row) {
        if (auto* label = qobject_cast<QLabel*>(fields->itemAt(row, QFormLayout::LabelRole)->widget())) {
            label->setText(text(labelIds[row]));
        }
    }
    autoPreload_->setText(text(16));
    alwaysOnTop_->setText(text(17));
    languageLabel_->setText(text(18));
    detectButton_->setText(text(19));
    auto* buttons = findChild<QDialogButtonBox*>();
    buttons->button(QDialogButtonBox::Ok)->setText(text(1218));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(1219));
}

void PreferencesDialog::updateDetectButton() { detectButton_->setEnabled(form_.detectCradleEnabled()); }

void PreferencesDialog::detectCradle() {
    detectButton_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto found = detect_ ? detect_() : std::nullopt;
    QApplication::restoreOverrideCursor();
    if (!found) {
        messageByIds(strings_, messages_, kDetectingResult, kCradleNotAvailable, {MessageIcon::Warning});
    } else {
        const auto text = strings_.utf8(kCradleConnected) + found->portName;
        messages_.show(strings_.utf8(kDetectingResult), text, {MessageIcon::Information});
        const int row = form_.rowOfPort(found->portIndex);
        if (row >= 0) port_->setCurrentIndex(row);
    }
    updateDetectButton();
}

}  // namespace tessel::ui
