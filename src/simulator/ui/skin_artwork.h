#pragma once
// The pictures of the terminals: the body, every key released and pressed, and
// the screen's clock background, highlight bar and cursor. They are drawn in
// code, so they need no image files and stay sharp at any scale; a folder of
// PNG files named by image id (e.g. "576.png") may replace any of them.
#include <QPixmap>
#include <QRect>
#include <QString>
#include <vector>

#include "simulator/keypad.h"

namespace tessel::ui {

// Where the group family's picture shows the cap of `key`, released or
// pressed. Each cap lies inside the key's hit area, so a click on the picture
// hits the key; the digit and letter rows fill their areas, which makes the
// rows even, and the small function keys under them keep clear of the row
// above.
QRect groupKeyCap(const sim::KeyArea& key);

class SkinArtwork {
public:
    // The images of `family` in the skin's order: for 4760, 0 the terminal,
    // 1-37 the pressed keys, 38-74 the released keys, 75 the clock background,
    // 76 the highlight bar, 77 the cursor; for the group family, 0 the
    // terminal, 1 the released keypad, 2-40 the pressed keys, 41-43 as above.
    SkinArtwork(int family, qreal devicePixelRatio = 1.0, const QString& overrideFolder = {});

    const QPixmap& image(int index) const { return images_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(images_.size()); }
    bool is4760() const { return is4760_; }

    const QPixmap& clockBackground() const { return image(count() - 3); }
    const QPixmap& highlightBar() const { return image(count() - 2); }
    const QPixmap& cursor() const { return image(count() - 1); }

private:
    void draw4760(qreal ratio);
    void drawGroup(qreal ratio);
    void drawScreenImages(QSize bar, QSize cursor, qreal ratio);
    void applyOverrides(const QString& folder, int firstId);

    bool is4760_;
    std::vector<QPixmap> images_;
};

}  // namespace tessel::ui
