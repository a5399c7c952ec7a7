#pragma once
// Paints the simulated screen over a family's terminal picture: the rows, the
// highlight bar, the input cursor, the clock line and a pending multi-tap
// character. The main window's terminal and the editor sheet's preview both
// paint through here, so the preview looks exactly as the terminal does.
#include <QPainter>
#include <QPoint>
#include <QRect>

#include "simulator/screen.h"
#include "simulator/ui/skin_artwork.h"

namespace tessel::ui {

inline constexpr int kRowPitch = 17;
inline constexpr int kCharPitch = 8;
inline constexpr int kTextX = 50;

// Where the screen's parts lie in each family's picture. The group family's
// screen lies 20 pixels higher; its clock line starts 10 pixels left of the
// rows, where its background (from x 40) covers it.
struct ScreenGeometry {
    int top;   // y of row 0
    int barX;  // x of the highlight bar
    QPoint clockBackground;
    QPoint clockText;
    QRect area;  // the whole text area

    QRect rowArea(int row) const {
        return QRect(QPoint(area.left(), top + kRowPitch * row), QPoint(area.right(), top + kRowPitch * (row + 1)));
    }
    // The cell of column `column` in row `row`: the cursor stands under the
    // character that the column shows.
    QPoint cell(int column, int row) const { return QPoint(kTextX + kCharPitch * column, top + kRowPitch * row); }
};

ScreenGeometry screenGeometry(int family);

// Paints `screen` in the picture's coordinates; the cursor only while
// `cursorShown` (it blinks).
void paintScreen(QPainter& painter, const SkinArtwork& artwork, int family, const sim::Screen& screen,
                 bool cursorShown);

}  // namespace tessel::ui
