#include "editors/ui/grid_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ui/grid_view.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

GridDialog::GridDialog(std::span<const Byte> value, std::size_t capacity, const Strings& strings,
                       MessageService& messages, QWidget* parent)
    : QDialog(parent),
      grid_(value, capacity, strings, messages),
      view_(new GridView(grid_, this)),
      result_(new QLabel(this)) {
    setObjectName("GridDlg");
    setWindowTitle(tr("The Grid Control"));

    result_->setObjectName("resultText");
    result_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    result_->setAutoFillBackground(true);
    result_->setStyleSheet("QLabel { background: white; color: rgb(128, 128, 128); padding-left: 5px; }");
    result_->setMinimumHeight(24);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* clear = buttons->addButton(tr("Clear"), QDialogButtonBox::ResetRole);
    clear->setObjectName("clearButton");
    connect(clear, &QPushButton::clicked, this, [this] {
        grid_.clear();
        showResult();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view_, &GridView::picked, this, &GridDialog::showResult);

    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(tr("Resulting text :"), this));
    resultRow->addWidget(result_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(resultRow);
    layout->addWidget(buttons);
    showResult();
}

void GridDialog::showResult() { result_->setText(toQString(grid_.resultText())); }

}  // namespace tessel
