#include "editors/ui/grid_target_box.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/ui/screen_fitting.h"
#include "editors/ui/grid_dialog.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

GridTargetBox::GridTargetBox(std::span<Byte> value, std::size_t capacity, const Strings& strings,
                             MessageService& messages, QWidget* parent)
    : QFrame(parent),
      value_(value),
      capacity_(capacity),
      strings_(strings),
      messages_(messages),
      label_(new QLabel(this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(24);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    showValue();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label_);
}

QString GridTargetBox::text() const { return label_->text(); }

void GridTargetBox::showValue() { label_->setText(toQString(gridResultText(value_, capacity_, strings_))); }

void GridTargetBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    setFocus();
    openGrid();
}

// Space and Enter open the grid too, so the box is reached without a mouse.
void GridTargetBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return QFrame::keyPressEvent(event);
    openGrid();
}

void GridTargetBox::openGrid() {
    gridOpen_ = true;
    update();
    GridDialog dialog(value_, capacity_, strings_, messages_, this);
    ui::fitBeside(dialog, *this);  // not over the box it fills
    if (dialog.exec() == QDialog::Accepted) {
        const auto& chosen = dialog.grid().value();
        std::copy_n(chosen.begin(), std::min(value_.size(), chosen.size()), value_.begin());
        label_->setText(toQString(dialog.grid().resultText()));
        emit edited();
    } else {
        label_->setText(toQString(dialog.grid().savedText()));
    }
    gridOpen_ = false;
    update();
}

void GridTargetBox::paintEvent(QPaintEvent* event) {
    if (!gridOpen_) return QFrame::paintEvent(event);
    QPainter(this).fillRect(rect(), QColor(0, 0, 255));
}

}  // namespace tessel
