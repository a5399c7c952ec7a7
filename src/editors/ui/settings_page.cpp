#include "editors/ui/settings_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/project.h"
#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/function_key_dialog.h"
#include "editors/ui/security_dialog.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr const char* kModelContext = "tessel::SettingsPageModel";
constexpr int kSecurityButtonId = 632;
constexpr int kFunctionKeyButtonId = 633;
constexpr int kBacklightIdleId = 639;
constexpr int kStayOnLcdId = 640;
constexpr int kPhoneChars = 20;
constexpr int kIdleDigits = 1;
constexpr int kDurationDigits = 2;

// A handset over a dial; the label greys it out while the phone edit is off.
QPixmap telephoneGlyph(const QColor& colour) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(2, 2, 14, 10), 16 * 16, 148 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(4, 8, 10, 8), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(9, 12), 2, 2);
    return pixmap;
}

QLabel* newLabel(QWidget* parent, const std::string& utf8) { return new QLabel(toQString(utf8), parent); }

// A stored number wider than the edit's usual digits is shown whole.
void showNumber(QLineEdit* edit, const std::string& text, int digits) {
    edit->setMaxLength(std::max(digits, static_cast<int>(text.size())));
    showCorrected(edit, text);
}

}  // namespace

SettingsPage::SettingsPage(Project& project, const Strings& strings, MessageService& messages, QWidget* parent)
    : QWidget(parent), project_(project), strings_(strings), messages_(messages) {
    setObjectName("SETTINGSDLG");
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildLinkColumn(), 0, Qt::AlignTop);
    columns->addSpacing(24);
    columns->addWidget(buildTerminalColumn(), 0, Qt::AlignTop);
    columns->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addStretch();
    layout->addWidget(buildButtons());
}

void SettingsPage::load() {
    model_.load(project_.definition.settings, project_.family);
    const auto ports = SettingsPageModel::portEntries(strings_, project_.family);
    fillList(uploadPort_, ports);
    fillList(downloadPort_, ports);
    showSettings();
}

void SettingsPage::accept() { model_.accept(project_.definition.settings); }

bool SettingsPage::hasChanges() const {
    SystemSettings accepted = project_.definition.settings;
    model_.accept(accepted);
    return !sameBytes(accepted, project_.definition.settings);
}

QComboBox* SettingsPage::addChoice(QGridLayout* grid, const char* objectName, const QString& label,
                                   const ListEntries& entries, SettingsChoice byte) {
    auto* list = newList(this, objectName, entries, -1);
    connect(list, &QComboBox::currentIndexChanged, this, [this, byte](int i) {
        if (i < 0) return;
        model_.setChoice(byte, i);
        showEnabling();
    });
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(list, row, 1);
    choices_.push_back({list, byte});
    return list;
}

QLineEdit* SettingsPage::addPhone(QGridLayout* grid, const char* objectName, QLabel*& icon,
                                  std::string (SettingsPageModel::*set)(std::string_view)) {
    auto* edit = newEdit(this, objectName, "", kPhoneChars);
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit, set](const QString& text) { showCorrected(edit, (model_.*set)(toUtf8(text))); });
    icon = new QLabel(this);
    icon->setObjectName(QString(objectName) + "Icon");
    icon->setPixmap(telephoneGlyph(palette().color(QPalette::WindowText)));
    const int row = grid->rowCount();
    grid->addWidget(icon, row, 0, Qt::AlignRight);
    grid->addWidget(edit, row, 1);
    return edit;
}

QWidget* SettingsPage::buildLinkColumn() {
    auto* column = new QWidget(this);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto bauds = SettingsPageModel::baudRateEntries(strings_);
    uploadPort_ = addChoice(grid, "uploadPort", tr("1.  Upload Port"), {}, &SystemSettings::uploadPort);
    uploadPhone_ = addPhone(grid, "uploadPhone", uploadIcon_, &SettingsPageModel::setUploadPhone);
    uploadPhone_->setAccessibleName(tr("Upload phone number"));
    downloadPort_ = addChoice(grid, "downloadPort", tr("2.  Download Port"), {}, &SystemSettings::downloadPort);
    downloadPhone_ = addPhone(grid, "downloadPhone", downloadIcon_, &SettingsPageModel::setDownloadPhone);
    downloadPhone_->setAccessibleName(tr("Download phone number"));
    modemSpeed_ = addChoice(grid, "modemSpeed", tr("3.  Modem Speed"), bauds, &SystemSettings::modemSpeed);
    baudRate_ = addChoice(grid, "baudRate", tr("4.  Baud Rate"), bauds, &SystemSettings::baudRate);
    addChoice(grid, "backlight", tr("5.  Backlight"),
              shownEntries(kModelContext, SettingsPageModel::backlightEntries()), &SystemSettings::backlight);

    backlightIdle_ = newEdit(column, "backlightIdle", "", kIdleDigits);
    backlightIdle_->setMaximumWidth(32);
    connect(backlightIdle_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(backlightIdle_, model_.setBacklightIdle(toUtf8(text))); });
    auto* idle = new QHBoxLayout;
    idle->addWidget(newLabel(column, strings_.utf8(kBacklightIdleId)));
    idle->addWidget(backlightIdle_);
    idle->addWidget(new QLabel(tr("x 10 sec"), column));
    idle->addStretch();
    grid->addLayout(idle, grid->rowCount(), 1);
    grid->setColumnMinimumWidth(1, 220);
    return column;
}

