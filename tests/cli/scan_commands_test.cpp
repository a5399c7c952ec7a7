// Scans from the command line: `tessel barcode` pictures read back by
// `tessel sim` through SCAN:FILE, scan tokens, and the reasons bad ones give.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/project.h"
#include "core/project_file.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

constexpr Byte k2dReader = 1;

class ScanCommands : public ::testing::Test {
protected:
    // Form 1: one text field of 40 characters that takes every source, on
    // the reader `readerType`.
    std::string projectFile(Byte readerType) {
        Project project = test::newProject(kFamily4760);
        FormRecord& form = project.definition.forms[0];
        form.fieldType[0] = 1;
        setCellText(form.fieldPrompt[0], "Id:");
        form.maxLength[0] = 40;
        form.inputSource[0] = 4;
        form.autoEnter[0] = 0;
        project.definition.settings.ReaderType = readerType;
        const auto file = (dir.path() / "scan.TSX").string();
        EXPECT_EQ(writeProject(project, file, nullptr), 1);
        return file;
    }

    test::ToolRun tessel(const std::vector<std::string>& arguments) { return test::runTessel(arguments, dir.path()); }

    test::TempDir dir;
};

TEST_F(ScanCommands, BarcodePicturesReadBackThroughTheSimulator) {
    const auto project = projectFile(k2dReader);
    struct Case {
        std::string symbology;
        std::string data;
    };
    const Case cases[] = {
        {"EAN13", "4006381333931"}, {"CODE128", "BOX-17/a"},   {"CODE39", "ITEM 42"},
        {"QR", "LOT7;2026"},        {"DATAMATRIX", "PALLET9"},
    };
    for (const auto& c : cases) {
        const auto picture = (dir.path() / (c.symbology + ".png")).string();
        const auto drawn = tessel({"barcode", c.symbology, c.data, "-o", picture});
        ASSERT_EQ(drawn.status, 0) << drawn.err;
        const auto run = tessel({"sim", project, "--keys", "1 SCAN:FILE:" + picture});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string row = "Id:" + c.data;
        EXPECT_NE(run.out.find("|" + row + std::string(20 - row.size(), ' ') + "|"), std::string::npos)
            << c.symbology << "\n"
            << run.out;
    }
}

TEST_F(ScanCommands, TraceNotesAScanNothingCameOf) {
    const auto project = projectFile(0);
    const auto run = tessel({"sim", project, "--trace", "--keys", "1 SCAN:QR:LOT7 SCAN:CODE128:A1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("> SCAN:QR:LOT7\n"), std::string::npos);
    EXPECT_NE(run.out.find("note: not read: QR Code is not enabled for the 1D reader\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("note:", run.out.find("> SCAN:CODE128:A1")), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("|Id:A1"), std::string::npos);
}

TEST_F(ScanCommands, BadScansAndPicturesSayWhy) {
    const auto project = projectFile(k2dReader);
    const auto text = (dir.path() / "label.png").string();
    ASSERT_EQ(writeFileAtomically(text, "EAN13 4006381333931").result, WriteResult::Written);
    const auto blank = (dir.path() / "blank.png").string();
    ASSERT_EQ(tessel({"barcode", "QR", "X", "-o", blank}).status, 0);
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {{"sim", project, "--keys", "1 SCAN:EAN13:400638133393A"},
         2,
         "'SCAN:EAN13:400638133393A': EAN13 holds 13 digits"},
        {{"sim", project, "--keys", "SCAN:GS1:1"}, 2, "unknown symbology 'GS1'"},
        {{"sim", project, "--keys", "1 SCAN:FILE:" + text}, 1, text + ": the file is not a PNG or JPEG picture"},
        {{"sim", project, "--keys", "1 SCAN:FILE:" + text + ".gone"}, 1, "cannot read " + text + ".gone"},
        {{"barcode", "EAN13", "12345", "-o", blank}, 2, "EAN13 holds 13 digits"},
        {{"barcode", "UPCE", "04252610", "-o", blank}, 2, "UPCE check digit of 04252610 should be 4"},
        {{"barcode", "EAN-14", "1", "-o", blank}, 2, "unknown symbology 'EAN-14'"},
        {{"barcode", "QR", "X", "-o", text + ".jpg"}, 2, "Only PNG pictures are written"},
    };
    for (const auto& c : cases) {
        const auto run = tessel(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.back() << "\n" << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tessel
