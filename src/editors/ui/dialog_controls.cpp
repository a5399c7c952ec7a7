#include "editors/ui/dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>

#include "editors/ui/widget_binding.h"

namespace tessel {

QCheckBox* newCheckBox(QWidget* parent, const char* objectName, const QString& label, bool checked) {
    auto* box = new QCheckBox(label, parent);
    box->setObjectName(objectName);
    box->setChecked(checked);
    return box;
}

QComboBox* newList(QWidget* parent, const char* objectName, const ListEntries& entries, int index) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    fillList(list, entries, index);
    return list;
}

QLineEdit* newEdit(QWidget* parent, const char* objectName, const std::string& utf8, int maxLength) {
    auto* edit = new QLineEdit(toQString(utf8), parent);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    return edit;
}

QDialogButtonBox* newOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName("dialogButtons");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace tessel
