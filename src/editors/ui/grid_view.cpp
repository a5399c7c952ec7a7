#include "editors/ui/grid_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "editors/character_grid.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr int kLines = kGridSide + 1;  // a header and 16 cells each way
const QColor kGreyLine(196, 196, 196);
const QColor kHeaderFill(224, 224, 224);
const QColor kSelection(0, 0, 255);
const QColor kUnselectableFill(244, 244, 244);

QString headerText(int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

GridView::GridView(CharacterGrid& grid, QWidget* parent) : QWidget(parent), grid_(grid) {
    setObjectName("grid");
    setMinimumSize(17 * 36, 17 * 20);
}

QRect GridView::cellRect(int gridColumn, int gridRow) const {
    const int w = width() / kLines;
    const int h = height() / kLines;
    return {gridColumn * w, gridRow * h, w, h};
}

QPoint GridView::cellCentre(int column, int row) const { return cellRect(column + 1, row + 1).center(); }

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintHeaders(painter);
    paintCells(painter);
    const QRect all(0, 0, cellRect(kLines, 0).x(), cellRect(0, kLines).y());
    painter.setPen(Qt::black);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
    painter.drawLine(cellRect(1, 0).topLeft(), cellRect(1, kGridSide).bottomLeft());
    painter.drawLine(cellRect(0, 1).topLeft(), cellRect(kGridSide, 1).topRight());
}

void GridView::paintHeaders(QPainter& painter) const {
    for (int i = 0; i < kLines; ++i) {
        for (const QRect& r : {cellRect(i, 0), cellRect(0, i)}) {
            painter.fillRect(r, kHeaderFill);
            painter.setPen(Qt::white);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (i == 0) continue;
        painter.setPen(Qt::black);
        painter.drawText(cellRect(i, 0), Qt::AlignCenter, headerText((i - 1) * kGridSide));
        painter.drawText(cellRect(0, i), Qt::AlignCenter, headerText(i - 1));
    }
}

void GridView::paintCells(QPainter& painter) const {
    for (int column = 0; column < kGridSide; ++column) {
        for (int row = 0; row < kGridSide; ++row) {
            const QRect r = cellRect(column + 1, row + 1);
            const Byte value = gridCellByte(column, row);
            const bool selected = column == grid_.selectedColumn() && row == grid_.selectedRow();
            painter.fillRect(r, isUnselectableByte(value) ? kUnselectableFill : QColor(Qt::white));
            painter.setPen(kGreyLine);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            if (selected) painter.fillRect(r.adjusted(1, 1, -1, -1), kSelection);
            QColor text = selected ? QColor(Qt::white) : QColor(Qt::black);
            if (isUnselectableByte(value)) text = kGreyLine;
            if (isVariableByte(value)) text = Qt::red;
            painter.setPen(text);
            painter.drawText(r, Qt::AlignCenter, toQString(gridByteName(value)));
        }
    }
}

void GridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int column = event->position().toPoint().x() / (width() / kLines);
    const int row = event->position().toPoint().y() / (height() / kLines);
    if (column < 1 || column > kGridSide || row < 1 || row > kGridSide) return;
    grid_.click(column - 1, row - 1);
    update();
    emit picked();
}

}  // namespace tessel
