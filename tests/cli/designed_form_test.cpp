#include <gtest/gtest.h>

#include "core/project.h"
#include "core/project_file.h"
#include "editors/form_page_model.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

// A form made through the Form page's rules, saved, and run by `tessel sim`
// as the terminal would run it.
TEST(DesignedForm, RunsInTheSimulatorAsDesigned) {
    Project project = test::newProject(kFamilyGroup);
    FormPageModel page(test::builtinStrings());
    page.load(project.definition.forms);
    page.setFieldType(0, 1);  // text
    EXPECT_EQ(page.setPrompt(0, "Item:"), "Item:");
    EXPECT_EQ(page.setMaxLength(0, "0005"), "5");
    page.setFieldType(1, 2);  // integer
    page.setPrompt(1, "Qty:");
    page.setRecordAction(3);  // pass down: the record is kept for the next form
    page.setNextTarget(0);    // back to the main menu
    page.accept(project);  // the editor sheet, not the page, marks the project modified

    test::TempDir dir;
    const auto file = (dir.path() / "designed.TSX").string();
    ASSERT_EQ(writeProject(project, file, nullptr), 1);

    const auto atForm = test::runTessel({"sim", file, "--keys", "1"}, dir.path());
    ASSERT_EQ(atForm.status, 0) << atForm.err;
    EXPECT_NE(atForm.out.find("state=FormScreen"), std::string::npos) << atForm.out;
    EXPECT_NE(atForm.out.find("|Item:"), std::string::npos) << atForm.out;
    EXPECT_NE(atForm.out.find("|Qty:"), std::string::npos) << atForm.out;

    const auto done = test::runTessel({"sim", file, "--keys", "1 1 2 ENTER 7 ENTER"}, dir.path());
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_NE(done.out.find("state=MainMenu"), std::string::npos) << done.out;
    EXPECT_NE(done.out.find("counter=1"), std::string::npos) << done.out;
    EXPECT_NE(done.out.find("output=12"), std::string::npos) << done.out;
}

}  // namespace
}  // namespace tessel
