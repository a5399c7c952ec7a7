#include "link/data_file_name.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "support/temp_dir.h"

namespace tessel::link {
namespace {

TEST(DataFileName, FieldsAreFilledIn) {
    DataFileNameValues values;
    values.port = portTag("/dev/ttyUSB0");
    values.time.tm_year = 2026 - 1900;
    values.time.tm_mon = 11;
    values.time.tm_mday = 1;
    values.time.tm_hour = 7;
    values.time.tm_min = 5;
    values.time.tm_sec = 9;
    values.n = 12;
    struct Case {
        const char* pattern;
        const char* name;
    };
    const Case cases[] = {
        {"day.txt", "day.txt"},
        {"out/{port}.txt", "out/ttyUSB0.txt"},
        {"{date}_{time}.txt", "2026-12-01_070509.txt"},
        {"{port}-{n}-{port}", "ttyUSB0-12-ttyUSB0"},
    };
    for (const auto& c : cases) EXPECT_EQ(expandDataFileName(c.pattern, values), c.name) << c.pattern;
}

TEST(DataFileName, PortNamesBecomeSafeParts) {
    EXPECT_EQ(portTag("/dev/pts/3"), "pts-3");
    EXPECT_EQ(portTag("ttyS0"), "ttyS0");
    EXPECT_EQ(portTag("/dev/serial/by-id/usb-Korvan 4760:1"), "serial-by-id-usb-Korvan_4760_1");
}

TEST(DataFileName, UnknownAndUnclosedFieldsAreFaults) {
    EXPECT_EQ(dataFileNameProblem("{port}-{date}-{time}-{n}.txt"), std::nullopt);
    EXPECT_EQ(dataFileNameProblem("plain.txt"), std::nullopt);
    EXPECT_NE(dataFileNameProblem("{host}.txt").value_or("").find("{host}"), std::string::npos);
    EXPECT_NE(dataFileNameProblem("{port.txt"), std::nullopt);
    EXPECT_TRUE(patternHasField("a{n}", "n"));
    EXPECT_FALSE(patternHasField("a{port}", "n"));
}

TEST(DataFileName, TheNumberMakesANameNoFileHas) {
    test::TempDir dir;
    const std::string pattern = (dir.path() / "day-{n}.txt").string();
    ASSERT_EQ(writeFileAtomically(dir.path() / "day-1.txt", ""), WriteResult::Written);
    ASSERT_EQ(writeFileAtomically(dir.path() / "day-2.txt", ""), WriteResult::Written);
    std::filesystem::create_symlink("nowhere", dir.path() / "day-3.txt");  // a dangling link takes the name too
    DataFileNameValues values;
    EXPECT_EQ(firstFreeDataFileName(pattern, values), dir.path() / "day-4.txt");
    EXPECT_EQ(values.n, 4);
    EXPECT_EQ(firstFreeDataFileName((dir.path() / "day-1.txt").string(), values), dir.path() / "day-1.txt");
}

}  // namespace
}  // namespace tessel::link
