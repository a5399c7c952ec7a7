// Leaving a form: Enter with the minimum length, completion with the record
// counter and the output record, escape, and what the next form shows of it.
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

constexpr Byte kRecordPassDown = 3;
const std::string kEnterAB = "1 A-B tick:7 A-B A-B tick:7 ENTER";  // "AB" into the first field

// Form 1: a text field and an integer field padded with zeros to three
// digits, passing its data down and returning to the main menu.
class Completion : public SimulatorTest {
protected:
    Completion() {
        setField(1, 0, kFieldText, "T:", 10);
        setField(1, 1, kFieldInteger, "N:", 3);
        form(1).fixedLengthOn[1] = 1;
        form(1).fixedLength[1] = 3;
        form(1).alignment[1] = 3;
        form(1).recordAction = kRecordPassDown;
        form(1).nextTarget = 0;
        form(1).stampPosition = 0;
        project.definition.settings.fieldDelimiter1 = ',';
        project.definition.settings.fieldDelimiter2 = 0;
    }

    std::vector<std::string> mainMenuWithClock(std::string_view clockLine) {
        std::vector<std::string> rows{row("1. Collect data"), row("2. Upload data"), row("3. Utilities")};
        rows.resize(8, kBlankRow);
        rows.push_back("|" + std::string(clockLine) + "|");
        return rows;
    }
};

TEST_F(Completion, CompletingReturnsToTheMainMenuAndCountsTheRecord) {
    expectGolden({kEnterAB + " 7 ENTER", "state=MainMenu highlight=1 cursor=3,1 counter=1",
                  mainMenuWithClock("МАР 05, 09:05  00001"), "AB,007"});
}

TEST_F(Completion, EnterNeedsTheMinimumLength) {
    form(1).minLength = {3, 1, 0, 0, 0, 0, 0, 0};
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {"1 1 2 ENTER",
         "state=MessageScreen highlight=0 cursor=4,0 counter=0",
         {row("T:12"), row("N:"), kBlankRow, kBlankRow, kStarsRow, row("Data is too short!"), row("Press any key..."),
          kStarsRow}},
        {"1 1 2 ENTER 3", status + "4,0 counter=0", {row("T:12"), row("N:")}},
        {"1 1 2 3 ENTER", status + "2,1 counter=0", {row("T:123"), row("N:")}},
        {"1 1 2 3 ENTER ENTER",
         "state=MessageScreen highlight=0 cursor=2,1 counter=0",
         {row("T:123"), row("N:"), kBlankRow, kBlankRow, kStarsRow, row("Data is too short!"), row("Press any key..."),
          kStarsRow}},
    };
    for (const auto& golden : cases) expectGolden(golden);
    expectGolden({"1 1 2 3 ENTER 4 ENTER", "state=MainMenu highlight=1 cursor=3,1 counter=1",
                  mainMenuWithClock("МАР 05, 09:05  00001"), "123,004"});
}

TEST_F(Completion, NextTargetStartsTheFormAgainWithTheCounterRaised) {
    form(1).nextTarget = 1;
    expectGolden(
        {kEnterAB + " 7 ENTER", "state=FormScreen highlight=0 cursor=2,0 counter=1", {row("T:"), row("N:")}, "AB,007"});
    expectGolden({kEnterAB + " 7 ENTER 1 ENTER 2 ENTER",
                  "state=FormScreen highlight=0 cursor=2,0 counter=2",
                  {row("T:"), row("N:")},
                  "1,002"});
}

