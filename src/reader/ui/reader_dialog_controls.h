#pragma once
// OK and Cancel of the reader's option dialogs, labelled from the language's
// slots while a language is active.
class QDialog;
class QDialogButtonBox;

namespace tessel {

class Strings;

QDialogButtonBox* newReaderOkCancel(QDialog* dialog, const Strings& strings);

}  // namespace tessel
