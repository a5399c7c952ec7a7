// The simulated screen as the terminal view paints it, checked in the
// rendered image: the highlight bar over the whole row with white text on it,
// the blinking cursor in forms only, the group family's screen 20 pixels
// higher, and the clock line inside its background.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "core/messages.h"
#include "core/model_family.h"
#include "simulator/field_types.h"
#include "simulator/key_script.h"
#include "simulator/simulator.h"
#include "simulator/ui/skin_artwork.h"
#include "simulator/ui/terminal_view.h"
#include "support/projects.h"

namespace tessel::ui {
namespace {

constexpr int kRowPitch = 17;
constexpr int kTextX = 50;
constexpr int kRowWidth = 20 * 8;  // 20 characters on the 8-pixel grid

// Where each family's screen lies in its picture.
struct Family {
    int family;
    int top;                 // y of row 0
    QRect screen;            // the whole text area
    QPoint clockBackground;  // where the clock line's background starts
    int clockTextX;          // where the clock text starts
};

const Family kFamilies[] = {
    {kFamily4760, 84, QRect(QPoint(43, 84), QPoint(216, 254)), {43, 220}, 50},
    {kFamilyGroup, 64, QRect(QPoint(40, 64), QPoint(216, 254)), {40, 204}, 40},
};

bool isWhite(QColor c) { return c.red() >= 230 && c.green() >= 230 && c.blue() >= 230; }
bool isInk(QColor c) { return c.lightness() < 90; }

// Form 1 shows a prompt on its first line and takes a quantity on its fourth;
// menu 1 starts the application with an item that fills the whole row.
class ScreenPainting : public ::testing::Test {
protected:
    void start(const Family& family) {
        project = tessel::test::newProject(family.family);
        FormRecord& form = project.definition.forms[0];
        form.fieldType[0] = static_cast<Byte>(kFieldPrompt);
        setCellText(form.fieldPrompt[0], "Count");
        form.fieldType[3] = static_cast<Byte>(kFieldInteger);
        setCellText(form.fieldPrompt[3], "Qty:");
        form.maxLength[3] = 5;
        MenuRecord& menu = project.definition.menus[0];
        setCellText(menu.itemName[0], "12345678901234567890");
        setCellText(menu.itemName[1], "2. Count");
        menu.itemTarget = {1, 1};
        project.definition.settings.programStart = 1;
        view.emplace();
        view->setFamily(family.family);
        simulator.emplace(project, tessel::test::builtinStrings(), messages, clock, *view);
        view->setSimulator(&*simulator);
        simulator->restart();
    }

    void run(std::string_view script) { sim::runKeyScript(*simulator, clock, script); }

    QImage painted() {
        QImage image(view->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        view->render(&image);
        return image;
    }

    Project project;
    CapturedMessages messages;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    std::optional<TerminalView> view;
    std::optional<sim::Simulator> simulator;
};

TEST_F(ScreenPainting, HighlightBarCoversTheWholeRowAndCarriesWhiteText) {
    for (const auto& family : kFamilies) {
        SCOPED_TRACE(family.family);
        start(family);
        run("1");  // menu 1, its first item (20 characters) highlighted
        const QImage image = painted();
        const QColor bar = SkinArtwork(family.family).highlightBar().toImage().pixelColor(0, 0);
        for (int x = kTextX - 2; x < kTextX + kRowWidth + 2; ++x) {
            ASSERT_EQ(image.pixelColor(x, family.top), bar) << "bar missing at x " << x;
        }
        // White text only on the bar; the last column's glyph is white too.
        int whiteInLastColumn = 0;
        for (int y = family.screen.top(); y <= family.screen.bottom(); ++y) {
            for (int x = family.screen.left(); x <= family.screen.right(); ++x) {
                if (!isWhite(image.pixelColor(x, y))) continue;
                EXPECT_TRUE(y >= family.top && y < family.top + kRowPitch) << "white at " << x << "," << y;
                if (x >= kTextX + kRowWidth - 8) ++whiteInLastColumn;
            }
        }
        EXPECT_GT(whiteInLastColumn, 0);
        // The second item is written in black on the glass.
        int ink = 0;
        for (int x = kTextX; x < kTextX + 8 * 8; ++x) {
            for (int y = family.top + kRowPitch; y < family.top + 2 * kRowPitch; ++y) {
                ink += isInk(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 20);
    }
}

TEST_F(ScreenPainting, CursorBlinksInFormsAndIsDrawnNowhereElse) {
    for (const auto& family : kFamilies) {
        SCOPED_TRACE(family.family);
        start(family);
        // The cursor's underline in a column of row 3 (the quantity line).
        const auto underlineAt = [&](int column) {
            return QPoint(kTextX + 8 * column + 3, family.top + 3 * kRowPitch + kRowPitch - 2);
        };
        const auto cursorShownAt = [&](int column) { return isInk(painted().pixelColor(underlineAt(column))); };
        run("1 2");  // the form, cursor after "Qty:"
        EXPECT_TRUE(cursorShownAt(4));
        for (int i = 0; i < 5; ++i) view->tick();
        EXPECT_FALSE(cursorShownAt(4)) << "hidden half the time";
        for (int i = 0; i < 5; ++i) view->tick();
        EXPECT_TRUE(cursorShownAt(4));
        for (int i = 0; i < 5; ++i) view->tick();
        run("7");  // typing shows it at once, one column on
        EXPECT_TRUE(cursorShownAt(5));
        EXPECT_FALSE(cursorShownAt(4));
        // The message screen, the main menu and a menu keep the cursor
        // position but draw no cursor.
        for (const char* script : {".", ". 1 ESC", ". 1 ESC 1"}) {
            start(family);
            run(std::string("1 2 7 ") + script);
            ASSERT_NE(simulator->screen().state, sim::SimState::FormScreen) << script;
            EXPECT_FALSE(cursorShownAt(5)) << script;
        }
    }
}

// The same form screen in both families: the group family's text and cursor
// are the 4760's moved 20 pixels up.
TEST_F(ScreenPainting, GroupScreenLiesTwentyPixelsHigher) {
    std::vector<QImage> inks;
    for (const auto& family : kFamilies) {
        start(family);
        run("1 2 7");
        const QImage image = painted().copy(QRect(kTextX, family.top, kRowWidth, 9 * kRowPitch));
        QImage ink(image.size(), QImage::Format_Mono);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) ink.setPixel(x, y, isInk(image.pixelColor(x, y)) ? 1 : 0);
        }
        inks.push_back(ink);
    }
    EXPECT_EQ(inks[0], inks[1]);
}

TEST_F(ScreenPainting, ClockLineLiesInsideItsBackground) {
    for (const auto& family : kFamilies) {
        SCOPED_TRACE(family.family);
        start(family);
        view->tick();
        const QImage image = painted();
        const QPixmap background = SkinArtwork(family.family).clockBackground();
        const QRect area(family.clockBackground, background.size());
        const QColor paper = background.toImage().pixelColor(0, 0);
        EXPECT_EQ(image.pixelColor(area.topLeft()), paper);
        EXPECT_EQ(image.pixelColor(area.bottomRight()), paper);
        // The clock text, 20 characters from its start, all on its background.
        int first = image.width();
        int last = -1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (!isInk(c) || !family.screen.contains(x, y)) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        EXPECT_GE(first, family.clockTextX);
        EXPECT_LT(first, family.clockTextX + 8);
        EXPECT_GE(first, area.left());
        EXPECT_GE(last, family.clockTextX + kRowWidth - 8);
        EXPECT_LE(last, area.right());
    }
}

}  // namespace
}  // namespace tessel::ui
