// Long runs of random keys over an awkward design never take the screen out
// of its bounds (and, under the sanitizers, never touch memory they should not).
#include <random>
#include <set>

#include "simulator/output_record.h"
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

class RandomKeys : public SimulatorTest {
protected:
    RandomKeys() {
        setField(1, 0, kFieldText, "Name:", 30);  // scrolls
        form(1).inputMark[0] = '_';
        setField(1, 1, kFieldAuto, "Amt:", 3);
        setField(1, 2, kFieldText, "Long prompt of 19 c", 200);  // past the input limit
        setField(1, 3, kFieldText, "Desc:", 60);
        setField(1, 4, kFieldExtension, "", 45);
        setField(1, 5, kFieldExtension, "", 25);
        setField(1, 6, kFieldBoolean, "OK:", 1);
        setField(1, 7, kFieldExtension, "", 0);
        form(1).initialValueOn[0] = 1;
        setCellText(form(1).initialValue[0], "123456789");
        form(1).minLength[3] = 2;
        form(1).recordAction = 3;
        form(1).nextTarget = 2;
        form(1).escTarget = 11;
        setField(2, 0, kFieldPassDown, "In:");
        setField(2, 1, kFieldExtension, "");
        setField(2, 2, kFieldExtension, "");
        setField(2, 3, kFieldInteger, "ABCDEFGHIJKLMNOPQRST", 4);
        setField(2, 4, kFieldText, "Zero:", 0);
        form(2).nextTarget = 21;
        form(2).escTarget = 12;
        setMenu(1, {{"Form 1", 1}, {"Form 2", 2}, {"Menu 2", 12}});
        setMenu(2, {{"Back", 11}, {"Main", 0}});
        menu(2).menuEscTarget = 1;
    }
};

TEST_F(RandomKeys, ScreenStaysWithinItsBounds) {
    std::mt19937 random(20260305);
    std::uniform_int_distribution<int> key(0, 52);
    std::set<SimState> seen;
    start();
    for (int press = 0; press < 20000; ++press) {
        const int code = key(random);
        if (code == 52) {
            run("tick:7");
        } else {
            simulator->handleKey(code);
        }
        const Screen& screen = simulator->screen();
        seen.insert(screen.state);
        for (int row = 0; row < kScreenRows; ++row) ASSERT_LE(screen.rows[row].size(), 20u) << "key " << press;
        ASSERT_GE(screen.cursor.column, 0);
        ASSERT_LE(screen.cursor.column, 19);
        ASSERT_GE(screen.cursor.row, 0);
        ASSERT_LE(screen.cursor.row, 7);
        ASSERT_LE(simulator->outputRecord().size(), kOutputRecordLimit);
        if (press % 500 == 0) simulator->restart();
    }
    EXPECT_EQ(seen.size(), 7u) << "the run should pass through every screen";
}

}  // namespace
}  // namespace tessel::sim::test
