#include "reader/ui/reader_dialog_controls.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"
#include "reader/dialog_text.h"

namespace tessel {

QDialogButtonBox* newReaderOkCancel(QDialog* dialog, const Strings& strings) {
    auto* buttons = newOkCancel(dialog);
    if (strings.language().active()) {
        buttons->button(QDialogButtonBox::Ok)->setText(toQString(dialogText(strings, kOkSlot, {})));
        buttons->button(QDialogButtonBox::Cancel)->setText(toQString(dialogText(strings, kCancelSlot, {})));
    }
    return buttons;
}

}  // namespace tessel
