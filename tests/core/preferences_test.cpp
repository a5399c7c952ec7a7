#include "core/preferences.h"

#include "core/model_family.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

TEST(PreferencesParse, OnlyAPathLeavesEverythingElseDefault) {
    Preferences expected;
    expected.lastEditedFile = "/home/ann/stock.TSX";
    EXPECT_EQ(parsePreferences("/home/ann/stock.TSX\r"), expected);
    EXPECT_EQ(parsePreferences(""), Preferences{});
    EXPECT_EQ(parsePreferences("\r\r\r"), Preferences{});
}

TEST(PreferencesParse, ReadsEveryFieldOfAWrittenFile) {
    const auto p = parsePreferences("/p/a.TSX\r3\r2\r7\r4\r1\r1\rDeutsch\r/p/a.TSX\r/p/b.TSX\r12\r");
    EXPECT_EQ(p.lastEditedFile, "/p/a.TSX");
    EXPECT_EQ(p.downloadVia, 3);
    EXPECT_EQ(p.receiveVia, 2);
    EXPECT_EQ(p.portNumber, 7);
    EXPECT_EQ(p.baudRate, 4);
    EXPECT_TRUE(p.autoPreload);
    EXPECT_TRUE(p.alwaysOnTop);
    EXPECT_EQ(p.language, "Deutsch");
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"/p/a.TSX", "/p/b.TSX"}));
    EXPECT_EQ(p.portIndex, 11);
}

TEST(PreferencesParse, OutOfRangeFieldsKeepTheirDefaults) {
    struct Case {
        const char* content;
        int downloadVia, portNumber, baudRate, portIndex;
        bool autoPreload;
    };
    const Case cases[] = {
        {"f\r4\r0\r0\r5\r0\r0\r0\r0\r", 0, 1, 0, -1, false},
        {"f\r9\r0\r256\r9\rx\r0\r0\r128\r", 0, 1, 0, -1, true},  // a non-'0' flag is on
        {"f\r2\r0\r255\r3\r0\r0\r0\r127\r", 2, 255, 3, 126, false},
        {"f\r2\r0\r-4\r3\r0\r0\r0\r1x\r", 2, 1, 3, -1, false},  // a port field with a letter
        {"f\r2\r0\r99999999999999\r3\r0\r0\r0\r1\r", 2, 1, 3, 0, false},
    };
    for (const auto& c : cases) {
        const auto p = parsePreferences(c.content);
        EXPECT_EQ(p.downloadVia, c.downloadVia) << c.content;
        EXPECT_EQ(p.portNumber, c.portNumber) << c.content;
        EXPECT_EQ(p.baudRate, c.baudRate) << c.content;
        EXPECT_EQ(p.portIndex, c.portIndex) << c.content;
        EXPECT_EQ(p.autoPreload, c.autoPreload) << c.content;
    }
}

TEST(PreferencesParse, LanguageNamesOverFortyAreCutToThirtyNine) {
    const std::string name41(41, 'L');
    EXPECT_EQ(parsePreferences("f\r0\r0\r1\r0\r0\r0\r" + name41 + "\r").language, std::string(39, 'L'));
    EXPECT_EQ(parsePreferences("f\r0\r0\r1\r0\r0\r0\r" + std::string(40, 'L') + "\r").language, std::string(40, 'L'));
}

TEST(PreferencesParse, AFifthRecentFileEndsTheReading) {
    const auto p = parsePreferences("f\r0\r0\r1\r0\r0\r0\r0\ra\rb\rc\rd\re\r5\r");
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(p.portIndex, -1);
}

