#include "editors/ui/edit_notice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace tessel {

void noticeEdits(QWidget* page, const std::function<void()>& changed) {
    for (auto* edit : page->findChildren<QLineEdit*>()) QObject::connect(edit, &QLineEdit::textChanged, page, changed);
    for (auto* list : page->findChildren<QComboBox*>())
        QObject::connect(list, &QComboBox::currentIndexChanged, page, changed);
    for (auto* button : page->findChildren<QAbstractButton*>()) {
        QObject::connect(button, &QAbstractButton::toggled, page, changed);
        QObject::connect(button, &QAbstractButton::clicked, page, changed);
    }
}

}  // namespace tessel