// Target bytes above 20 name no screen. A completed form then starts again
// empty, showing the new counter, so the next Enter does not count the same
// input twice; an escape leaves the form as it is.
TEST_F(Completion, TargetsThatLeadNowhereKeepTheForm) {
    form(1).nextTarget = 21;
    form(1).escTarget = 255;
    setField(1, 2, kFieldCounter, "No:");
    const std::string status = "state=FormScreen highlight=0 cursor=";
    const Golden cases[] = {
        {kEnterAB + " 7 ENTER", status + "2,0 counter=1", {row("T:"), row("N:"), row("No:0001")}, "AB,007"},
        {kEnterAB + " 7 ENTER ENTER", status + "2,1 counter=1", {row("T:"), row("N:"), row("No:0001")}, "AB,007"},
        {kEnterAB + " 7 ENTER 1 ENTER 2 ENTER",
         status + "2,0 counter=2",
         {row("T:"), row("N:"), row("No:0002")},
         "1,002"},
        {kEnterAB + " 7 ESC", status + "3,1 counter=0", {row("T:AB"), row("N:7"), row("No:0000")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(Completion, OnlyPassDownBuildsAnOutputRecord) {
    form(1).recordAction = 0;  // save
    expectGolden({kEnterAB + " 7 ENTER", "state=MainMenu highlight=1 cursor=3,1 counter=1",
                  mainMenuWithClock("МАР 05, 09:05  00001")});
}

TEST_F(Completion, DateStampAfterTheFields) {
    FormRecord& record = form(1);
    record.stampPosition = 2;
    record.stampDateStyle = 2;
    record.stampYear = record.stampMonth = record.stampDay = 1;
    record.stampYearDigits = 0;
    record.stampDateSeparatorOn = 1;
    record.stampDateSeparator = {'.', 0};
    record.stampHour = record.stampMinute = record.stampSecond = 0;
    record.stampSplit = 0;
    const auto rows = mainMenuWithClock("МАР 05, 09:05  00001");
    const std::string status = "state=MainMenu highlight=1 cursor=3,1 counter=1";
    expectGolden({kEnterAB + " 7 ENTER", status, rows, "AB,007,05.03.2026"});
    record.stampSplit = 1;
    expectGolden({kEnterAB + " 7 ENTER", status, rows, "AB,007,05.03.2026,"});
}

TEST_F(Completion, EscapeKeepsTheTargetMenusSelectionAndCompletionResetsIt) {
    setMenu(2, {{"One", 0}, {"Two", 0}, {"Three", 0}});
    menu(2).runtime[0] = 2;
    form(1).escTarget = 12;
    // The form's cursor stays remembered, though only forms draw it.
    expectGolden(
        {"1 ESC", "state=MenuScreen highlight=3 cursor=2,0 counter=0", {row("One"), row("Two"), row("Three")}});
    menu(2).runtime[0] = 2;
    form(1).nextTarget = 12;
    expectGolden({kEnterAB + " 7 ENTER",
                  "state=MenuScreen highlight=1 cursor=3,1 counter=1",
                  {row("One"), row("Two"), row("Three")},
                  "AB,007"});
}

TEST_F(Completion, NextFormShowsTheOutputRecordAndTheCounter) {
    form(1).nextTarget = 2;
    setField(2, 0, kFieldPassDown, "In:");
    setField(2, 1, kFieldExtension, "");
    setField(2, 2, kFieldCounter, "No:");
    setField(2, 3, kFieldText, "X:", 10);
    expectGolden({kEnterAB + " 7 ENTER",
                  "state=FormScreen highlight=0 cursor=2,3 counter=1",
                  {row("In:AB,007"), kBlankRow, row("No:0001"), row("X:")},
                  "AB,007"});
    // A longer record runs on over the extension line.
    form(1).maxLength[0] = 30;
    expectGolden({"1" + std::string(" 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8") + " ENTER 7 ENTER",
                  "state=FormScreen highlight=0 cursor=2,3 counter=1",
                  {row("In:12345678901234567"), row("8,007"), row("No:0001"), row("X:")},
                  "123456789012345678,007"});
}

TEST_F(Completion, CounterLinesShowFourDigits) {
    form(1).nextTarget = 2;
    setField(2, 0, kFieldCounter, "No:");
    setField(2, 1, kFieldText, "X:", 10);
    expectGolden({kEnterAB + " 7 ENTER",
                  "state=FormScreen highlight=0 cursor=2,1 counter=12346",
                  {row("No:2346"), row("X:")},
                  "AB,007"},
                 12345);
}

TEST_F(Completion, CurrentFieldIsKeptInTheFormRecord) {
    start();
    run("1");
    EXPECT_EQ(form(1).currentField, 0);
    run("1 ENTER");
    EXPECT_EQ(form(1).currentField, 1);
    EXPECT_EQ(form(1).fieldCount, 2);
}

}  // namespace
}  // namespace tessel::sim::test
