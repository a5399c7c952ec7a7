#include "core/ui/screen_fitting.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace tessel::ui {
namespace {

constexpr const char* kScrollName = "screenFitScroll";

// Room kept for the window manager's frame, whose size is unknown before the
// dialog is first shown.
constexpr QMargins kFrameAllowance(4, 32, 4, 4);

// Asks for as much room as its content would like, not the scroll area's
// usual small hint, so a dialog that fits the screen shows no scroll bars.
class ContentScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        if (!widget()) return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
    }
};

QDialogButtonBox* buttonBoxIn(QLayout& layout) {
    for (int i = 0; i < layout.count(); ++i) {
        if (auto* buttons = qobject_cast<QDialogButtonBox*>(layout.itemAt(i)->widget())) return buttons;
    }
    return nullptr;
}

// Moves everything but the button box into a scroll area.
void makeScrollable(QDialog& dialog) {
    QLayout* layout = dialog.layout();
    if (!layout || dialog.findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly)) return;
    QDialogButtonBox* buttons = buttonBoxIn(*layout);
    if (buttons) layout->removeWidget(buttons);
    auto* content = new QWidget;
    content->setLayout(layout);  // takes the layout and its widgets off the dialog
    auto* scroll = new ContentScrollArea(&dialog);
    scroll->setObjectName(kScrollName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // Made while the dialog is being shown, so it is not shown with it.
    scroll->show();
    auto* outer = new QVBoxLayout(&dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 1);
    if (buttons) {
        auto* row = new QVBoxLayout;
        row->setContentsMargins(layout->contentsMargins().left(), 0, layout->contentsMargins().right(),
                                layout->contentsMargins().bottom());
        row->addWidget(buttons);
        outer->addLayout(row);
    }
    outer->activate();
}

QRect freeAreaOf(const QDialog& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().marginsRemoved(kFrameAllowance) : QRect();
}

// Centred over the window it belongs to, as dialogs open, then moved in so
// that all of it lies in `free`.
QPoint placeIn(const QDialog& dialog, const QRect& free) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QPoint centre = owner && owner->isVisible() ? owner->frameGeometry().center() : free.center();
    const QSize size = dialog.size();
    // A dialog wider or taller than the area keeps its top-left corner in it.
    const int x = std::max(free.left(), std::min(centre.x() - size.width() / 2, free.right() + 1 - size.width()));
    const int y = std::max(free.top(), std::min(centre.y() - size.height() / 2, free.bottom() + 1 - size.height()));
    return {x, y};
}

}  // namespace

void fitToScreen(QDialog& dialog) {
    const QRect free = freeAreaOf(dialog);
    if (free.isEmpty()) return;
    if (dialog.layout()) dialog.layout()->activate();
    const QSize least = dialog.minimumSize().expandedTo(dialog.minimumSizeHint());
    if (least.width() > free.width() || least.height() > free.height()) {
        makeScrollable(dialog);
        dialog.resize(dialog.sizeHint().boundedTo(free.size()));
    } else {
        dialog.resize(dialog.size().boundedTo(free.size()));
    }
    dialog.move(placeIn(dialog, free));
}

bool ScreenFitting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) fitToScreen(*dialog);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel::ui
