#include "simulator/ui/screen_painter.h"

#include <QFontDatabase>
#include <string>

#include "core/model_family.h"
#include "core/text_encoding.h"

namespace tessel::ui {
namespace {

QFont screenFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Terminal bytes on the 8-pixel character grid, starting at `origin`.
void drawBytes(QPainter& painter, QPoint origin, const std::string& bytes) {
    const QString text = QString::fromStdString(cp1251ToUtf8(bytes));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QRect cell(origin.x() + kCharPitch * static_cast<int>(i), origin.y(), kCharPitch + 2, kRowPitch);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text.at(i));
    }
}

}  // namespace

ScreenGeometry screenGeometry(int family) {
    if (is4760(family)) return {84, 43, {43, 220}, {50, 220}, QRect(QPoint(43, 84), QPoint(216, 254))};
    return {64, 41, {40, 204}, {40, 204}, QRect(QPoint(40, 64), QPoint(216, 254))};
}

void paintScreen(QPainter& painter, const SkinArtwork& artwork, int family, const sim::Screen& screen,
                 bool cursorShown) {
    const auto geometry = screenGeometry(family);
    painter.setFont(screenFont());
    const auto cursorCell = geometry.cell(screen.cursor.column, screen.cursor.row);
    if (screen.state == sim::SimState::FormScreen && cursorShown) painter.drawPixmap(cursorCell, artwork.cursor());
    for (int row = 0; row < sim::kScreenRows; ++row) {
        const QPoint origin(kTextX, geometry.top + kRowPitch * row);
        const bool highlighted = screen.highlightRow == row + 1;
        if (highlighted) painter.drawPixmap(geometry.barX, origin.y(), artwork.highlightBar());
        painter.setPen(highlighted ? Qt::white : Qt::black);
        drawBytes(painter, origin, screen.rows[row]);
    }
    if (screen.state == sim::SimState::MainMenu && !screen.clockText.empty()) {
        painter.drawPixmap(geometry.clockBackground, artwork.clockBackground());
        painter.setPen(Qt::black);
        drawBytes(painter, geometry.clockText, screen.clockText);
    }
    if (screen.pendingCharacter) {
        painter.drawPixmap(cursorCell, artwork.cursor());
        painter.setPen(Qt::black);
        drawBytes(painter, cursorCell, std::string(1, *screen.pendingCharacter));
    }
}

}  // namespace tessel::ui
