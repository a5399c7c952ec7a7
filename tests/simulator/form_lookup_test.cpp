// Forms that consult lookup data loaded into the simulated terminal: the key
// search, the lookup lines, the actions for a match not found, read once,
// remains, the error action, and the records a completed form keeps. Every
// case runs on both families.
#include "simulator/lookup_load.h"
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

constexpr Byte kComma = ',';
const std::string kItems = "A1,Widget,10\r\nB2,Bolt,5\r\n";
const std::string kTypeA1 = "1 A-B tick:7 1 ENTER";  // starts form 1, "A1" into the item field
const std::string kTypeC3 = "1 C-D tick:7 3 ENTER";  // an item the lookup does not hold
const std::string kFormStatus = "state=FormScreen highlight=0 cursor=";
const std::string kMessageStatus = "state=MessageScreen highlight=0 cursor=";

// Form 1 checks an item against lookup 1 (code, description, remains, by
// ',' with the code as key), shows the description and the remains, and
// takes a quantity from the remains; it saves its record and starts again.
// Form 2 is where an error leads in the error-action cases.
class LookupForm : public SimulatorTest, public ::testing::WithParamInterface<int> {
protected:
    LookupForm() {
        project = tessel::test::newProject(GetParam());
        LookupRecord& items = lookup();
        items.columnCount = 3;
        items.columnLength = {6, 12, 5, 0, 0, 0, 0, 0};
        items.recordLength = 25;
        items.delimiter = kComma;
        items.keyColumn = 0;
        setField(1, 0, kFieldText, "Item:", 6);
        form(1).fieldLink[0] = 1;
        setField(1, 1, kFieldLookup, "");
        form(1).fieldLink[1] = 2;
        setField(1, 2, kFieldInteger, "Qty:", 3);
        form(1).fieldLink[2] = 11;  // -field 3
        setField(1, 3, kFieldLookup, "Left:");
        form(1).fieldLink[3] = 3;
        form(1).formLookup = 1;
        form(1).recordAction = 0;
        form(1).nextTarget = 1;
        form(1).stampPosition = 0;
        setField(2, 0, kFieldText, "Other:", 5);
        project.definition.settings.fieldDelimiter1 = kComma;
        project.definition.settings.fieldDelimiter2 = 0;
        onStart = [this](Simulator& started) {
            auto load = loadLookupData(lookup(), kItems);
            ASSERT_TRUE(load.data) << load.error;
            started.terminalData().lookups[0] = std::move(load.data);
        };
    }

    LookupRecord& lookup() { return project.definition.lookups[0]; }
    TerminalData& data() { return simulator->terminalData(); }

    static std::vector<std::string> message(std::vector<std::string> formRows, std::string_view text) {
        formRows.resize(4, kBlankRow);
        formRows.insert(formRows.end(), {kStarsRow, row(text), row("Press any key..."), kStarsRow});
        return formRows;
    }
};