QWidget* SettingsPage::buildTerminalColumn() {
    auto* column = new QWidget(this);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    addChoice(grid, "dataDeletion", tr("6.  Data Deletion"),
              shownEntries(kModelContext, SettingsPageModel::dataDeletionEntries()), &SystemSettings::dataDeletion);
    addChoice(grid, "entryOptions", tr("7.  Entry Options"),
              shownEntries(kModelContext, SettingsPageModel::entryOptionEntries()), &SystemSettings::entryOptions);

    stayOnLcd_ = new QRadioButton(toQString(strings_.utf8(kStayOnLcdId)), column);
    stayOnLcd_->setObjectName("stayOnLcd");
    pressAnyKey_ = new QRadioButton(tr("Press any key to continue"), column);
    pressAnyKey_->setObjectName("pressAnyKey");
    connect(stayOnLcd_, &QRadioButton::toggled, this, [this](bool on) {
        model_.setStayOnLcd(on);
        showEnabling();
    });
    duration_ = newEdit(column, "promptDuration", "", kDurationDigits);
    duration_->setAccessibleName(tr("Prompt duration"));
    duration_->setMaximumWidth(40);
    connect(duration_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(duration_, model_.setPromptDuration(toUtf8(text))); });
    auto* stay = new QHBoxLayout;
    stay->addWidget(stayOnLcd_);
    stay->addWidget(duration_);
    stay->addWidget(new QLabel(tr("x 100 ms"), column));
    stay->addStretch();
    grid->addLayout(stay, grid->rowCount(), 1);
    grid->addWidget(pressAnyKey_, grid->rowCount(), 1);

    const auto beeps = SettingsPageModel::beepEntries(strings_);
    addChoice(grid, "keyClick", tr("8.  Key Click"), SettingsPageModel::keyClickEntries(strings_),
              &SystemSettings::keyClick);
    addChoice(grid, "goodReadBeep", tr("9.  Barcode Good Read"), beeps, &SystemSettings::goodReadBeep);
    addChoice(grid, "warningBeep", tr("10. Warning Beep"), beeps, &SystemSettings::warningBeep);
    addChoice(grid, "vibrator", tr("11. Vibrator Duration"),
              shownEntries(kModelContext, SettingsPageModel::vibratorEntries()), &SystemSettings::vibrator);
    grid->setColumnMinimumWidth(1, 220);
    return column;
}

QWidget* SettingsPage::buildButtons() {
    auto* row = new QWidget(this);
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* security = new QPushButton(toQString(strings_.utf8(kSecurityButtonId)), row);
    security->setObjectName("securityButton");
    connect(security, &QPushButton::clicked, this,
            [this] { runDialog<SecurityDialog>(model_.workingCopy(), strings_, messages_); });
    auto* functionKeys = new QPushButton(toQString(strings_.utf8(kFunctionKeyButtonId)), row);
    functionKeys->setObjectName("functionKeyButton");
    connect(functionKeys, &QPushButton::clicked, this,
            [this] { runDialog<FunctionKeyDialog>(model_.workingCopy(), strings_); });
    auto* reset = new QPushButton(tr("Reset"), row);
    reset->setObjectName("resetButton");
    connect(reset, &QPushButton::clicked, this, [this] {
        model_.reset();
        showSettings();
    });
    buttons->addWidget(security);
    buttons->addWidget(functionKeys);
    buttons->addStretch();
    buttons->addWidget(reset);
    return row;
}

template <typename Dialog, typename... Args>
void SettingsPage::runDialog(Args&&... args) {
    Dialog dialog(std::forward<Args>(args)..., this);
    dialog.exec();
    showSettings();
}

void SettingsPage::showSettings() {
    const SystemSettings& settings = model_.settings();
    for (const Choice& choice : choices_) selectQuietly(choice.list, settings.*choice.byte);
    showCorrected(uploadPhone_, model_.uploadPhone());
    showCorrected(downloadPhone_, model_.downloadPhone());
    showNumber(backlightIdle_, model_.backlightIdle(), kIdleDigits);
    showNumber(duration_, model_.promptDuration(), kDurationDigits);
    {
        const QSignalBlocker quietStay(stayOnLcd_);
        const QSignalBlocker quietKey(pressAnyKey_);
        (model_.stayOnLcd() ? stayOnLcd_ : pressAnyKey_)->setChecked(true);
    }
    showEnabling();
}

void SettingsPage::showEnabling() {
    const SettingsEnabling enabled = model_.enabling();
    uploadPhone_->setEnabled(enabled.uploadPhone);
    uploadIcon_->setEnabled(enabled.uploadPhone);
    downloadPhone_->setEnabled(enabled.downloadPhone);
    downloadIcon_->setEnabled(enabled.downloadPhone);
    modemSpeed_->setEnabled(enabled.modemSpeed);
    baudRate_->setEnabled(enabled.baudRate);
    stayOnLcd_->setEnabled(enabled.promptChoice);
    pressAnyKey_->setEnabled(enabled.promptChoice);
    duration_->setEnabled(enabled.promptDuration);
}

}  // namespace tessel
