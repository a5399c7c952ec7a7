#include "editors/ui/security_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr int kTitleId = 634;
constexpr int kGroupId = 635;
constexpr int kPasswordLabelId = 636;
constexpr int kSingleSettingRows = 5;

// "Set Date/Time" is the box "protectSetDateTime".
std::string boxName(const char* label) {
    std::string name = "protect";
    for (const char* c = label; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    }
    return name;
}

}  // namespace

SecurityDialog::SecurityDialog(SystemSettings& working, const Strings& strings, MessageService& messages,
                               QWidget* parent)
    : QDialog(parent), model_(working, strings, messages) {
    setObjectName("SECURITYDLG");
    setWindowTitle(toQString(strings.utf8(kTitleId)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChecking(strings));
    layout->addWidget(newOkCancel(this));
    showEnabling();
}

QWidget* SecurityDialog::buildChecking(const Strings& strings) {
    auto* group = new QGroupBox(toQString(strings.utf8(kGroupId)), this);
    group->setObjectName("securityChecking");
    // A stored password longer than the usual limit is shown whole.
    const auto shownChars = std::max(kPasswordChars, model_.password().size());
    password_ = newEdit(group, "password", model_.password(), static_cast<int>(shownChars));
    password_->setMaximumWidth(120);
    connect(password_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(password_, model_.setPassword(toUtf8(text))); });
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(new QLabel(toQString(strings.utf8(kPasswordLabelId)), group));
    passwordRow->addWidget(password_);
    passwordRow->addStretch();

    // The general functions down the left, the single settings that
    // "Settings" covers in two columns beside them.
    auto* boxes = new QGridLayout;
    for (std::size_t box = 0; box < kProtectBoxes; ++box) {
        const char* label = kProtectBoxList[box].label;
        boxes_[box] = newCheckBox(group, boxName(label).c_str(), shownText("tessel::SecurityDialogModel", label),
                                  model_.isProtected(box));
        connect(boxes_[box], &QCheckBox::toggled, this, [this, box](bool on) {
            model_.setProtected(box, on);
            showEnabling();
        });
        if (box < kGeneralProtectBoxes) {
            boxes->addWidget(boxes_[box], static_cast<int>(box), 0);
        } else {
            const auto single = static_cast<int>(box - kGeneralProtectBoxes);
            boxes->addWidget(boxes_[box], single % kSingleSettingRows, 1 + single / kSingleSettingRows);
        }
    }
    boxes->setHorizontalSpacing(24);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(passwordRow);
    layout->addSpacing(6);
    layout->addLayout(boxes);
    return group;
}

void SecurityDialog::showEnabling() {
    for (std::size_t box = 0; box < kProtectBoxes; ++box) boxes_[box]->setEnabled(model_.boxEnabled(box));
}

void SecurityDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
