#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "core/project.h"
#include "core/project_file.h"
#include "simulator/startup_page_model.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

// A main menu line changed through the Startup page's rules, saved: the
// reopened project keeps it, `tessel sim` shows it and `tessel image` sends it.
TEST(StartupTexts, AnEditedMainMenuLineIsSavedRunAndSent) {
    Project project = test::newProject(kFamilyGroup);
    CapturedMessages messages;
    WorkingTexts texts;
    StartupPageModel page(project, test::builtinStrings(), messages, texts);
    page.load();
    EXPECT_EQ(page.setLine(0, "1. Count stock"), "1. Count stock");
    page.accept();

    test::TempDir dir;
    const auto file = (dir.path() / "counted.TSX").string();
    ASSERT_EQ(writeProject(project, file, nullptr), 1);
    Project reopened = test::newProject(kFamily4760);
    ASSERT_EQ(readProject(reopened, file, test::builtinStrings(), messages, nullptr), 1);
    EXPECT_EQ(cellText(reopened.definition.texts.block(2)[0]), "1. Count stock");

    const auto sim = test::runTessel({"sim", file}, dir.path());
    ASSERT_EQ(sim.status, 0) << sim.err;
    EXPECT_NE(sim.out.find("|1. Count stock      |\n|2. Upload data      |"), std::string::npos) << sim.out;

    const auto imageFile = dir.path() / "counted.img";
    const auto image = test::runTessel({"image", file, "-o", imageFile.string()}, dir.path());
    ASSERT_EQ(image.status, 0) << image.err;
    std::ifstream in(imageFile, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    constexpr std::size_t kMainMenuInImage = 23 + 3500 + 12150 + 366 + 84;  // behind text block 1
    EXPECT_EQ(bytes.substr(kMainMenuInImage, 14), "1. Count stock");
}

}  // namespace
}  // namespace tessel
