// Fields longer than their line: scrolling at the right edge of the screen,
// and continuing on extension lines.
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

// Digit keys typing "1234567890123..." up to `count` characters.
std::string digits(int count) {
    std::string script;
    for (int i = 1; i <= count; ++i) script += " " + std::to_string(i % 10);
    return script;
}

class LongFields : public SimulatorTest {
protected:
    const std::string status = "state=FormScreen highlight=0 cursor=";
};

TEST_F(LongFields, ScrollingKeepsTheNewestCharacterVisible) {
    setField(1, 0, kFieldText, "Note:", 30);  // 15 columns of room, 30 characters
    setField(1, 1, kFieldInteger, "N:", 4);
    const std::string typed16 = "1" + digits(16);
    const std::string typed30 = "1" + digits(30);
    const Golden cases[] = {
        {"1" + digits(14), status + "19,0 counter=0", {row("Note:12345678901234"), row("N:")}},
        {"1" + digits(15), status + "19,0 counter=0", {row("Note:23456789012345"), row("N:")}},
        {typed16, status + "19,0 counter=0", {row("Note:34567890123456"), row("N:")}},
        {typed16 + " BS", status + "19,0 counter=0", {row("Note:23456789012345"), row("N:")}},
        {typed16 + " BS BS BS", status + "18,0 counter=0", {row("Note:1234567890123"), row("N:")}},
        // Rendering the form again shows the same view.
        {typed16 + " ENTER", status + "2,1 counter=0", {row("Note:34567890123456"), row("N:")}},
        {typed16 + " ENTER UP", status + "5,0 counter=0", {row("Note:34567890123456"), row("N:")}},
        {typed16 + " ENTER UP 9", status + "6,0 counter=0", {row("Note:9"), row("N:")}},
        // Full: the last character moves to the edge under the cursor and is replaced.
        {typed30, status + "19,0 counter=0", {row("Note:678901234567890"), row("N:")}},
        {typed30 + " 4", status + "19,0 counter=0", {row("Note:678901234567894"), row("N:")}},
        {typed30 + " ENTER UP", status + "5,0 counter=0", {row("Note:678901234567890"), row("N:")}},
        {typed30 + " BS", status + "19,0 counter=0", {row("Note:67890123456789"), row("N:")}},
        {typed30 + " BS 8", status + "19,0 counter=0", {row("Note:678901234567898"), row("N:")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(LongFields, ScrolledLineShowsItsFillCharacterAtTheEdge) {
    setField(1, 0, kFieldText, "Note:", 30);
    form(1).inputMark[0] = '_';
    const Golden cases[] = {
        {"1", status + "5,0 counter=0", {row("Note:_______________")}},
        {"1" + digits(14), status + "19,0 counter=0", {row("Note:12345678901234_")}},
        {"1" + digits(15), status + "19,0 counter=0", {row("Note:23456789012345_")}},
        {"1" + digits(15) + " BS", status + "19,0 counter=0", {row("Note:12345678901234_")}},
        {"1" + digits(15) + " BS BS", status + "18,0 counter=0", {row("Note:1234567890123__")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(LongFields, ExtensionLineContinuesTheField) {
    setField(1, 0, kFieldText, "Desc:", 30);
    setField(1, 1, kFieldExtension, "", 15);  // as the form page sets an extension line's length
    setField(1, 2, kFieldInteger, "N:", 4);
    const std::string onExtension = "1" + digits(16);
    const std::string fullFirstLine = "Desc:123456789012345";
    const Golden cases[] = {
        {"1" + digits(14), status + "19,0 counter=0", {row("Desc:12345678901234"), row(""), row("N:")}},
        {"1" + digits(15), status + "0,1 counter=0", {row(fullFirstLine), row(""), row("N:")}},
        {onExtension, status + "1,1 counter=0", {row(fullFirstLine), row("6"), row("N:")}},
        {onExtension + " BS", status + "0,1 counter=0", {row(fullFirstLine), row(""), row("N:")}},
        {onExtension + " BS BS", status + "19,0 counter=0", {row("Desc:12345678901234"), row(""), row("N:")}},
        {onExtension + " BS BS 9", status + "0,1 counter=0", {row("Desc:123456789012349"), row(""), row("N:")}},
        {onExtension + " UP", status + "1,1 counter=0", {row(fullFirstLine), row("6"), row("N:")}},
        {onExtension + " ENTER", status + "2,2 counter=0", {row(fullFirstLine), row("6"), row("N:")}},
        {onExtension + " ENTER UP", status + "5,0 counter=0", {row(fullFirstLine), row("6"), row("N:")}},
        {onExtension + " ENTER UP 7", status + "6,0 counter=0", {row("Desc:7"), row(""), row("N:")}},
        {onExtension + " ENTER UP 7" + digits(15),
         status + "1,1 counter=0",
         {row("Desc:712345678901234"), row("5"), row("N:")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(LongFields, FillCharactersRunOnOverExtensionLines) {
    setField(1, 0, kFieldText, "Desc:", 30);
    setField(1, 1, kFieldExtension, "", 15);
    form(1).inputMark = {'.', '.', 0, 0, 0, 0, 0, 0};
    expectGolden({"1", status + "5,0 counter=0", {row("Desc:..............."), row("...............")}});
    expectGolden({"1 4 2", status + "7,0 counter=0", {row("Desc:42............."), row("...............")}});
}

TEST_F(LongFields, ExtensionOfTheLastFieldKeepsWhatWasTypedOnIt) {
    setField(1, 0, kFieldText, "Desc:", 30);
    setField(1, 1, kFieldExtension, "", 15);
    form(1).minLength[1] = 5;
    // The line count ends at the text field; a message and its dismissal
    // render the form again, extension line included.
    expectGolden({"1" + digits(17) + " ENTER",
                  "state=MessageScreen highlight=0 cursor=2,1 counter=0",
                  {row("Desc:123456789012345"), row("67"), kBlankRow, kBlankRow, kStarsRow, row("Data is too short!"),
                   row("Press any key..."), kStarsRow}});
    expectGolden({"1" + digits(17) + " ENTER ESC", status + "2,1 counter=0", {row("Desc:123456789012345"), row("67")}});
}

TEST_F(LongFields, FieldWithoutRoomTakesNothing) {
    setField(1, 0, kFieldText, "Zero:", 0);
    expectGolden({"1 1 2 BS 3", status + "5,0 counter=0", {row("Zero:")}});
}

TEST_F(LongFields, PromptOfTheWholeWidthLeavesTheCursorOnTheScreen) {
    setField(1, 0, kFieldText, "ABCDEFGHIJKLMNOPQRST", 5);
    start();
    run("1 1 2 3");
    EXPECT_EQ(simulator->screen().cursor.column, 19);
    EXPECT_EQ(simulator->screen().rows[0], "ABCDEFGHIJKLMNOPQRST");
}

}  // namespace
}  // namespace tessel::sim::test
