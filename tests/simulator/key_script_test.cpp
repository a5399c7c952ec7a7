// Key tokens of scripts.
#include "simulator/key_script.h"

#include "simulator/keys.h"

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

TEST(KeyScript, ScanTokens) {
    const auto ean = parseKeyToken("scan:ean13:4006381333931");
    ASSERT_TRUE(ean);
    EXPECT_EQ(ean->kind, ScriptStep::Kind::Scan);
    EXPECT_EQ(ean->scan.symbology, Symbology::Ean13);
    EXPECT_EQ(ean->scan.data, "4006381333931");
    // %HH is a byte; a % before anything else stays itself.
    const auto ean128 = parseKeyToken("SCAN:EAN-128:10AB%1D21%20X%");
    ASSERT_TRUE(ean128);
    EXPECT_EQ(ean128->scan.symbology, Symbology::Ean128);
    EXPECT_EQ(ean128->scan.data,
              "10AB\x1D"
              "21 X%");
    const auto tag = parseKeyToken("RFID:04A1B2:LOT7");
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->scan.source, Scan::Source::Rfid);
    EXPECT_EQ(tag->scan.uid, "04A1B2");
    EXPECT_EQ(tag->scan.data, "LOT7");
    // The picture's path keeps its letter case.
    const auto picture = parseKeyToken("SCAN:file:Labels/Box.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, ScriptStep::Kind::Picture);
    EXPECT_EQ(picture->path, "Labels/Box.png");
    const auto key = parseKeyToken("scan");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->value, kKeyScan);
}

TEST(KeyScript, BadScanTokensSayWhy) {
    struct Case {
        std::string token;
        std::string reason;
    };
    const Case cases[] = {
        {"SCAN:EAN14:1", "'SCAN:EAN14:1': unknown symbology 'EAN14'"},
        {"SCAN:EAN13:40063813339A1", "'SCAN:EAN13:40063813339A1': EAN13 holds 13 digits"},
        {"SCAN:EAN13:400638133393", "'SCAN:EAN13:400638133393': EAN13 holds 13 digits"},
        {"SCAN:EAN13:4006381333932", "'SCAN:EAN13:4006381333932': EAN13 check digit of 4006381333932 should be 1"},
        {"SCAN:UPCE:04252610", "'SCAN:UPCE:04252610': UPCE check digit of 04252610 should be 4"},
        {"SCAN:CODE39:abc", "'SCAN:CODE39:abc': CODE39 holds 0-9, A-Z, space and - . $ / + %"},
        {"SCAN:I25:123", "'SCAN:I25:123': I25 holds an even number of digits"},
        {"SCAN:CODABAR:123",
         "'SCAN:CODABAR:123': CODABAR holds 0-9 - $ : / . + between start and stop characters "
         "A to D"},
        {"SCAN:QR:", "'SCAN:QR:': a barcode holds at least one character"},
        {"SCAN:QR:A%00B", "'SCAN:QR:A%00B': a barcode holds no zero byte"},
        {"SCAN:CODE128", "'SCAN:CODE128': expected SCAN:SYMBOLOGY:DATA"},
        {"SCAN:FILE:", "'SCAN:FILE:': expected SCAN:FILE:PATH"},
        {"RFID:", "'RFID:': expected RFID:UID or RFID:UID:DATA"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(parseKeyToken(c.token)) << c.token;
        EXPECT_EQ(badKeyTokenReason(c.token), c.reason);
    }
    EXPECT_EQ(badKeyToken("1 SCAN:EAN13:4006381333931 SCAN:EAN13:1"), "SCAN:EAN13:1");
}

}  // namespace
}  // namespace tessel::sim