TEST(PreferencesFile, WriteThenReadGivesTheSamePreferences) {
    Preferences p;
    p.lastEditedFile = "/work/x.TSX";
    p.downloadVia = 3;
    p.baudRate = 2;
    p.alwaysOnTop = true;
    p.language = "Deutsch";
    p.recentFiles = {"/work/x.TSX", "/work/y.TSX"};
    p.portIndex = 4;
    EXPECT_EQ(serializePreferences(p), "/work/x.TSX\r3\r0\r1\r2\r0\r1\rDeutsch\r/work/x.TSX\r/work/y.TSX\r5\r");

    test::TempDir temp;
    const auto file = temp.path() / "VELMORA" / "TESSEX.ini";
    ASSERT_TRUE(writePreferences(file, p));
    EXPECT_EQ(readPreferences(file), p);
}

// The chosen port's name is written after the port field, where a reader of
// the fixed fields has stopped: every field before it stays as it was.
TEST(PreferencesFile, ThePortNameFollowsThePortField) {
    Preferences p;
    p.recentFiles = {"/work/x.TSX"};
    p.portIndex = 2;
    const std::string fixed = serializePreferences(p);
    p.portName = "/dev/pts/4";
    EXPECT_EQ(serializePreferences(p), fixed + "/dev/pts/4\r");
    EXPECT_EQ(parsePreferences(serializePreferences(p)), p);
    // Older programs read about 1300 bytes: the name never makes the file longer.
    p.recentFiles.assign(4, "/" + std::string(279, 'r'));
    p.portName = "/dev/serial/by-id/" + std::string(200, 'n');
    const std::string written = serializePreferences(p);
    EXPECT_LE(written.size(), 1280u);
    EXPECT_EQ(parsePreferences(written).portName, "");
    EXPECT_EQ(parsePreferences(written).portIndex, 2);
    // A name holding the separator would become a field of its own.
    p.recentFiles = {"/work/x.TSX"};
    p.portName = "/dev/pts/4\rmore";
    EXPECT_EQ(serializePreferences(p), fixed);

    struct Case {
        const char* content;
        int portIndex;
        const char* portName;
    };
    const Case cases[] = {
        {"f\r0\r0\r1\r0\r0\r0\r0\r3\r", 2, ""},                             // an older writer's file
        {"f\r0\r0\r1\r0\r0\r0\r0\ra\r3\rCOM3\r", 2, "COM3"},                // after a recent file
        {"f\r0\r0\r1\r0\r0\r0\r0\r0\r/dev/rfcomm0\r", -1, "/dev/rfcomm0"},  // a typed path
        {"f\r0\r0\r1\r0\r0\r0\r0\r3\r7 port\rmore\r", 2, "7 port"},         // read by place, not by look
        {"f\r0\r0\r1\r0\r0\r0\r0\r3x\rCOM3\r", -1, ""},                     // no port field, no name
    };
    for (const auto& c : cases) {
        const auto read = parsePreferences(c.content);
        EXPECT_EQ(read.portIndex, c.portIndex) << c.content;
        EXPECT_EQ(read.portName, c.portName) << c.content;
    }
}

// The interface lists differ by family, so the family the choices were made
// for is kept after the port name, where the format's readers have stopped.
TEST(PreferencesFile, TheInterfacesFamilyFollowsThePortName) {
    Preferences p;
    p.portIndex = 0;
    p.portName = "/dev/rfcomm0";
    p.downloadVia = 2;
    p.interfaceFamily = kFamily4760;
    const std::string written = serializePreferences(p);
    EXPECT_TRUE(written.ends_with("1\r/dev/rfcomm0\rfamily=4760\r")) << written;
    EXPECT_EQ(parsePreferences(written), p);
    // Without a name it is not written: a reader would take it for the name.
    p.portName.clear();
    EXPECT_EQ(parsePreferences(serializePreferences(p)).interfaceFamily, 0);
    EXPECT_EQ(parsePreferences("f\r2\r0\r1\r0\r0\r0\r0\r1\rCOM1\rfamily=9\r").interfaceFamily, 0);

    EXPECT_EQ(interfaceFamilyOf(parsePreferences(written), kFamilyGroup), kFamily4760);
    EXPECT_EQ(interfaceFamilyOf(Preferences{}, kFamilyGroup), kFamilyGroup);
}

