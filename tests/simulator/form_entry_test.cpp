// Typing into form fields: multi-tap letters, the characters each type
// takes, the message screen, full fields, fill characters, the sign column
// and clearing a field that still shows its value.
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

// The message screen over a form whose first four rows are given.
std::vector<std::string> messageRows(std::vector<std::string> formRows, std::string_view message) {
    formRows.resize(4, kBlankRow);
    formRows.insert(formRows.end(), {kStarsRow, row(message), row("Press any key..."), kStarsRow});
    return formRows;
}

using FormEntry = SimulatorTest;

TEST_F(FormEntry, MultiTapLetterKeys) {
    setField(1, 0, kFieldText, "Name:", 10);
    const std::string typing = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        // The pending character shows in the cursor cell until it is entered.
        {"1 A-B", typing + "5,0 counter=0", {row("Name:A")}},
        {"1 A-B A-B A-B tick:6", typing + "5,0 counter=0", {row("Name:a")}},
        {"1 A-B A-B A-B tick:7", typing + "6,0 counter=0", {row("Name:a")}},
        {"1 A-B A-B A-B A-B A-B tick:7", typing + "6,0 counter=0", {row("Name:A")}},
        {"1 A-B A-B tick:5 A-B A-B tick:7", typing + "6,0 counter=0", {row("Name:b")}},
        {"1 A-B C-D", typing + "6,0 counter=0", {row("Name:AC")}},
        {"1 A-B C-D tick:7", typing + "7,0 counter=0", {row("Name:AC")}},
        {"1 A-B tick:7 A-B tick:7", typing + "7,0 counter=0", {row("Name:AA")}},
        {"1 SPACE SPACE tick:7 Y-Z Y-Z Y-Z Y-Z", typing + "6,0 counter=0", {row("Name: z")}},
        {"1 SPACE SPACE Y-Z tick:7", typing + "7,0 counter=0", {row("Name: Y")}},
        {"1 ,; ,; ,; tick:7 $: $: tick:7", typing + "7,0 counter=0", {row("Name:,:")}},
        {"1 A-B 5", typing + "7,0 counter=0", {row("Name:A5")}},
        {"1 W-X W-X 0 -", typing + "8,0 counter=0", {row("Name:X0-")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, CharactersEachTypeTakes) {
    struct Case {
        int type;
        std::string taken;
        std::string refused;
    };
    const Case cases[] = {
        {kFieldText, "aZ09 .-,;$:", ""},
        {kFieldExtension, "aZ09 .-", ""},
        {kFieldVariable2, "aZ09 .-", ""},
        {kFieldInteger, "0123456789", "-. aZ"},
        {kFieldAuto, "0123456789", "-. aZ"},
        {kFieldReal, "0123456789.", "- aZ,"},
        {kFieldLetter, "azAZ", "09 .-\xC0"},
        {kFieldBoolean, "01FNTYfnty", "2AaBb .-"},
        {kFieldAlphameric, "azAZ09", " .-,\xC0"},
        {kFieldCompare, "", "aZ09 .-"},
        {kFieldNone, "", "aZ09"},
        {kFieldLookup, "", "aZ09"},
        {kFieldPrompt, "", "aZ09"},
        {kFieldPassDown, "", "aZ09"},
    };
    for (const auto& c : cases) {
        for (char ch : c.taken) EXPECT_TRUE(acceptsCharacter(c.type, ch)) << c.type << " '" << ch << "'";
        for (char ch : c.refused) EXPECT_FALSE(acceptsCharacter(c.type, ch)) << c.type << " '" << ch << "'";
    }
}

TEST_F(FormEntry, RefusedCharacterShowsTheMessageUntilAnyKey) {
    setField(1, 0, kFieldInteger, "Qty:", 5);
    const std::string refused = "Data type is wrong!";
    const std::string message = "state=MessageScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1 1 2 .", message + "6,0 counter=0", messageRows({row("Qty:12")}, refused)},
        {"1 1 2 . DOWN", "state=FormScreen highlight=0 cursor=6,0 counter=0", {row("Qty:12")}},
        {"1 1 2 . 3", "state=FormScreen highlight=0 cursor=6,0 counter=0", {row("Qty:12")}},
        {"1 1 2 . ESC 3", "state=FormScreen highlight=0 cursor=7,0 counter=0", {row("Qty:123")}},
        {"1 1 2 . #51", "state=FormScreen highlight=0 cursor=6,0 counter=0", {row("Qty:12")}},
        // A refused multi-tap letter is entered when the next key comes; its
        // message stays until one more key.
        {"1 A-B tick:7", message + "4,0 counter=0", messageRows({row("Qty:")}, refused)},
        {"1 A-B 3", message + "4,0 counter=0", messageRows({row("Qty:")}, refused)},
        {"1 A-B 3 4", "state=FormScreen highlight=0 cursor=4,0 counter=0", {row("Qty:")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, CompareFieldRefusesEverything) {
    setField(1, 0, kFieldCompare, "Cmp:", 10);
    const auto rows = messageRows({row("Cmp:")}, "Data type is wrong!");
    for (const char* script : {"1 1", "1 .", "1 -", "1 A-B tick:7", "1 SPACE tick:7"}) {
        expectGolden({script, "state=MessageScreen highlight=0 cursor=4,0 counter=0", rows});
    }
}

TEST_F(FormEntry, FullFieldKeepsItsLength) {
    setField(1, 0, kFieldText, "Code:", 3);
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1 1 2", status + "7,0 counter=0", {row("Code:12")}},
        {"1 1 2 3", status + "7,0 counter=0", {row("Code:123")}},
        {"1 1 2 3 4 5", status + "7,0 counter=0", {row("Code:125")}},
        {"1 1 2 3 A-B tick:7", status + "7,0 counter=0", {row("Code:12A")}},
        {"1 1 2 3 BS", status + "7,0 counter=0", {row("Code:12")}},
        {"1 1 2 3 BS 9", status + "7,0 counter=0", {row("Code:129")}},
        {"1 1 2 3 BS BS", status + "6,0 counter=0", {row("Code:1")}},
        {"1 1 2 3 BS BS BS BS BS", status + "5,0 counter=0", {row("Code:")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, FillCharactersMarkTheFreePositions) {
    setField(1, 0, kFieldText, "Code:", 3);
    setField(1, 1, kFieldText, "Lot:", 30);
    form(1).inputMark = {'_', '.', 0, 0, 0, 0, 0, 0};
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1", status + "5,0 counter=0", {row("Code:___"), row("Lot:")}},
        {"1 1", status + "6,0 counter=0", {row("Code:1__"), row("Lot:")}},
        {"1 1 2 3", status + "7,0 counter=0", {row("Code:123"), row("Lot:")}},
        {"1 1 2 3 BS", status + "7,0 counter=0", {row("Code:12_"), row("Lot:")}},
        {"1 1 2 3 BS BS", status + "6,0 counter=0", {row("Code:1__"), row("Lot:")}},
        {"1 1 BS BS", status + "5,0 counter=0", {row("Code:___"), row("Lot:")}},
        // A field longer than the line fills up to the right edge.
        {"1 ENTER", status + "4,1 counter=0", {row("Code:"), row("Lot:................")}},
        {"1 ENTER 7", status + "5,1 counter=0", {row("Code:"), row("Lot:7...............")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, SignColumnOfAutoSignFields) {
    setField(1, 0, kFieldAuto, "Amt:", 3);
    form(1).fieldLink[0] = 17;  // a column with a plus: the sign shows "+"
    setField(1, 1, kFieldAuto, "Neg:", 3);
    setField(1, 2, kFieldAuto, "Wide:", 8);  // no room for the field twice: no sign column
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1", status + "8,0 counter=0", {row("Amt:   +"), row("Neg:    "), row("Wide:")}},
        {"1 1 2", status + "10,0 counter=0", {row("Amt:   +12"), row("Neg:    "), row("Wide:")}},
        {"1 1 ENTER 5", status + "9,1 counter=0", {row("Amt:   +1"), row("Neg:    5"), row("Wide:")}},
        {"1 ENTER ENTER 4", status + "6,2 counter=0", {row("Amt:   +"), row("Neg:    "), row("Wide:4")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, TypingOverAnEarlierValueReplacesIt) {
    setField(1, 0, kFieldText, "A:", 10);
    form(1).initialValueOn[0] = 1;
    setCellText(form(1).initialValue[0], "xyz");
    setField(1, 1, kFieldPrompt, "--info--");
    setField(1, 2, kFieldInteger, "B:", 4);
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1", status + "2,0 counter=0", {row("A:xyz"), row("--info--"), row("B:")}},
        {"1 BS", status + "2,0 counter=0", {row("A:xyz"), row("--info--"), row("B:")}},
        {"1 7", status + "3,0 counter=0", {row("A:7"), row("--info--"), row("B:")}},
        {"1 A-B tick:7", status + "3,0 counter=0", {row("A:A"), row("--info--"), row("B:")}},
        {"1 ENTER", status + "2,2 counter=0", {row("A:xyz"), row("--info--"), row("B:")}},
        {"1 ENTER 5 6 UP", status + "2,0 counter=0", {row("A:xyz"), row("--info--"), row("B:56")}},
        {"1 ENTER 5 6 UP ENTER", status + "2,2 counter=0", {row("A:xyz"), row("--info--"), row("B:56")}},
        {"1 ENTER 5 6 UP ENTER 9", status + "3,2 counter=0", {row("A:xyz"), row("--info--"), row("B:9")}},
        {"1 ENTER 5 6 UP ENTER BS", status + "2,2 counter=0", {row("A:xyz"), row("--info--"), row("B:56")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, UpFromTheFirstFieldAndDownDoNothing) {
    setField(1, 0, kFieldPrompt, "Count it");
    setField(1, 1, kFieldText, "A:", 10);
    setField(1, 2, kFieldText, "B:", 10);
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1", status + "2,1 counter=0", {row("Count it"), row("A:"), row("B:")}},
        {"1 UP", status + "2,1 counter=0", {row("Count it"), row("A:"), row("B:")}},
        {"1 DOWN 1", status + "3,1 counter=0", {row("Count it"), row("A:1"), row("B:")}},
        {"1 ENTER UP UP", status + "2,1 counter=0", {row("Count it"), row("A:"), row("B:")}},
        {"1 ENTER DOWN DOWN 2", status + "3,2 counter=0", {row("Count it"), row("A:"), row("B:2")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(FormEntry, RestartDropsAPendingCharacter) {
    setField(1, 0, kFieldText, "Name:", 10);
    start();
    run("1 A-B");
    simulator->restart();
    run("tick:7");
    EXPECT_EQ(simulator->screen().rows[0], "1. Collect data     ");
    run("1");
    EXPECT_EQ(simulator->screen().rows[0], "Name:");
}

TEST_F(FormEntry, TellsTheFrontEndWhatChanged) {
    setField(1, 0, kFieldText, "Name:", 10);
    start();
    run("1 7");
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"screen", "screen", "row 0"}));
    observer.calls.clear();
    run("A-B A-B");
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"pending A", "pending B"}));
    observer.calls.clear();
    run("tick:7");
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"row 0"}));
}

}  // namespace
}  // namespace tessel::sim::test
