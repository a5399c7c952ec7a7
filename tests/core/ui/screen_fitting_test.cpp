// Where a dialog goes beside the window whose content it edits.
#include "core/ui/screen_fitting.h"

#include <gtest/gtest.h>

#include <QRect>

namespace tessel::ui {
namespace {

TEST(PlaceBeside, TheSideThatNeedsTheLeastMoveElseTheLeastCovered) {
    const QRect area(0, 0, 1280, 1024);
    struct Case {
        const char* what;
        QRect neighbour;
        QSize size;
        QPoint dialog;
        QPoint neighbourMovedTo;
    };
    const Case cases[] = {
        {"right", {100, 100, 400, 300}, {300, 200}, {508, 100}, {100, 100}},
        {"left when the right is short", {700, 100, 400, 300}, {300, 200}, {392, 100}, {700, 100}},
        {"above when both sides are short", {300, 500, 700, 300}, {600, 400}, {300, 92}, {300, 500}},
        {"below when above is short too", {300, 100, 700, 300}, {600, 400}, {300, 408}, {300, 100}},
        {"kept inside at the edge", {0, 900, 700, 124}, {500, 300}, {708, 724}, {0, 900}},
        {"the neighbour moves over to make room", {296, 401, 690, 252}, {706, 528}, {296, 0}, {296, 536}},
        {"least covered without room", {200, 200, 900, 700}, {600, 500}, {200, 0}, {200, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BesidePlaces places = placeBeside(c.neighbour, c.size, area);
        EXPECT_EQ(places.dialog, c.dialog) << places.dialog.x() << "," << places.dialog.y();
        EXPECT_EQ(places.neighbour, c.neighbourMovedTo) << places.neighbour.x() << "," << places.neighbour.y();
        EXPECT_TRUE(area.contains(QRect(places.dialog, c.size)));
    }
}

}  // namespace
}  // namespace tessel::ui
