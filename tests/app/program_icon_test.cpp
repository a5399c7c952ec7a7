// The window icon is compiled into the program, drawn at each size of the icon theme.
#include <gtest/gtest.h>

#include <QImage>

#include "app/program_icon.h"

namespace tessel::ui {
namespace {

TEST(ProgramIcon, IsCompiledInAtEveryThemeSize) {
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    const auto sizes = icon.availableSizes();
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(sizes.contains(QSize(side, side)));
        const QImage image = icon.pixmap(side, side).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        // Drawn, not blank: the corner is transparent and the middle is the terminal's body.
        EXPECT_EQ(qAlpha(image.pixel(0, side - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side / 2, side * 3 / 4)), 255);
    }
}

}  // namespace
}  // namespace tessel::ui
