#pragma once
// The pictured terminal that fills the main window: paints the skin and the
// simulated screen, turns clicks on the keys and the PC keyboard's keys into
// key codes, lets a press beside the keys drag the whole window, and asks for
// the popup menu.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "simulator/observer.h"
#include "simulator/ui/skin_artwork.h"

namespace tessel::sim {
class Simulator;
}

namespace tessel::ui {

class TerminalView : public QWidget, public sim::SimulatorObserver {
    Q_OBJECT
public:
    static constexpr int kWidth = 267;
    static constexpr int kHeight = 645;
    static constexpr int kMenuKey = 41;

    explicit TerminalView(QWidget* parent = nullptr);

    // The simulator whose screen is shown and which gets the keys and ticks.
    void setSimulator(sim::Simulator* simulator) { simulator_ = simulator; }
    // Loads the skin of `family` and repaints; an artwork folder may replace images.
    void setFamily(int family, const QString& artworkFolder = {});
    int family() const { return family_; }
    int lastKey() const { return lastKey_; }

    // What the simulator asks to repaint.
    void repaintScreen() override;
    void repaintRow(int row) override;
    void showPendingCharacter(char c) override;
    void drawClock() override;
    void requestNewProject(int family) override;

    // One 100 ms tick of the view's timer: the simulator's tick and the
    // cursor's blink.
    void tick();

signals:
    // The popup menu should open at `globalPosition`; from the keyboard its
    // first entry is to be active, so the arrows and Enter work at once.
    void popupRequested(const QPoint& globalPosition, bool fromKeyboard = false);
    // The designed application has nothing to run: New of `family`.
    void newProjectRequested(int family);
    // A press beside the keys: the whole window follows the pointer.
    void windowDragRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QRect keyImageRect() const;
    bool cursorShown() const;
    QRect cursorArea() const;

    sim::Simulator* simulator_ = nullptr;
    std::unique_ptr<SkinArtwork> artwork_;
    int family_ = 0;
    QTimer ticks_;
    int lastKey_ = 0;
    QPoint keyOrigin_;
    bool pressed_ = false;
    int blinkTicks_ = 0;  // ticks since the screen last changed
};

}  // namespace tessel::ui
