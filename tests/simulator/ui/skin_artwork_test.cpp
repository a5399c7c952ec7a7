#include "simulator/ui/skin_artwork.h"

#include <gtest/gtest.h>

#include <QImage>

#include "core/model_family.h"
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
        {kFamilyGroup, 44, {240, 577}, {158, 18}, {8, 17}},
    };
    for (const auto& c : cases) {
        const SkinArtwork skin(c.family);
        ASSERT_EQ(skin.count(), c.count);
        for (int i = 0; i < skin.count(); ++i) EXPECT_FALSE(skin.image(i).isNull()) << c.family << " image " << i;
        EXPECT_EQ(skin.image(0).size(), c.terminal);
        EXPECT_EQ(skin.highlightBar().size(), c.bar);
        EXPECT_EQ(skin.cursor().size(), c.cursor);
    }
    EXPECT_EQ(SkinArtwork(kFamily4760).image(1).size(), QSize(31, 20));    // pressed digit 1
    EXPECT_EQ(SkinArtwork(kFamily4760).image(38 + 32).size(), QSize(50, 22));  // released Up
    EXPECT_EQ(SkinArtwork(kFamilyGroup).image(1).size(), QSize(168, 276));  // the released keypad
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
