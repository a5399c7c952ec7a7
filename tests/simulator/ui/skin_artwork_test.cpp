#include "simulator/ui/skin_artwork.h"

#include <gtest/gtest.h>

#include <QImage>
#include <map>

#include "core/model_family.h"
#include "simulator/keypad.h"
#include "support/temp_dir.h"

namespace tessel::ui {
namespace {

TEST(SkinArtwork, HasEveryImageAtItsSize) {
    struct Case {
        int family, count;
        QSize terminal, bar, cursor;
    };
    const Case cases[] = {
        {kFamily4760, 78, {267, 645}, {173, 17}, {10, 17}},
        {kFamilyGroup, 44, {240, 577}, {176, 18}, {8, 17}},  // the bar spans the 20 columns
    };
    for (const auto& c : cases) {
        const SkinArtwork skin(c.family);
        ASSERT_EQ(skin.count(), c.count);
        for (int i = 0; i < skin.count(); ++i) EXPECT_FALSE(skin.image(i).isNull()) << c.family << " image " << i;
        EXPECT_EQ(skin.image(0).size(), c.terminal);
        EXPECT_EQ(skin.highlightBar().size(), c.bar);
        EXPECT_EQ(skin.cursor().size(), c.cursor);
    }
    EXPECT_EQ(SkinArtwork(kFamily4760).image(1).size(), QSize(31, 20));        // pressed digit 1
    EXPECT_EQ(SkinArtwork(kFamily4760).image(38 + 32).size(), QSize(50, 22));  // released Up
    EXPECT_EQ(SkinArtwork(kFamilyGroup).image(1).size(), QSize(168, 276));     // the released keypad
}

// Pixels of a key's legend inside its cap on the released keypad.
int legendPixels(const QImage& keypad, QRect cap) {
    int count = 0;
    for (int y = cap.top(); y <= cap.bottom(); ++y) {
        for (int x = cap.left(); x <= cap.right(); ++x) {
            const QColor c = keypad.pixelColor(x, y);
            count += c.lightness() >= 150 ? 1 : 0;
        }
    }
    return count;
}

// The group family's keypad pictures match the keys that clicks hit: every
// cap lies inside its hit area and a pressed image covers its cap exactly;
// the caps of a row share their top and height, the function keys are alike
// and clear of the row above, and every legend is large enough to read.
TEST(SkinArtwork, GroupKeypadPicturesMatchTheirHitAreas) {
    const SkinArtwork skin(kFamilyGroup);
    const QImage keypad = skin.image(1).toImage();
    const QPoint keypadOrigin(36, 284);
    std::map<int, QRect> firstCapOfRow;  // by the top of the row's hit areas
    for (const auto& key : sim::keyAreas(kFamilyGroup)) {
        SCOPED_TRACE(key.code);
        const QRect cap = groupKeyCap(key);
        EXPECT_TRUE(QRect(QPoint(key.left, key.top), QPoint(key.right, key.bottom)).contains(cap));
        EXPECT_EQ(skin.image(sim::groupPressedImage(key.code)).size(), cap.size());
        const QRect first = firstCapOfRow.emplace(key.top, cap).first->second;
        EXPECT_EQ(cap.top(), first.top());
        EXPECT_EQ(cap.height(), first.height());
        EXPECT_GE(legendPixels(keypad, cap.translated(-keypadOrigin)), 8) << "legend of " << key.code;
    }
    // The digit and letter rows ("4 5 6 -" among them) are equally high.
    for (const int top : {352, 382, 414, 445, 474, 499, 524}) EXPECT_EQ(firstCapOfRow.at(top).height(), 17) << top;
    // F4, F5, F6 and the menu key: one size, a gap under the row above.
    const QRect f4 = firstCapOfRow.at(541);
    for (const int code : {39, 40, 41}) EXPECT_EQ(groupKeyCap(*sim::findKeyArea(kFamilyGroup, code)).size(), f4.size());
    EXPECT_GE(f4.top() - firstCapOfRow.at(524).bottom(), 4);
}

TEST(SkinArtwork, PngFilesNamedByImageIdReplaceDrawnImages) {
    test::TempDir folder;
    QImage red(173, 17, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString((folder.path() / "576.png").string())));
    const SkinArtwork skin(kFamily4760, 1.0, QString::fromStdString(folder.path().string()));
    EXPECT_EQ(skin.highlightBar().toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_NE(skin.clockBackground().toImage().pixelColor(5, 5), QColor(Qt::red));
}

}  // namespace
}  // namespace tessel::ui
