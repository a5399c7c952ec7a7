#include "editors/ui/widget_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tessel {

void fillList(QComboBox* list, const ListEntries& entries, int index) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& entry : entries) list->addItem(toQString(entry));
    list->setCurrentIndex(index < list->count() ? index : -1);
}

void selectQuietly(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index < list->count() ? index : -1);
}

void checkQuietly(QAbstractButton* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

void showCorrected(QLineEdit* edit, std::string_view utf8) {
    const QString corrected = toQString(utf8);
    if (edit->text() == corrected) return;
    const QSignalBlocker quiet(edit);
    edit->setText(corrected);
}

}  // namespace tessel
