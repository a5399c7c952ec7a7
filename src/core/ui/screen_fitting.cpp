#include "core/ui/screen_fitting.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tessel::ui {
namespace {

constexpr const char* kScrollName = "screenFitScroll";
// The window a dialog is fitted beside, kept on the dialog.
constexpr const char* kBesideName = "screenFitBeside";
constexpr int kBesideGap = 8;

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
    // Moving the content to another parent drops the focus; it is given back.
    QWidget* const focused = dialog.focusWidget();
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
    if (focused) focused->setFocus();
}

QRect freeAreaOf(const QDialog& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().marginsRemoved(kFrameAllowance) : QRect();
}

enum class Side { Right, Left, Above, Below };

// A window of `size` on `side` of `neighbour`, level with its top or left.
QPoint besideAt(Side side, const QRect& neighbour, const QSize& size) {
    switch (side) {
        case Side::Right: return {neighbour.right() + 1 + kBesideGap, neighbour.top()};
        case Side::Left: return {neighbour.left() - kBesideGap - size.width(), neighbour.top()};
        case Side::Above: return {neighbour.left(), neighbour.top() - kBesideGap - size.height()};
        case Side::Below: return {neighbour.left(), neighbour.bottom() + 1 + kBesideGap};
    }
    return neighbour.topLeft();
}

// How far a span from `low` to `high` moves to lie between `min` and `max`.
int shiftInto(int low, int high, int min, int max) {
    if (low < min) return min - low;
    if (high > max) return max - high;
    return 0;
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
    if (auto* neighbour = qobject_cast<QWidget*>(dialog.property(kBesideName).value<QObject*>())) {
        // A window's position is its frame's; the dialog's frame is estimated
        // as for `free`.
        const BesidePlaces places = placeBeside(neighbour->frameGeometry(), dialog.size().grownBy(kFrameAllowance),
                                                free.marginsAdded(kFrameAllowance));
        neighbour->move(places.neighbour);
        dialog.move(places.dialog);
    } else {
        dialog.move(placeIn(dialog, free));
    }
}

void fitBeside(QDialog& dialog, const QWidget& neighbour) {
    dialog.setProperty(kBesideName, QVariant::fromValue(static_cast<QObject*>(neighbour.window())));
}

BesidePlaces placeBeside(const QRect& neighbour, const QSize& size, const QRect& area) {
    const auto inX = [&](int x) { return std::max(area.left(), std::min(x, area.right() + 1 - size.width())); };
    const auto inY = [&](int y) { return std::max(area.top(), std::min(y, area.bottom() + 1 - size.height())); };
    std::optional<BesidePlaces> best;
    int leastShift = 0;
    for (const Side side : {Side::Right, Side::Left, Side::Above, Side::Below}) {
        const bool across = side == Side::Right || side == Side::Left;
        const QPoint at = besideAt(side, neighbour, size);
        const QRect both = neighbour.united(QRect(at, size));
        if (across ? both.width() > area.width() : both.height() > area.height()) continue;
        const int shift = across ? shiftInto(both.left(), both.right(), area.left(), area.right())
                                 : shiftInto(both.top(), both.bottom(), area.top(), area.bottom());
        if (best && std::abs(shift) >= leastShift) continue;
        const QPoint delta = across ? QPoint(shift, 0) : QPoint(0, shift);
        const QPoint dialog = at + delta;
        best = BesidePlaces{neighbour.topLeft() + delta,
                            across ? QPoint(dialog.x(), inY(dialog.y())) : QPoint(inX(dialog.x()), dialog.y())};
        leastShift = std::abs(shift);
    }
    if (best) return *best;
    // No room beside it even when moved: the neighbour stays, and the dialog
    // goes where it covers the least of it.
    BesidePlaces least{neighbour.topLeft(), {}};
    int leastCovered = -1;
    for (const Side side : {Side::Right, Side::Left, Side::Above, Side::Below}) {
        const QPoint at = besideAt(side, neighbour, size);
        const QPoint inside(inX(at.x()), inY(at.y()));
        const QRect covered = QRect(inside, size).intersected(neighbour);
        const int pixels = covered.isEmpty() ? 0 : covered.width() * covered.height();
        if (leastCovered < 0 || pixels < leastCovered) {
            least.dialog = inside;
            leastCovered = pixels;
        }
    }
    return least;
}

bool ScreenFitting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) fitToScreen(*dialog);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessel::ui
