#pragma once
// Keeps every dialog inside the free area of the screen it opens on, at any
// scale factor. A dialog too large for that area gets its content put in a
// scroll area, with its button box left below it, so OK and Cancel stay in
// reach; at the usual sizes nothing changes but the position.
#include <QObject>

class QDialog;

namespace tessel::ui {

// Fits `dialog` to its screen now: scrolling content where it needs it, then
// a size and a place inside the screen's free area.
void fitToScreen(QDialog& dialog);

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
