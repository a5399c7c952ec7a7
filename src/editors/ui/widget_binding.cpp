#include "editors/ui/widget_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tessel {

QString shownText(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

ListEntries shownEntries(const char* context, const ListEntries& entries) {
    ListEntries shown;
    for (const auto& entry : entries) shown.push_back(toUtf8(shownText(context, entry.c_str())));
    return shown;
}

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
