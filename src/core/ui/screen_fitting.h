#pragma once
// Keeps every dialog inside the free area of the screen it opens on, at any
// scale factor. A dialog too large for that area gets its content put in a
// scroll area, with its button box left below it, so OK and Cancel stay in
// reach; at the usual sizes nothing changes but the position.
#include <QObject>
#include <QPoint>

class QDialog;
class QRect;
class QSize;
class QWidget;

namespace tessel::ui {

// Fits `dialog` to its screen now: scrolling content where it needs it, then
// a size and a place inside the screen's free area.
void fitToScreen(QDialog& dialog);

// Has `dialog` fitted beside `neighbour`'s window rather than centred over
// it, so the window stays in sight: for a dialog that edits what that window
// shows. The window moves over when that makes the room.
void fitBeside(QDialog& dialog, const QWidget& neighbour);

// Where a window frame of `size` goes beside the frame `neighbour` inside
// `area`, and where the neighbour goes to make room: right of it, left, above
// or below, on the first side that needs the neighbour moved least (mostly not
// at all). With no room on any side the neighbour stays and the window covers
// the least of it.
struct BesidePlaces {
    QPoint neighbour;
    QPoint dialog;
};
BesidePlaces placeBeside(const QRect& neighbour, const QSize& size, const QRect& area);

// Fits every dialog of the application as it is shown; installed on the
// application as an event filter.
class ScreenFitting : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tessel::ui
