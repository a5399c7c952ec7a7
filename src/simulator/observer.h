#pragma once
// What the simulator asks of its front end. The desktop program repaints
// exactly what these calls name; the command-line tool and tests may ignore
// them. Every call has an empty default so a front end overrides only what it
// shows.

namespace tessel::sim {

class SimulatorObserver {
public:
    virtual ~SimulatorObserver() = default;

    // The whole text area changed; repaint it at the next paint (no erase).
    virtual void repaintScreen() {}
    // Row `row` (0 to 8) changed.
    virtual void repaintRow(int /*row*/) {}
    // Draw at once, outside a paint cycle, the cursor image at the cursor cell
    // with `c` over it: the preview of an unfinished multi-tap key.
    virtual void showPendingCharacter(char /*c*/) {}
    // Draw the clock line at once (every tick on the main menu).
    virtual void drawClock() {}
    // The designed application has nothing to run: start New of `family`
    // (and let go of a key held down on the keypad). Called last in a key
    // press, so the front end may restart the simulator from here.
    virtual void requestNewProject(int /*family*/) {}
};

}  // namespace tessel::sim
