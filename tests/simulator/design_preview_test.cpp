// The editor sheet's preview: the screen the engine shows for a form, a
// menu or a group of texts, the sample record of a form, and the project
// left as it was.
#include "simulator/design_preview.h"

#include <gtest/gtest.h>

#include "simulator/startup_groups.h"
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

using Kind = PreviewSubject::Kind;

class DesignPreviewTest : public SimulatorTest {
protected:
    DesignPreview preview(Kind kind, std::size_t index = 0) {
        return previewDesign(project, tessel::test::builtinStrings(), clock, {kind, index});
    }

    // The rows as `tessel sim` prints them, bars and all.
    static std::vector<std::string> rowsOf(const Screen& screen) {
        std::vector<std::string> rows;
        for (int row = 0; row < kScreenRows; ++row) rows.push_back("|" + shownRowText(screen, row) + "|");
        return rows;
    }

    // What the simulator shows after `script` from the main menu.
    std::vector<std::string> simulatedRows(std::string_view script) {
        start();
        run(script);
        return rowsOf(simulator->screen());
    }

    void designStockCount() {
        setField(1, 0, kFieldText, "Item", 12);
        form(1).inputMark[0] = '_';
        setField(1, 1, kFieldInteger, "Qty", 4);
        form(1).initialValueOn[1] = 1;
        setCellText(form(1).initialValue[1], "1");
        setField(1, 2, kFieldCounter, "No ");
        setField(2, 0, kFieldAuto, "Weight", 3);
        form(2).fieldLink[0] = 9;
        setMenu(1, {{"Stock", 1}, {"Weigh", 2}});
        menu(1).captionOn = 1;
        setText(menu(1).caption, "Count");
    }
};

TEST_F(DesignPreviewTest, FormsAndMenusShowAsTheSimulatorEntersThem) {
    designStockCount();
    project.definition.settings.programStart = 1;
    const auto menu = preview(Kind::Menu, 0);
    EXPECT_EQ(rowsOf(menu.screen), simulatedRows("1"));
    EXPECT_EQ(menu.screen.state, SimState::MenuScreen);
    EXPECT_EQ(menu.screen.highlightRow, 2);
    EXPECT_FALSE(menu.hasRecord);

    const auto first = preview(Kind::Form, 0);
    EXPECT_EQ(rowsOf(first.screen), simulatedRows("1 1"));
    EXPECT_EQ(first.screen.state, SimState::FormScreen);
    EXPECT_EQ(first.screen.cursor.column, 4);
    EXPECT_EQ(rowsOf(preview(Kind::Form, 1).screen), simulatedRows("1 2"));
}

TEST_F(DesignPreviewTest, AFormOfTheWorkingCopyShowsWithItsLineCountWorkedOut) {
    // The page's working copy has no line count yet; the engine works it out
    // when the application starts, and so does the preview.
    setField(3, 0, kFieldText, "Lot");
    form(3).fieldCount = 0;
    setField(3, 1, kFieldPrompt, "Scan the lot");
    const auto shown = preview(Kind::Form, 2);
    EXPECT_EQ(shownRowText(shown.screen, 0), "Lot                 ");
    EXPECT_EQ(shownRowText(shown.screen, 1), "Scan the lot        ");
}

TEST_F(DesignPreviewTest, ThePreviewLeavesTheProjectAsItWas) {
    designStockCount();
    form(1).fieldCount = 0;
    menu(1).runtime[0] = 1;
    const auto before = recordBytes(project.definition);
    const std::vector<Byte> saved(before.begin(), before.end());
    for (const Kind kind : {Kind::StartScreen, Kind::Form, Kind::Menu, Kind::TextGroup}) preview(kind, 0);
    preview(Kind::TextGroup, 23);
    const auto after = recordBytes(project.definition);
    EXPECT_EQ(std::vector<Byte>(after.begin(), after.end()), saved);
}

TEST_F(DesignPreviewTest, TextGroupsShowOnTheScreenThatCarriesThem) {
    designStockCount();
    struct Case {
        std::size_t group;
        std::string_view script;  // that leads the simulator to the same screen
    };
    const Case cases[] = {{0, ""}, {1, "3"}, {kSettingsGroup, "3 1"}, {21, "2"}};
    for (const auto& c : cases) {
        EXPECT_EQ(rowsOf(preview(Kind::TextGroup, c.group).screen), simulatedRows(c.script)) << c.group;
    }
    EXPECT_EQ(rowsOf(preview(Kind::StartScreen).screen), simulatedRows(""));
}

