// The RFID, Weight Code and Code ID dialogs bound to their models.
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "core/messages.h"
#include "core/project.h"
#include "core/ui/screen_fitting.h"
#include "editors/ui/grid_target_box.h"
#include "reader/ui/code_id_dialog.h"
#include "reader/ui/rfid_dialog.h"
#include "reader/ui/weight_code_dialog.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

using test::child;

class BespokeDialogs : public ::testing::Test {
protected:
    Project project = test::newProject(kFamily4760);
    CapturedMessages messages;
};

TEST_F(BespokeDialogs, RfidFieldsFollowTheBoxesAndAreCorrected) {
    RfidDialog dialog(project.definition, test::builtinStrings());
    auto* readData = child<QCheckBox>(&dialog, "readData");
    auto* start = child<QLineEdit>(&dialog, "startPosition");
    auto* useDelimiter = child<QCheckBox>(&dialog, "useDelimiter");
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(useDelimiter->isEnabled());
    readData->click();
    EXPECT_TRUE(start->isEnabled());
    EXPECT_TRUE(useDelimiter->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(&dialog, "delimiter")->isEnabled());
    useDelimiter->click();
    EXPECT_TRUE(child<QLineEdit>(&dialog, "delimiter")->isEnabled());
    start->selectAll();
    QTest::keyClicks(start, "300");
    EXPECT_EQ(start->text(), "255");
    dialog.reject();
    EXPECT_EQ(project.definition.rfid.startPosition, 0);
    EXPECT_EQ(project.definition.rfid.options, 0x80);
}

TEST_F(BespokeDialogs, WeightCodePrefixIsPaddedWhenItLosesTheFocusAndOnOk) {
    WeightCodeDialog dialog(project.definition, test::builtinStrings());
    auto* prefix = child<QLineEdit>(&dialog, "prefixCode");
    prefix->selectAll();
    QTest::keyClicks(prefix, "2");
    QFocusEvent leaving(QEvent::FocusOut);
    QApplication::sendEvent(prefix, &leaving);
    EXPECT_EQ(prefix->text(), " 2");
    prefix->selectAll();
    QTest::keyClicks(prefix, "7");  // Enter would accept without leaving the field
    child<QComboBox>(&dialog, "keyField")->setCurrentIndex(5);
    EXPECT_EQ(child<QComboBox>(&dialog, "keyField")->currentText(), "field 6");
    child<QCheckBox>(&dialog, "enable")->click();
    EXPECT_FALSE(prefix->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(&dialog, "format1c")->isEnabled());
    dialog.accept();
    EXPECT_EQ(project.definition.weightCode.prefixCode, (Bytes<2>{' ', '7'}));
    EXPECT_EQ(project.definition.weightCode.keyField.value(), 6);
    EXPECT_EQ(project.definition.weightCode.flags.value(), 0);
}

TEST_F(BespokeDialogs, CodeIdSetsFillTheBoxesAndOkStoresThem) {
    CodeIdDialog dialog(project.definition, test::builtinStrings(), messages);
    auto* set4 = child<QPushButton>(&dialog, "set4");
    auto* ean8 = child<GridTargetBox>(&dialog, "codeId11");
    EXPECT_FALSE(set4->isEnabled());
    EXPECT_FALSE(ean8->isEnabled());
    child<QCheckBox>(&dialog, "codeIdOn")->click();
    set4->click();
    EXPECT_EQ(ean8->text(), " F F");
    EXPECT_EQ(child<GridTargetBox>(&dialog, "codeId1")->text(), " M");
    EXPECT_EQ(project.definition.settings.codeIdOn, 0);  // nothing is stored before OK
    child<QPushButton>(&dialog, "clearButton")->click();
    EXPECT_EQ(ean8->text(), "");
    child<QPushButton>(&dialog, "set1")->click();
    dialog.accept();
    EXPECT_EQ(project.definition.settings.codeIdOn, 1);
    EXPECT_EQ(project.definition.settings.codeId[10], (Bytes<2>{'P', 0}));
}

TEST_F(BespokeDialogs, CodeIdOfThe2dReaderLeavesItsUnreadRowsDisabled) {
    project.definition.settings.ReaderType = 0x01;
    project.definition.settings.codeIdOn = 1;
    CodeIdDialog dialog(project.definition, test::builtinStrings(), messages);
    EXPECT_FALSE(child<GridTargetBox>(&dialog, "codeId2")->isEnabled());
    EXPECT_FALSE(child<GridTargetBox>(&dialog, "codeId15")->isEnabled());
    EXPECT_TRUE(child<GridTargetBox>(&dialog, "codeId4")->isEnabled());
}

TEST_F(BespokeDialogs, ACodeIdBoxOpensTheGridForTwoBytes) {
    CodeIdDialog dialog(project.definition, test::builtinStrings(), messages);
    child<QCheckBox>(&dialog, "codeIdOn")->click();
    test::whenModalOpens([](QDialog& grid) {
        EXPECT_EQ(grid.objectName(), "GridDlg");
        test::press(grid, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(child<GridTargetBox>(&dialog, "codeId1"), Qt::LeftButton);
    EXPECT_EQ(child<GridTargetBox>(&dialog, "codeId1")->text(), "");
}

// The grid opens beside the Code ID dialog, so the field it fills stays in
// sight, with every dialog fitted to the screen as the program fits them: the
// Code ID dialog moves up to make room below it.
TEST_F(BespokeDialogs, TheGridOpensBesideTheCodeIdDialog) {
    ui::ScreenFitting fitting;
    qApp->installEventFilter(&fitting);
    CodeIdDialog dialog(project.definition, test::builtinStrings(), messages);
    dialog.show();
    child<QCheckBox>(&dialog, "codeIdOn")->click();
    QRect gridFrame;
    test::whenModalOpens([&](QDialog& grid) {
        gridFrame = grid.frameGeometry();
        test::press(grid, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(child<GridTargetBox>(&dialog, "codeId9"), Qt::LeftButton);
    ASSERT_FALSE(gridFrame.isEmpty());
    EXPECT_FALSE(gridFrame.intersects(dialog.frameGeometry()));
    EXPECT_TRUE(dialog.screen()->availableGeometry().contains(gridFrame));
    EXPECT_TRUE(dialog.screen()->availableGeometry().contains(dialog.frameGeometry()));
}

}  // namespace
}  // namespace tessel