TEST_P(LookupForm, TheKeyFieldFindsItsRecordAndTheLookupLinesShowIt) {
    const Golden cases[] = {
        {"1", kFormStatus + "5,0 counter=0", {row("Item:"), kBlankRow, row("Qty:"), row("Left:")}},
        {kTypeA1, kFormStatus + "4,2 counter=0", {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:10")}},
        {"1 A-B A-B tick:7 2 ENTER",
         kFormStatus + "4,2 counter=0",
         {row("Item:B2"), row("Bolt"), row("Qty:"), row("Left:5")}},
        // Going back to the item and finding another one replaces the lines.
        {kTypeA1 + " UP A-B A-B tick:7 2 ENTER",
         kFormStatus + "4,2 counter=0",
         {row("Item:B2"), row("Bolt"), row("Qty:"), row("Left:5")}},
    };
    for (const auto& golden : cases) expectGolden(golden);
    EXPECT_EQ(data().searches,
              (std::vector<std::string>{"lookup 1: \"A1\" found, record 1", "lookup 1: \"B2\" found, record 2"}));
}

TEST_P(LookupForm, AMatchNotFoundFollowsTheNoMatchAction) {
    struct Case {
        Byte action;
        Golden atEnter;
        Golden afterAKey;
        std::size_t records;  // in the lookup afterwards
    };
    const std::vector<std::string> onQuantity{row("Item:C3"), kBlankRow, row("Qty:"), row("Left:")};
    const std::vector<std::string> onItem{row("Item:C3"), kBlankRow, row("Qty:"), row("Left:")};
    const std::vector<std::string> cleared{row("Item:"), kBlankRow, row("Qty:"), row("Left:")};
    const auto notFound = message({row("Item:C3"), kBlankRow, row("Qty:"), row("Left:")}, "Data not found!");
    const Case cases[] = {
        {0,
         {kTypeC3, kFormStatus + "4,2 counter=0", onQuantity},
         {kTypeC3 + " 5", kFormStatus + "5,2 counter=0", {row("Item:C3"), kBlankRow, row("Qty:5"), row("Left:")}},
         2},
        {1,
         {kTypeC3, kMessageStatus + "7,0 counter=0", notFound},
         {kTypeC3 + " 5", kFormStatus + "7,0 counter=0", onItem},
         2},
        {2,
         {kTypeC3, kFormStatus + "4,2 counter=0", onQuantity},
         {kTypeC3 + " 5", kFormStatus + "5,2 counter=0", {row("Item:C3"), kBlankRow, row("Qty:5"), row("Left:")}},
         3},
        {3,
         {kTypeC3, kMessageStatus + "7,0 counter=0", notFound},
         {kTypeC3 + " 5", kFormStatus + "4,2 counter=0", onQuantity},
         3},
        {4,
         {kTypeC3, kFormStatus + "5,0 counter=0", cleared},
         {kTypeC3 + " 5", kFormStatus + "6,0 counter=0", {row("Item:5"), kBlankRow, row("Qty:"), row("Left:")}},
         2},
        {5,
         {kTypeC3, kMessageStatus + "7,0 counter=0", notFound},
         {kTypeC3 + " 5", kFormStatus + "5,0 counter=0", cleared},
         2},
    };
    for (const auto& c : cases) {
        lookup().noMatchAction = c.action;
        SCOPED_TRACE("noMatchAction " + std::to_string(c.action));
        expectGolden(c.atEnter);
        expectGolden(c.afterAKey);
        EXPECT_EQ(data().lookup(1)->size(), c.records);
    }
}

TEST_P(LookupForm, TheErrorActionDecidesWhereAFailedLookupLeads) {
    form(1).errorAction = 3;  // form 2
    const std::vector<std::string> form2{row("Other:")};
    lookup().noMatchAction = 1;  // warning
    expectGolden({kTypeC3 + " 5", kFormStatus + "6,0 counter=0", form2});
    lookup().noMatchAction = 4;  // clear, without a word
    expectGolden({kTypeC3, kFormStatus + "6,0 counter=0", form2});
    // A match found, or a match not found that the lookup lets pass, stays
    // in the form.
    expectGolden(
        {kTypeA1, kFormStatus + "4,2 counter=0", {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:10")}});
    lookup().noMatchAction = 0;
    expectGolden({kTypeC3, kFormStatus + "4,2 counter=0", {row("Item:C3"), kBlankRow, row("Qty:"), row("Left:")}});
}

TEST_P(LookupForm, RemainsAreTakenWhenTheFormCompletes) {
    const std::string takeThree = kTypeA1 + " 3 ENTER";
    expectGolden({takeThree + " " + kTypeA1.substr(2),
                  kFormStatus + "4,2 counter=1",
                  {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:7")}});
    EXPECT_EQ(data().records, std::vector<std::string>{"A1,3"});
    EXPECT_EQ(data().lookup(1)->lines(), (std::vector<std::string>{"A1,Widget,7", "B2,Bolt,5"}));
    // Escaping the form books nothing.
    expectGolden({kTypeA1 + " 3 ESC 1 A-B tick:7 1 ENTER",
                  kFormStatus + "4,2 counter=0",
                  {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:10")}});
}

TEST_P(LookupForm, NegativeRemainsAreRefusedUnlessPermitted) {
    const std::string takeEleven = kTypeA1 + " 1 1 ENTER";
    expectGolden({takeEleven, kMessageStatus + "6,2 counter=0",
                  message({row("Item:A1"), row("Widget"), row("Qty:11"), row("Left:10")}, "Data is too long!")});
    expectGolden({takeEleven + " 5",
                  kFormStatus + "6,2 counter=0",
                  {row("Item:A1"), row("Widget"), row("Qty:11"), row("Left:10")}});
    EXPECT_TRUE(data().records.empty());
    lookup().negativeRemains = 1;
    expectGolden({takeEleven + " " + kTypeA1.substr(2),
                  kFormStatus + "4,2 counter=1",
                  {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:-1")}});
}

TEST_P(LookupForm, ARecordWhoseRemainsReachZeroIsDeletedWhenAsked) {
    lookup().noMatchAction = 1;
    const std::string takeAll = kTypeA1 + " 1 0 ENTER";
    expectGolden({takeAll + " " + kTypeA1.substr(2),
                  kFormStatus + "4,2 counter=1",
                  {row("Item:A1"), row("Widget"), row("Qty:"), row("Left:0")}});
    lookup().deleteIfNull = 1;
    expectGolden({takeAll + " " + kTypeA1.substr(2), kMessageStatus + "7,0 counter=1",
                  message({row("Item:A1"), kBlankRow, row("Qty:"), row("Left:")}, "Data not found!")});
    EXPECT_EQ(data().lookup(1)->lines(), std::vector<std::string>{"B2,Bolt,5"});
}

TEST_P(LookupForm, ARecordReadOnceIsNotFoundAgain) {
    lookup().readOnce = 1;
    lookup().noMatchAction = 3;  // warning and insert
    const std::string once = kTypeA1 + " 1 ENTER";
    expectGolden({once + " " + kTypeA1.substr(2), kMessageStatus + "7,0 counter=1",
                  message({row("Item:A1"), kBlankRow, row("Qty:"), row("Left:")}, "Data not found!")});
    expectGolden({once + " " + kTypeA1.substr(2) + " 5",
                  kFormStatus + "4,2 counter=1",
                  {row("Item:A1"), kBlankRow, row("Qty:"), row("Left:")}});
    EXPECT_EQ(data().lookup(1)->lines(), (std::vector<std::string>{"A1,Widget,9", "B2,Bolt,5", "A1,,"}));
}

TEST_P(LookupForm, TheRecordActionDecidesWhatACompletedFormKeeps) {
    struct Case {
        Byte action;
        std::vector<std::string> records;
        std::string printed;
        std::vector<std::string> lookupLines;
    };
    const std::vector<std::string> booked{"A1,Widget,7", "B2,Bolt,5"};
    const Case cases[] = {
        {0, {"A1,3"}, "", booked},
        {1, {}, "", booked},
        {2, {"A1,3"}, "", booked},
        {3, {}, "", booked},
        {4, {}, "A1,3\r\n", booked},
        {5, {}, "Item:A1\r\nWidget\r\nQty:3\r\nLeft:10\r\n", booked},
        {6, {"A1,3"}, "A1,3\r\n", booked},
        {7, {"A1,3"}, "Item:A1\r\nWidget\r\nQty:3\r\nLeft:10\r\n", booked},
        {8, {}, "", booked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("recordAction " + std::to_string(c.action));
        form(1).recordAction = c.action;
        start();
        run(kTypeA1 + " 3 ENTER");
        EXPECT_EQ(simulator->recordCounter(), 1u);
        EXPECT_EQ(data().records, c.records);
        EXPECT_EQ(data().printed, c.printed);
        EXPECT_EQ(data().lookup(1)->lines(), c.lookupLines);
    }
}

// "Save field data" puts a lookup line into the record; "update lookup"
// writes the linked input fields into the record found, or into a new one.
TEST_P(LookupForm, SavedLookupLinesAndUpdatedLookupData) {
    form(1).initialValueOn[1] = 1;
    start();
    run(kTypeA1 + " 3 ENTER");
    EXPECT_EQ(data().records, std::vector<std::string>{"A1,Widget,3"});

    form(1).recordAction = 2;  // save & update
    setField(1, 4, kFieldText, "Name:", 12);
    form(1).fieldLink[4] = 2;
    start();
    run(kTypeA1 + " 3 ENTER G-H tick:7 ENTER " + kTypeC3.substr(2) + " 1 ENTER E-F tick:7 ENTER");
    EXPECT_EQ(data().records, (std::vector<std::string>{"A1,Widget,3,G", "C3,,1,E"}));
    EXPECT_EQ(data().lookup(1)->lines(), (std::vector<std::string>{"A1,G,7", "B2,Bolt,5", "C3,E,"}));
}

// Without lookup data the form runs as it always did: no search, the lookup
// lines show their prompts only, and a record is still collected.
TEST_P(LookupForm, WithoutLookupDataNothingIsSearched) {
    onStart = nullptr;
    lookup().noMatchAction = 1;
    expectGolden({kTypeC3, kFormStatus + "4,2 counter=0", {row("Item:C3"), kBlankRow, row("Qty:"), row("Left:")}});
    run("3 ENTER");
    EXPECT_TRUE(data().searches.empty());
    EXPECT_EQ(data().records, std::vector<std::string>{"C3,3"});
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, LookupForm, ::testing::Values(kFamily4760, kFamilyGroup),
                         [](const auto& family) { return "Family" + std::to_string(family.param); });

}  // namespace
}  // namespace tessel::sim::test
