#pragma once
// Small helpers the editor widgets share to show model state without
// re-entering their own change handlers.
#include <QString>
#include <string>
#include <string_view>

#include "editors/form_lists.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace tessel {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string toUtf8(const QString& text) { return text.toStdString(); }

// A text a logic library marked TESSEL_SHOWN within `context`, and a list of
// them, in the user's language.
QString shownText(const char* context, const char* text);
ListEntries shownEntries(const char* context, const ListEntries& entries);

// Replaces a list's entries and selects `index` (none when out of range).
void fillList(QComboBox* list, const ListEntries& entries, int index = -1);
void selectQuietly(QComboBox* list, int index);
void checkQuietly(QAbstractButton* box, bool on);
// Shows a corrected text only when it differs, so typing is not disturbed.
void showCorrected(QLineEdit* edit, std::string_view utf8);

}  // namespace tessel
