// Key tokens of scripts.
#include "simulator/key_script.h"

#include <gtest/gtest.h>

namespace tessel::sim {
namespace {

TEST(KeyScript, TokensNameKeyCodesInAnyCase) {
    struct Case {
        std::string token;
        int code;
    };
    const Case cases[] = {
        {"1", 1},   {"2", 2},      {"3", 3},     {"4", 5},    {"5", 6},      {"6", 7},    {"7", 9},     {"8", 10},
        {"9", 11},  {"0", 14},     {"A-B", 17},  {"c-d", 18}, {"M-n", 23},   {"W-X", 28}, {"y-z", 29},  {",;", 30},
        {"$:", 31}, {"SPACE", 4},  {"space", 4}, {"-", 13},   {".", 15},     {"UP", 32},  {"Down", 33}, {"esc", 36},
        {"BS", 37}, {"ENTER", 42}, {"#43", 43},  {"#0", 0},   {"#255", 255},
    };
    for (const auto& c : cases) {
        const auto step = parseKeyToken(c.token);
        ASSERT_TRUE(step) << c.token;
        EXPECT_EQ(step->kind, ScriptStep::Kind::Key) << c.token;
        EXPECT_EQ(step->value, c.code) << c.token;
    }
}

TEST(KeyScript, TicksAndBadTokens) {
    const auto ticks = parseKeyToken("Tick:7");
    ASSERT_TRUE(ticks);
    EXPECT_EQ(ticks->kind, ScriptStep::Kind::Ticks);
    EXPECT_EQ(ticks->value, 7);
    // A day of ticks at most: the ticks run one by one.
    const auto day = parseKeyToken("tick:864000");
    ASSERT_TRUE(day);
    EXPECT_EQ(day->value, kMaxScriptTicks);
    EXPECT_EQ(kMaxScriptTicks, 864000);
    for (const char* bad :
         {"A-C", "B-C", "AB", "10", "#256", "#-1", "#", "#1x", "tick:", "tick:-2", "tick:x", "tick", "F1", "ENTERX",
          "99999999999", "tick:864001", "tick:2147483647", "tick:2147483648", "tick:99999999999999999999"}) {
        EXPECT_FALSE(parseKeyToken(bad)) << bad;
    }
}

TEST(KeyScript, FirstBadTokenOfAScript) {
    EXPECT_EQ(badKeyToken("1 A-B\ttick:3\n ENTER"), std::nullopt);
    EXPECT_EQ(badKeyToken(""), std::nullopt);
    EXPECT_EQ(badKeyToken("1 A-B F1 Q"), "F1");
    EXPECT_EQ(badKeyTokenReason("F1"), "unknown key token 'F1'");
    EXPECT_EQ(badKeyTokenReason("tick:x"), "unknown key token 'tick:x'");
    for (const char* tooMany : {"tick:864001", "TICK:99999999999999999999"}) {
        EXPECT_EQ(badKeyTokenReason(tooMany),
                  "'" + std::string(tooMany) + "' lets more than a day pass (at most tick:864000)");
    }
    EXPECT_EQ(splitKeyScript("  1  A-B\ttick:3 "), (std::vector<std::string>{"1", "A-B", "tick:3"}));
}

}  // namespace
}  // namespace tessel::sim
