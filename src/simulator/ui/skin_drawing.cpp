#include "simulator/ui/skin_drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace tessel::ui {

QString keyLegend(int code) {
    switch (code) {
        case 1: return "1";
        case 2: return "2";
        case 3: return "3";
        case 4: return "SP";
        case 5: return "4";
        case 6: return "5";
        case 7: return "6";
        case 9: return "7";
        case 10: return "8";
        case 11: return "9";
        case 13: return "-";
        case 14: return "0";
        case 15: return ".";
        case 8: return "F1";
        case 12: return "F2";
        case 16: return "F3";
        case 30: return ",;";
        case 31: return "$:";
        case 32: return QString::fromUtf8("\u25B2");
        case 33: return QString::fromUtf8("\u25BC");
        case 34: return QString::fromUtf8("\u25C0");
        case 35: return QString::fromUtf8("\u25B6");
        case 36: return "ESC";
        case 37: return "BS";
        case 38: return "F4";
        case 39: return "F5";
        case 40: return "F6";
        case 41: return QString::fromUtf8("\u2630");
        case 42:
        case 43: return "ENT";
        case 44: return "SCAN";
        default: break;
    }
    if (code >= 17 && code <= 29) {
        const QChar first = QChar('A' + 2 * (code - 17));
        return code == 29 ? QString("YZ") : QString(first) + QChar(first.unicode() + 1);
    }
    return {};
}

namespace {

// Marks such as ".", "-" and ",;" are small glyphs: they get a larger font
// than digits and letters so that they read as clearly on a small key.
bool isPunctuation(const QString& legend) {
    return std::all_of(legend.begin(), legend.end(), [](QChar c) { return c.isPunct() || c == '$'; });
}

qreal legendScale(const QString& legend) {
    if (isPunctuation(legend)) return legend.size() == 1 ? 1.0 : 0.75;
    return legend.size() > 2 ? 0.42 : 0.55;
}

}  // namespace

void drawKey(QPainter& painter, const QRectF& area, const QString& legend, bool pressed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cap = area.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(cap.topLeft(), cap.bottomLeft());
    shade.setColorAt(0, pressed ? QColor(70, 74, 82) : QColor(118, 124, 136));
    shade.setColorAt(1, pressed ? QColor(92, 97, 108) : QColor(72, 76, 86));
    painter.setPen(QPen(QColor(30, 32, 36), 1));
    painter.setBrush(shade);
    const qreal radius = std::min(cap.width(), cap.height()) / 4;
    painter.drawRoundedRect(cap, radius, radius);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(cap.height() * legendScale(legend))));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(pressed ? QColor(200, 205, 215) : QColor(245, 246, 250));
    painter.drawText(cap.translated(0, pressed ? 1 : 0), Qt::AlignCenter, legend);
    painter.restore();
}

QPixmap blankPixmap(QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawDisplay(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 22, 24), 3));
    painter.setBrush(QColor(24, 26, 30));
    painter.drawRoundedRect(area.adjusted(-8, -8, 8, 8), 6, 6);
    QLinearGradient glass(area.topLeft(), area.bottomRight());
    glass.setColorAt(0, QColor(196, 214, 176));
    glass.setColorAt(1, QColor(170, 192, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(area);
    painter.restore();
}

}  // namespace tessel::ui
