// Reader settings made through the Barcode page's rules and its option
// dialogs: the project saves, reopens identical, downloads to the terminal,
// and `tessel export` names every changed bit.
#include <gtest/gtest.h>

#include "core/application_image.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "link/application_download.h"
#include "link/simulated_link.h"
#include "reader/barcode_page_model.h"
#include "reader/code_id_dialog_model.h"
#include "reader/option_dialog_model.h"
#include "support/projects.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

void setOption(Definition& definition, int button, std::string_view name, int entry) {
    OptionDialogModel dialog(*optionDialogFor(true, button), test::builtinStrings(), definition);
    for (std::size_t index = 0; index < dialog.size(); ++index) {
        if (dialog.control(index).name != name) continue;
        if (dialog.control(index).kind == OptionKind::Check) {
            dialog.setChecked(index, entry != 0);
        } else {
            dialog.setChoice(index, entry);
        }
    }
    dialog.accept();
}

TEST(ReaderSettings, SaveReopenDownloadAndExportByName) {
    Project project = test::newProject(kFamily4760);
    BarcodePageModel page(test::builtinStrings(), project.family);
    page.load(project.definition);
    page.chooseReader(project.definition, 1);  // 2D reader
    setOption(project.definition, 201, "supplementals", 2);
    setOption(project.definition, 215, "transmitChecksum", 1);
    setOption(project.definition, 218, "ukPostal", 1);
    CodeIdDialogModel codeId(project.definition);
    codeId.setOn(true);
    codeId.loadSet(3);
    codeId.accept();
    page.setBox(boxIndex(127), false);  // QR Code off
    page.apply(project.definition);

    test::TempDir dir;
    const auto file = dir.path() / "reader.TSX";
    ASSERT_EQ(writeProject(project, file, nullptr), 1);
    Project reopened = test::newProject(kFamilyGroup);
    CapturedMessages messages;
    ASSERT_EQ(readProject(reopened, file, test::builtinStrings(), messages, nullptr), 1);
    const auto saved = recordBytes(project.definition);
    const auto read = recordBytes(reopened.definition);
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), read.begin()));
    EXPECT_EQ(reopened.family, kFamily4760);

    test::SimulatedLink terminal(link::PeerSettings{});
    link::ApplicationDownload download(reopened.definition, reopened.defaults);
    ASSERT_EQ(terminal.run(download).result, link::kCompleted);
    Definition prepared = reopened.definition;
    prepareForDownload(prepared);
    ASSERT_NE(terminal.peer.image(), nullptr);
    EXPECT_EQ(*terminal.peer.image(), buildImage(prepared, reopened.defaults));

    const auto exported = test::runTessel({"export", file.string()}, dir.path());
    ASSERT_EQ(exported.status, 0) << exported.err;
    for (const char* named : {"\"reader2d\": 1", "\"supplementals\": 2", "\"interleaved25TransmitChecksum\": 1",
                              "\"ukPostal\": 1", "\"qrCode\": 0", "\"codeIdOn\": 1"}) {
        EXPECT_NE(exported.out.find(named), std::string::npos) << named;
    }
    // Set 4 gives EAN8 the two-character identifier "FF".
    EXPECT_EQ(reopened.definition.settings.codeId[10], (Bytes<2>{'F', 'F'}));
}

}  // namespace
}  // namespace tessel
