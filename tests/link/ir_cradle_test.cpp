#include <gtest/gtest.h>

#include "link/engine_harness.h"
#include "link/fake_port.h"
#include "link/ir_cradle.h"
#include "link/simulated_link.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;
using Kind = FakePort::Step::Kind;
using Step = FakePort::Step;

Step rate(int value) { return {Kind::Rate, value}; }
Step rts(bool on) { return {Kind::Rts, on ? 1 : 0}; }
Step dtr(bool on) { return {Kind::Dtr, on ? 1 : 0}; }
Step write(Byte b, bool rtsOn, int atRate) { return {Kind::Write, 0, ByteString{b}, rtsOn, atRate}; }
std::vector<Step> probe(int at) { return {rate(at), rts(false), write(0x0F, false, at), rts(true)}; }

struct CradleBench {
    explicit CradleBench(int cradleRate) : cradle(cradleRate), port(clock, nullptr, &cradle) {
        port.open({"/dev/ttyS0", "ttyS0"});
    }
    ManualClock clock;
    CradleTiming timing;
    SimulatedCradle cradle;
    FakePort port;
};

TEST(IrCradle, SetUpFindsTheCradleAtItsRateThenSetsTheTransferRate) {
    CradleBench bench(57600);
    const TimePoint start = bench.clock.now();
    ASSERT_TRUE(configureIrCradle(bench.port, bench.clock, bench.timing, 2));

    std::vector<Step> expected{{Kind::Open}, rate(38400), rts(true), dtr(true)};
    for (int at : {9600, 115200, 38400, 57600}) {
        const auto steps = probe(at);
        expected.insert(expected.end(), steps.begin(), steps.end());
    }
    for (const Step& step : {rts(false), write(0x07, false, 57600), write('4', false, 57600), write('Q', false, 57600),
                             rate(38400), rts(true)})
        expected.push_back(step);
    EXPECT_EQ(bench.port.log(), expected);
    EXPECT_EQ(bench.cradle.rate(), 38400);
    // 200 ms to settle; a first probe at 200 ms steps, three at 100 ms, the
    // silent ones waiting 100 ms for the echo; five steps of 100 ms to set it.
    EXPECT_EQ(bench.clock.now() - start, 200ms + 700ms + 400ms + 400ms + 300ms + 500ms);
}

TEST(IrCradle, EachBaudIndexWritesItsSelector) {
    const std::pair<int, Byte> cases[] = {{0, '6'}, {1, '5'}, {2, '4'}, {3, '3'}, {4, '2'}};
    for (const auto& [index, selector] : cases) {
        CradleBench bench(9600);
        ASSERT_TRUE(configureIrCradle(bench.port, bench.clock, bench.timing, index));
        EXPECT_EQ(bench.cradle.commands(), (ByteString{0x0F, 0x07, selector, 'Q'})) << index;
        EXPECT_EQ(bench.cradle.rate(), *rateOfBaudIndex(index));
        EXPECT_EQ(bench.port.rate(), *rateOfBaudIndex(index));
        EXPECT_TRUE(bench.port.rts());
    }
}

TEST(IrCradle, StepDelayIs200AtFirstAndAfterACradleAt9600Else100) {
    CradleBench at9600(9600);
    configureIrCradle(at9600.port, at9600.clock, at9600.timing, 0);
    EXPECT_EQ(at9600.timing.stepDelay, 200ms);
    CradleBench at19200(19200);
    configureIrCradle(at19200.port, at19200.clock, at19200.timing, 0);
    EXPECT_EQ(at19200.timing.stepDelay, 100ms);
}

TEST(IrCradle, AnIndexOutsideTheListRepeatsTheOpeningByteAndKeepsTheRate) {
    CradleBench bench(19200);
    ASSERT_TRUE(configureIrCradle(bench.port, bench.clock, bench.timing, 7));
    EXPECT_EQ(bench.cradle.commands(), (ByteString{0x0F, 0x07, 0x07, 'Q'}));
    EXPECT_EQ(bench.cradle.rate(), 19200);
    EXPECT_EQ(bench.port.rate(), 19200);
}

TEST(IrCradle, NoCradleProbesEveryRateAndFails) {
    ManualClock clock;
    CradleTiming timing;
    FakePort port(clock, nullptr);
    port.open({"/dev/ttyS0", "ttyS0"});
    EXPECT_FALSE(configureIrCradle(port, clock, timing, 0));
    std::vector<int> probedRates;
    for (const auto& step : port.log())
        if (step.kind == Kind::Write) probedRates.push_back(step.rate);
    EXPECT_EQ(probedRates, (std::vector<int>{9600, 115200, 38400, 57600, 19200}));
}

TEST(IrCradle, DetectionSkipsBluetoothAndPathlessPortsAndFindsTheCradle) {
    ManualClock clock;
    SimulatedCradle cradle(115200);
    const PortList ports{
        {"/dev/rfcomm0", "rfcomm0"}, {"COM9", "COM9"}, {"/dev/ttyUSB0", "ttyUSB0"}, {"/dev/ttyS1", "ttyS1"}};
    // The second port made, ttyS1, has the cradle on it.
    std::vector<std::unique_ptr<FakePort>> made;
    const PortMaker makePort = [&]() -> std::unique_ptr<SerialPort> {
        made.push_back(std::make_unique<FakePort>(clock, nullptr, made.size() == 1 ? &cradle : nullptr));
        return std::make_unique<test::ForwardingPort>(*made.back());
    };
    EXPECT_EQ(detectCradle(ports, makePort, clock), 3);
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0]->opened().portName, "ttyUSB0");
    EXPECT_EQ(made[1]->opened().portName, "ttyS1");
    EXPECT_FALSE(made[0]->isOpen() || made[1]->isOpen());
    EXPECT_EQ(cradle.commands(), ByteString{0x0F});
}

}  // namespace
}  // namespace tessel::link