TEST(PreferencesFile, MissingHugeOrGarbageFilesAreReadSafely) {
    test::TempDir temp;
    EXPECT_EQ(readPreferences(temp.path() / "none.ini"), Preferences{});

    std::string garbage;
    for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 131) % 256);
    std::ofstream(temp.path() / "big.ini", std::ios::binary) << garbage;
    const auto p = readPreferences(temp.path() / "big.ini");
    EXPECT_LE(p.recentFiles.size(), kMaxRecentFiles);
    EXPECT_GE(p.portIndex, -1);
    EXPECT_LE(p.language.size(), 40u);
}

TEST(PreferencesFile, UnwritableLocationFailsQuietly) {
    test::TempDir temp;
    std::ofstream(temp.path() / "blocker") << "a file where the folder should be";
    EXPECT_FALSE(writePreferences(temp.path() / "blocker" / "TESSEX.ini", Preferences{}));
}

TEST(RecentFiles, NewPathsPushOutTheOldestAndKnownOnesMoveToTheHead) {
    Preferences p;
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) addRecentFile(p, path);
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"/5", "/4", "/3", "/2"}));
    addRecentFile(p, "/3");
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"/3", "/5", "/4", "/2"}));
    EXPECT_EQ(p.lastEditedFile, "/3");
    addRecentFile(p, "/A");
    addRecentFile(p, "/a");  // letter case counts
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"/a", "/A", "/3", "/5"}));
}

// A carriage return in a remembered path would end its field early and shift
// every later field; a path starting with a digit would be read back as the
// port field, emptying the recent files behind it and losing the chosen port.
// Such paths are not remembered, and the file stays as it was.
TEST(RecentFiles, PathsTheFileCannotHoldAreNotRemembered) {
    test::TempDir temp;
    PreferencesStore store{temp.path() / "TESSEX.ini", {}};
    store.values.baudRate = 2;
    store.values.language = "Deutsch";
    store.values.portIndex = 4;
    store.rememberFile("/p/a.TSX");
    store.rememberFile("/p/b.TSX");
    const auto before = readFileBytes(store.file, 1 << 16);
    ASSERT_TRUE(before);
    for (const char* path : {"/p/x\r1\r1.TSX", "/p/x\r", "2024/stock.TSX", "7", ""}) {
        store.rememberFile(path);
        EXPECT_EQ(readFileBytes(store.file, 1 << 16), before) << path;
        EXPECT_EQ(store.values.recentFiles, (std::vector<std::string>{"/p/b.TSX", "/p/a.TSX"})) << path;
        EXPECT_EQ(store.values.lastEditedFile, "/p/b.TSX") << path;
        EXPECT_FALSE(canRememberPath(path)) << path;
    }
    const Preferences read = readPreferences(store.file);
    EXPECT_EQ(read, store.values);
    EXPECT_EQ(read.portIndex, 4);
    EXPECT_EQ(read.baudRate, 2);
    for (const char* path : {"/p/1.TSX", "C:\\p\\2024.TSX", "stock 1.TSX", "-1.TSX"})
        EXPECT_TRUE(canRememberPath(path)) << path;
}

TEST(PreferencesLocation, AppDataThenConfigHome) {
    static std::map<std::string, std::string> environment;
    const auto lookup = [](const char* name) -> std::optional<std::string> {
        const auto it = environment.find(name);
        return it == environment.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    environment = {{"APPDATA", "/appdata"}, {"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/u"}};
    EXPECT_EQ(preferencesFilePath(lookup), std::filesystem::path("/appdata/VELMORA/TESSEX.ini"));
    environment.erase("APPDATA");
    EXPECT_EQ(preferencesFilePath(lookup), std::filesystem::path("/xdg/VELMORA/TESSEX.ini"));
    environment.erase("XDG_CONFIG_HOME");
    EXPECT_EQ(preferencesFilePath(lookup), std::filesystem::path("/home/u/.config/VELMORA/TESSEX.ini"));
}

}  // namespace
}  // namespace tessel
