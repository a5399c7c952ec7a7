#include "simulator/ui/skin_artwork.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "core/model_family.h"
#include "simulator/keypad.h"
#include "simulator/ui/skin_drawing.h"
#include "simulator/window_outline.h"

namespace tessel::ui {
namespace {

constexpr int k4760FirstId = 500;
constexpr int kGroupFirstId = 800;
constexpr QSize k4760Size(267, 645);
constexpr QSize kGroupSize(240, 577);
constexpr QPoint kGroupKeypadOrigin(36, 284);
constexpr QSize kGroupKeypadSize(168, 276);

QSize imageSize4760(int code) {
    if (code <= 16) return {31, 20};
    if (code <= 31) return {24, 17};
    if (code <= 33) return {50, 22};
    if (code <= 35) return {32, 30};
    return {37, 25};
}

QRectF groupKeyRect(const sim::KeyArea& key) {
    return QRectF(key.originX, key.originY, key.right - key.originX + 1, key.bottom - key.originY + 1);
}

void drawBody(QPainter& painter, int family, QSize size) {
    QPolygonF outline;
    for (const auto& point : sim::windowOutline(family)) outline << QPointF(point.x, point.y);
    QLinearGradient shell(0, 0, size.width(), 0);
    shell.setColorAt(0, QColor(46, 50, 58));
    shell.setColorAt(0.5, QColor(66, 72, 82));
    shell.setColorAt(1, QColor(40, 44, 52));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(18, 20, 24), 2));
    painter.setBrush(shell);
    painter.drawPolygon(outline, Qt::WindingFill);
    QFont brand = painter.font();
    brand.setPixelSize(11);
    brand.setBold(true);
    painter.setFont(brand);
    painter.setPen(QColor(190, 196, 208));
    painter.drawText(QRectF(0, 22, size.width(), 20), Qt::AlignHCenter, is4760(family) ? "4760" : "4130");
}

}  // namespace

SkinArtwork::SkinArtwork(int family, qreal ratio, const QString& overrideFolder) : is4760_(tessel::is4760(family)) {
    if (is4760_) {
        draw4760(ratio);
    } else {
        drawGroup(ratio);
    }
    if (!overrideFolder.isEmpty()) applyOverrides(overrideFolder, is4760_ ? k4760FirstId : kGroupFirstId);
}

void SkinArtwork::draw4760(qreal ratio) {
    images_.assign(78, QPixmap());
    for (int code = 1; code <= 37; ++code) {
        for (const bool pressed : {true, false}) {
            QPixmap key = blankPixmap(imageSize4760(code), ratio);
            QPainter painter(&key);
            drawKey(painter, QRectF(QPointF(0, 0), QSizeF(imageSize4760(code))), keyLegend(code), pressed);
            images_[static_cast<std::size_t>(pressed ? code : 37 + code)] = key;
        }
    }
    QPixmap terminal = blankPixmap(k4760Size, ratio);
    QPainter painter(&terminal);
    drawBody(painter, kFamily4760, k4760Size);
    drawDisplay(painter, QRectF(43, 80, 174, 178));
    for (const auto& key : sim::keyAreas(kFamily4760)) {
        if (key.code <= 37) {
            painter.drawPixmap(key.originX, key.originY, images_[static_cast<std::size_t>(37 + key.code)]);
        } else {
            drawKey(painter, QRectF(key.left, key.top, key.right - key.left + 1, key.bottom - key.top + 1),
                    keyLegend(key.code), false);
        }
    }
    painter.end();
    images_[0] = terminal;
    drawScreenImages({173, 17}, {10, 17}, ratio);
}

void SkinArtwork::drawGroup(qreal ratio) {
    images_.assign(44, QPixmap());
    const auto keys = sim::keyAreas(kFamilyGroup);
    QPixmap keypad = blankPixmap(kGroupKeypadSize, ratio);
    {
        QPainter painter(&keypad);
        painter.fillRect(QRectF(QPointF(0, 0), QSizeF(kGroupKeypadSize)), QColor(52, 57, 66));
        for (const auto& key : keys) {
            drawKey(painter, groupKeyRect(key).translated(-kGroupKeypadOrigin), keyLegend(key.code), false);
        }
    }
    images_[1] = keypad;
    for (const auto& key : keys) {
        const int index = sim::groupPressedImage(key.code);
        if (index < 2) continue;
        const QRectF area = groupKeyRect(key);
        QPixmap pressed = blankPixmap(area.size().toSize(), ratio);
        QPainter painter(&pressed);
        drawKey(painter, QRectF(QPointF(0, 0), area.size()), keyLegend(key.code), true);
        images_[static_cast<std::size_t>(index)] = pressed;
    }
    QPixmap terminal = blankPixmap(kGroupSize, ratio);
    QPainter painter(&terminal);
    drawBody(painter, kFamilyGroup, kGroupSize);
    drawDisplay(painter, QRectF(41, 60, 176, 198));
    painter.drawPixmap(kGroupKeypadOrigin, keypad);
    painter.end();
    images_[0] = terminal;
    drawScreenImages({158, 18}, {8, 17}, ratio);
}

void SkinArtwork::drawScreenImages(QSize bar, QSize cursor, qreal ratio) {
    QPixmap clock = blankPixmap(bar, ratio);
    clock.fill(QColor(160, 182, 140));
    QPixmap highlight = blankPixmap(bar, ratio);
    highlight.fill(QColor(34, 40, 30));
    QPixmap caret = blankPixmap(cursor, ratio);
    caret.fill(QColor(184, 204, 164));
    {
        QPainter painter(&caret);
        painter.fillRect(QRectF(0, cursor.height() - 2.5, cursor.width(), 2.5), QColor(20, 24, 18));
    }
    const std::size_t last = images_.size();
    images_[last - 3] = clock;
    images_[last - 2] = highlight;
    images_[last - 1] = caret;
}

void SkinArtwork::applyOverrides(const QString& folder, int firstId) {
    const QDir dir(folder);
    for (std::size_t index = 0; index < images_.size(); ++index) {
        const QString file = dir.filePath(QString::number(firstId + static_cast<int>(index)) + ".png");
        QPixmap replacement;
        if (QFileInfo::exists(file) && replacement.load(file)) images_[index] = replacement;
    }
}

}  // namespace tessel::ui
