#include "simulator/ui/skin_artwork.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "core/model_family.h"
#include "simulator/keys.h"
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
// The group family's keys outside the digit and letter columns.
constexpr int kFunctionKeyF4 = 38;
constexpr int kFunctionKeyF5 = 39;
constexpr int kFunctionKeyF6 = 40;
constexpr int kMenuKey = 41;
constexpr int kScanKey = 44;
// The group family's highlight bar and clock background reach from the left
// edge of the display over all 20 columns of a row (x 50 to 209) and the
// clock line (from x 40) to the right edge of the screen area (x 216).
constexpr QSize kGroupBarSize(176, 18);
constexpr QColor kScreenInk(34, 40, 30);
constexpr qreal kCursorThickness = 3;
constexpr qreal kCharacterWidth = 8;  // the screen's character pitch

QSize imageSize4760(int code) {
    if (code <= 16) return {31, 20};
    if (code <= 31) return {24, 17};
    if (code <= 33) return {50, 22};
    if (code <= 35) return {32, 30};
    return {37, 25};
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

QRect groupKeyCap(const sim::KeyArea& key) {
    const QRect area(QPoint(key.left, key.top), QPoint(key.right, key.bottom));
    switch (key.code) {
        case sim::kKeyEsc:
        case sim::kKeyEnter:
        case kScanKey:
            // The large keys of the top row keep the margin their images have.
            return QRect(QPoint(key.originX, key.originY), area.bottomRight());
        case kFunctionKeyF4:
        case kFunctionKeyF5:
        case kFunctionKeyF6:
        case kMenuKey: {
            // The same small cap for each, centred across its area and at its
            // foot, clear of the row above, whose area ends where this one starts.
            constexpr QSize kFunctionCap(17, 13);
            return QRect(QPoint(area.center().x() - kFunctionCap.width() / 2, area.bottom() - kFunctionCap.height()),
                         kFunctionCap);
        }
        default: return area;
    }
}

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
            drawKey(painter, QRectF(groupKeyCap(key).translated(-kGroupKeypadOrigin)), keyLegend(key.code), false);
        }
    }
    images_[1] = keypad;
    for (const auto& key : keys) {
        const int index = sim::groupPressedImage(key.code);
        if (index < 2) continue;
        const QSize size = groupKeyCap(key).size();
        QPixmap pressed = blankPixmap(size, ratio);
        QPainter painter(&pressed);
        drawKey(painter, QRectF(QPointF(0, 0), QSizeF(size)), keyLegend(key.code), true);
        images_[static_cast<std::size_t>(index)] = pressed;
    }
    QPixmap terminal = blankPixmap(kGroupSize, ratio);
    QPainter painter(&terminal);
    drawBody(painter, kFamilyGroup, kGroupSize);
    drawDisplay(painter, QRectF(41, 60, 176, 198));
    painter.drawPixmap(kGroupKeypadOrigin, keypad);
    painter.end();
    images_[0] = terminal;
    drawScreenImages(kGroupBarSize, {8, 17}, ratio);
}

void SkinArtwork::drawScreenImages(QSize bar, QSize cursor, qreal ratio) {
    QPixmap clock = blankPixmap(bar, ratio);
    clock.fill(QColor(160, 182, 140));
    QPixmap highlight = blankPixmap(bar, ratio);
    highlight.fill(kScreenInk);
    // The cursor is a bold underline in the ink of the text, on a transparent
    // cell so the glass shows through; the view makes it blink.
    QPixmap caret = blankPixmap(cursor, ratio);
    {
        QPainter painter(&caret);
        painter.fillRect(QRectF(0, cursor.height() - kCursorThickness, kCharacterWidth, kCursorThickness), kScreenInk);
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