TEST_F(DesignPreviewTest, ErrorMessagesShowOverAnEmptyForm) {
    const auto rows = rowsOf(preview(Kind::TextGroup, 23).screen);
    const auto lines = project.definition.texts.block(25);
    EXPECT_EQ(rows[0], kBlankRow);
    EXPECT_EQ(rows[3], kBlankRow);
    EXPECT_EQ(rows[4], kStarsRow);
    EXPECT_EQ(rows[5], row(cellText(lines[0])));
    EXPECT_EQ(rows[6], row(cellText(lines[5])));
    EXPECT_EQ(rows[7], kStarsRow);
}

TEST_F(DesignPreviewTest, OtherGroupsShowTheirLinesAsText) {
    setText(project.definition.texts.block(4)[1], "Erase all?");
    const auto shown = preview(Kind::TextGroup, 2);  // "Delete Data ", four lines of block 4
    const auto lines = project.definition.texts.block(4);
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ("|" + shownRowText(shown.screen, line) + "|", row(cellText(lines[static_cast<std::size_t>(line)])));
    }
    EXPECT_EQ(shownRowText(shown.screen, 1), "Erase all?          ");
    EXPECT_EQ(shownRowText(shown.screen, 4), "                    ");
    EXPECT_EQ(shown.screen.highlightRow, 0);
    EXPECT_TRUE(shown.screen.clockText.empty());
}

TEST_F(DesignPreviewTest, TheUploadPortGroupFollowsTheFamily) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        project = tessel::test::newProject(family);
        const auto shown = preview(Kind::TextGroup, kUploadPortGroup);
        const auto lines = project.definition.texts.block(9);
        const std::size_t edited = editedLines(kUploadPortGroup, family);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            const auto expected = line < edited ? row(cellText(lines[line])) : kBlankRow;
            EXPECT_EQ("|" + shownRowText(shown.screen, static_cast<int>(line)) + "|", expected) << family << line;
        }
    }
}

TEST_F(DesignPreviewTest, SampleRecordTakesInitialValuesSamplesDelimitersAndStamp) {
    designStockCount();
    project.definition.settings.fieldDelimiter1 = ';';
    project.definition.settings.fieldDelimiter2 = 0;
    form(1).stampPosition = 2;
    form(1).stampDateStyle = 1;  // month, day, year
    form(1).stampYear = form(1).stampHour = form(1).stampMinute = form(1).stampSecond = 0;
    form(1).stampDay = form(1).stampMonth = 1;
    form(1).stampSplit = 0;
    form(1).stampDateSeparatorOn = 1;
    setCellText(form(1).stampDateSeparator, "/");
    const auto shown = preview(Kind::Form, 0);
    ASSERT_TRUE(shown.hasRecord);
    // Item: the text sample; Qty: its initial value; the counter line outputs nothing.
    EXPECT_EQ(shown.record, "TEXT;1;03/05");
}

// Only the types from text to fixed data go into a record.
TEST(SampleRecord, SamplesFollowTheTypeAndTheLengths) {
    struct Case {
        int type;
        Byte minLength;
        Byte maxLength;
        std::string expected;
    };
    const Case cases[] = {
        {kFieldText, 0, 160, "TEXT"},  {kFieldInteger, 0, 3, "123"},
        {kFieldReal, 0, 160, "12.50"}, {kFieldLetter, 12, 160, "ABCDEFGHIJAB"},
        {kFieldBoolean, 0, 1, "Y"},    {kFieldAlphameric, 0, 4, ""},
        {kFieldAuto, 2, 2, "12"},      {kFieldPrompt, 0, 160, ""},
        {kFieldVariable2, 0, 0, ""},
    };
    for (const auto& c : cases) {
        FormRecord form{};
        form.fieldType[0] = static_cast<Byte>(c.type);
        form.minLength[0] = c.minLength;
        form.maxLength[0] = c.maxLength;
        EXPECT_EQ(sampleRecord(form, SystemSettings{}, kFifthOfMarch), c.expected) << c.type;
    }
}

TEST(SampleRecord, LookupFieldsOutputOnlyWhenTheySaveTheirData) {
    FormRecord form{};
    form.fieldType[0] = kFieldLookup;
    form.fieldType[1] = kFieldFixedData;
    setText(form.fieldPrompt[1], "DEPOT");
    SystemSettings settings{};
    settings.fieldDelimiter1 = ',';
    EXPECT_EQ(sampleRecord(form, settings, kFifthOfMarch), "DEPOT");
    form.initialValueOn[0] = 1;
    EXPECT_EQ(sampleRecord(form, settings, kFifthOfMarch), "LOOKUP,DEPOT");
}

}  // namespace
}  // namespace tessel::sim::test
