#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>

#include "core/strings.h"
#include "core/ui/qt_messages.h"

namespace tessel::ui {
namespace {

// The filter labels name their patterns themselves; the chooser must not
// repeat them after the label.
TEST(FileDialog, FilterLabelsAreShownAsTheyAre) {
    const Strings strings;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    prepareFileDialog(dialog, openProjectRequest(strings, ""));
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), "Tessel Studio Files(*.TSX and *.TSA)");
    EXPECT_EQ(types->itemText(1), "All files (*.*)");
    EXPECT_EQ(dialog.nameFilters().first(), "Tessel Studio Files(*.TSX and *.TSA) (*.TSX *.TSA)");
}

}  // namespace
}  // namespace tessel::ui
