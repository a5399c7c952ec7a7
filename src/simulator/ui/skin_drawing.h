#pragma once
// Drawing helpers for the skin pictures.
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace tessel::ui {

// The legend printed on the key of `code`.
QString keyLegend(int code);

// A key cap filling `area`, raised or pressed in.
void drawKey(QPainter& painter, const QRectF& area, const QString& legend, bool pressed);

// A pixmap of `size` logical pixels at `ratio`, transparent.
QPixmap blankPixmap(QSize size, qreal ratio);

// The terminal's display window at `area` (logical pixels).
void drawDisplay(QPainter& painter, const QRectF& area);

}  // namespace tessel::ui
