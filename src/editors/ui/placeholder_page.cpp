#include "editors/ui/placeholder_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessel {

PlaceholderPage::PlaceholderPage(const QString& title, QWidget* parent) : QWidget(parent) {
    auto* note = new QLabel(tr("The %1 page is not available in this version.").arg(title), this);
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

}  // namespace tessel
