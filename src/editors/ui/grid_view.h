#pragma once
// The 16 x 16 table of the character grid with its header row and column.
// Each cell names one byte; a click hands the cell to the grid model.
#include <QWidget>

namespace tessel {

class CharacterGrid;

class GridView : public QWidget {
    Q_OBJECT
public:
    GridView(CharacterGrid& grid, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {17 * 40, 17 * 24}; }
    // Centre of the cell of (column, row), both 0..15, in widget coordinates.
    QPoint cellCentre(int column, int row) const;

signals:
    void picked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect cellRect(int gridColumn, int gridRow) const;  // 0 is the header
    void paintHeaders(QPainter& painter) const;
    void paintCells(QPainter& painter) const;

    CharacterGrid& grid_;
};

}  // namespace tessel
