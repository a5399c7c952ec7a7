#pragma once
// Factories for the controls the option dialogs are built from; each control
// gets the object name by which tests and style sheets find it.
#include <string>

#include "editors/form_lists.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QString;
class QWidget;

namespace tessel {

QCheckBox* newCheckBox(QWidget* parent, const char* objectName, const QString& label, bool checked);
QComboBox* newList(QWidget* parent, const char* objectName, const ListEntries& entries, int index);
QLineEdit* newEdit(QWidget* parent, const char* objectName, const std::string& utf8, int maxLength);
// OK and Cancel wired to the dialog's accept and reject.
QDialogButtonBox* newOkCancel(QDialog* dialog);

}  // namespace tessel
