#include "simulator/ui/terminal_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/model_family.h"
#include "core/text_encoding.h"
#include "simulator/keyboard_map.h"
#include "simulator/keypad.h"
#include "simulator/simulator.h"
#include "simulator/ui/screen_painter.h"

namespace tessel::ui {
namespace {

constexpr QPoint kGroupKeypadOrigin(36, 284);
// The cursor blinks as the terminal's does: shown for 5 ticks, hidden for 5.
constexpr int kBlinkTicks = 5;

// The PC key of a key event; nothing for keys the terminal has no use for
// and for Ctrl and Alt combinations, which are the program's shortcuts.
std::optional<sim::PcKeyPress> pcKeyOf(const QKeyEvent& event) {
    using Key = sim::PcKeyPress::Key;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Up: return sim::PcKeyPress{Key::Up};
        case Qt::Key_Down: return sim::PcKeyPress{Key::Down};
        case Qt::Key_Left: return sim::PcKeyPress{Key::Left};
        case Qt::Key_Right: return sim::PcKeyPress{Key::Right};
        case Qt::Key_Return:
        case Qt::Key_Enter: return sim::PcKeyPress{Key::Enter};
        case Qt::Key_Escape: return sim::PcKeyPress{Key::Escape};
        case Qt::Key_Backspace: return sim::PcKeyPress{Key::Backspace};
        case Qt::Key_Menu: return sim::PcKeyPress{Key::Menu};
        default: break;
    }
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12)
        return sim::PcKeyPress{Key::Function, 0, event.key() - Qt::Key_F1 + 1, shift};
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    return sim::PcKeyPress{Key::Character, text.at(0).unicode(), 0, shift};
}

}  // namespace

TerminalView::TerminalView(QWidget* parent) : QWidget(parent) {
    setObjectName("Client");
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);
    ticks_.setInterval(100);
    connect(&ticks_, &QTimer::timeout, this, &TerminalView::tick);
}

void TerminalView::tick() {
    if (simulator_) simulator_->tick();
    ++blinkTicks_;
    if (blinkTicks_ % kBlinkTicks == 0 && simulator_ && simulator_->screen().state == sim::SimState::FormScreen) {
        update(cursorArea());
    }
}

bool TerminalView::cursorShown() const { return (blinkTicks_ / kBlinkTicks) % 2 == 0; }

QRect TerminalView::cursorArea() const {
    if (!simulator_ || !artwork_) return {};
    const auto& cursor = simulator_->screen().cursor;
    return QRect(screenGeometry(family_).cell(cursor.column, cursor.row),
                 artwork_->cursor().deviceIndependentSize().toSize());
}

void TerminalView::setFamily(int family, const QString& artworkFolder) {
    family_ = family;
    artwork_ = std::make_unique<SkinArtwork>(family, devicePixelRatioF(), artworkFolder);
    lastKey_ = 0;
    pressed_ = false;
    ticks_.start();
    update();
}

// A change on the screen shows the cursor at once and starts its blink
// afresh, so the cursor never hides while the user types.
void TerminalView::repaintScreen() {
    blinkTicks_ = 0;
    update(screenGeometry(family_).area);
}

void TerminalView::repaintRow(int row) {
    blinkTicks_ = 0;
    update(screenGeometry(family_).rowArea(row));
}

void TerminalView::showPendingCharacter(char) { repaintScreen(); }

void TerminalView::drawClock() {
    const auto geometry = screenGeometry(family_);
    update(QRect(geometry.clockBackground,
                 artwork_ ? artwork_->clockBackground().deviceIndependentSize().toSize() : QSize()));
}

void TerminalView::requestNewProject(int family) { emit newProjectRequested(family); }

QRect TerminalView::keyImageRect() const {
    if (!artwork_ || lastKey_ == 0) return {};
    if (!artwork_->is4760()) return QRect(kGroupKeypadOrigin, artwork_->image(1).deviceIndependentSize().toSize());
    if (lastKey_ >= 38) return {};
    return QRect(keyOrigin_, artwork_->image(lastKey_).deviceIndependentSize().toSize());
}

void TerminalView::paintEvent(QPaintEvent*) {
    if (!artwork_) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, artwork_->image(0));
    if (lastKey_ != 0) {
        if (artwork_->is4760()) {
            if (lastKey_ < 38) painter.drawPixmap(keyOrigin_, artwork_->image(pressed_ ? lastKey_ : 37 + lastKey_));
        } else if (const auto key = sim::findKeyArea(family_, lastKey_);
                   pressed_ && key && sim::groupPressedImage(lastKey_) > 0) {
            painter.drawPixmap(groupKeyCap(*key).topLeft(), artwork_->image(sim::groupPressedImage(lastKey_)));
        } else {
            painter.drawPixmap(kGroupKeypadOrigin, artwork_->image(1));
        }
    }
    if (simulator_) paintScreen(painter, *artwork_, family_, simulator_->screen(), cursorShown());
}

void TerminalView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const auto hit = sim::hitTestKey(family_, at.x(), at.y());
    lastKey_ = hit ? hit->code : 0;
    if (!hit) {
        emit windowDragRequested();
        return;
    }
    keyOrigin_ = QPoint(hit->originX, hit->originY);
    pressed_ = true;
    update();
    if (simulator_) simulator_->handleKey(hit->code);
}

void TerminalView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    update();
    if (lastKey_ == kMenuKey) emit popupRequested(mapToGlobal(keyOrigin_));
}

// A PC key presses its terminal key as a click would: the pressed image shows
// until the key is let go, and the menu key opens the popup menu at once.
void TerminalView::keyPressEvent(QKeyEvent* event) {
    const auto press = pcKeyOf(*event);
    const auto stroke = press ? sim::terminalKeyFor(family_, *press) : std::nullopt;
    if (!stroke) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() && !stroke->repeats) return;
    lastKey_ = stroke->code;
    keyOrigin_ = QPoint(stroke->originX, stroke->originY);
    pressed_ = !stroke->opensMenu;
    update();
    if (simulator_) sim::pressStroke(*simulator_, *stroke);
    if (stroke->opensMenu) emit popupRequested(mapToGlobal(keyOrigin_), true);
}

void TerminalView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !pressed_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    pressed_ = false;
    update();
}

}  // namespace tessel::ui
