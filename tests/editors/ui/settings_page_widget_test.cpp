#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cstring>

#include "core/messages.h"
#include "core/project.h"
#include "editors/ui/editor_sheet.h"
#include "editors/ui/placeholder_page.h"
#include "editors/ui/settings_page.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

constexpr int kSettingsTab = 4;

// The Settings page in its place on the sheet, behind four placeholders.
class SettingsPageTest : public ::testing::Test {
protected:
    void open(int family = kFamilyGroup) {
        project.family = family;
        sheet = std::make_unique<EditorSheet>(project, test::builtinStrings());
        for (int page = 0; page < kSettingsTab; ++page) sheet->addPage(new PlaceholderPage("Placeholder"));
        sheet->addPage(new SettingsPage(project, test::builtinStrings(), messages));
        sheet->tabs()->setCurrentIndex(kSettingsTab);
    }

    template <typename Widget>
    Widget* control(const char* name) {
        return test::child<Widget>(sheet.get(), name);
    }

    QComboBox* list(const char* name) { return control<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    void pressSheet(QDialogButtonBox::StandardButton which) {
        sheet->findChild<QDialogButtonBox*>("sheetButtons")->button(which)->click();
    }

    Project project = test::newProject(kFamilyGroup);
    SystemSettings& settings = project.definition.settings;
    CapturedMessages messages;
    std::unique_ptr<EditorSheet> sheet;
};

TEST_F(SettingsPageTest, BoxesShowTheLoadedRecord) {
    settings.uploadPort = 3;
    settings.downloadPort = 6;
    setCellText(settings.uploadPhone, "0123456789 012345678");
    setCellText(settings.downloadPhone, "555-01");
    settings.modemSpeed = 2;
    settings.baudRate = 4;
    settings.backlight = 1;
    settings.backlightIdle = 7;
    settings.dataDeletion = 1;
    settings.entryOptions = 2;
    settings.promptDuration = 45;
    settings.keyClick = 5;
    settings.goodReadBeep = 3;
    settings.warningBeep = 0;
    settings.vibrator = 4;
    open();

    const struct {
        const char* name;
        Byte stored;
        const char* shown;
    } lists[] = {
        {"uploadPort", settings.uploadPort, "Modem"},
        {"downloadPort", settings.downloadPort, "Cable Fast VPort"},
        {"modemSpeed", settings.modemSpeed, "38400 bps"},
        {"baudRate", settings.baudRate, "9600 bps"},
        {"backlight", settings.backlight, "Turn on"},
        {"dataDeletion", settings.dataDeletion, "Automatic"},
        {"entryOptions", settings.entryOptions, "Show record"},
        {"keyClick", settings.keyClick, "Tone 5"},
        {"goodReadBeep", settings.goodReadBeep, "Three beeps"},
        {"warningBeep", settings.warningBeep, "Mute"},
        {"vibrator", settings.vibrator, "4 s"},
    };
    for (const auto& l : lists) {
        EXPECT_EQ(list(l.name)->currentIndex(), l.stored) << l.name;
        EXPECT_EQ(list(l.name)->currentText(), l.shown) << l.name;
    }
    EXPECT_EQ(edit("uploadPhone")->text(), "0123456789 012345678");
    EXPECT_EQ(edit("downloadPhone")->text(), "555-01");
    EXPECT_EQ(edit("backlightIdle")->text(), "7");
    EXPECT_EQ(edit("promptDuration")->text(), "45");
    EXPECT_TRUE(control<QRadioButton>("stayOnLcd")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("pressAnyKey")->isChecked());

    EXPECT_TRUE(edit("uploadPhone")->isEnabled());
    EXPECT_TRUE(control<QLabel>("uploadPhoneIcon")->isEnabled());
    EXPECT_FALSE(edit("downloadPhone")->isEnabled());
    EXPECT_FALSE(control<QLabel>("downloadPhoneIcon")->isEnabled());
    EXPECT_TRUE(list("modemSpeed")->isEnabled());
    EXPECT_TRUE(list("baudRate")->isEnabled());
}

TEST_F(SettingsPageTest, NumbersBeyondTheirDigitsShowWhole) {
    settings.backlightIdle = 12;
    settings.promptDuration = 150;
    open();
    EXPECT_EQ(edit("backlightIdle")->text(), "12");
    EXPECT_EQ(edit("promptDuration")->text(), "150");
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.backlightIdle, 12);
    EXPECT_EQ(settings.promptDuration, 150);
    EXPECT_FALSE(project.modified);
}

TEST_F(SettingsPageTest, KeyPressOpensWithTheDefaultDuration) {
    settings.promptDuration = 0;
    open();
    EXPECT_TRUE(control<QRadioButton>("pressAnyKey")->isChecked());
    EXPECT_EQ(edit("promptDuration")->text(), "6");
    EXPECT_FALSE(edit("promptDuration")->isEnabled());
}

TEST_F(SettingsPageTest, FourThousandSevenHundredSixtyUsesItsOwnPortList) {
    project = test::newProject(kFamily4760);
    open(kFamily4760);
    auto* upload = list("uploadPort");
    ASSERT_EQ(upload->count(), 4);
    EXPECT_FALSE(edit("uploadPhone")->isEnabled());
    upload->setCurrentIndex(2);
    EXPECT_TRUE(edit("uploadPhone")->isEnabled());
    EXPECT_TRUE(list("modemSpeed")->isEnabled());
    list("downloadPort")->setCurrentIndex(2);
    EXPECT_FALSE(list("baudRate")->isEnabled());
}

TEST_F(SettingsPageTest, EditsAreCorrectedAsTyped) {
    open();
    auto* idle = edit("backlightIdle");
    idle->selectAll();
    QTest::keyClicks(idle, "0");
    EXPECT_EQ(idle->text(), "1");
    auto* duration = edit("promptDuration");
    duration->selectAll();
    QTest::keyClicks(duration, "0");  // 0 is no duration: the edit shows 1 at once
    EXPECT_EQ(duration->text(), "1");
    QTest::keyClicks(duration, "5");
    EXPECT_EQ(duration->text(), "15");
    list("uploadPort")->setCurrentIndex(3);
    QTest::keyClicks(edit("uploadPhone"), "0123456789 0123456789");
    EXPECT_EQ(edit("uploadPhone")->text(), "0123456789 012345678");
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.backlightIdle, 1);
    EXPECT_EQ(settings.promptDuration, 15);
    EXPECT_EQ(cellText(settings.uploadPhone), "0123456789 012345678");
    EXPECT_TRUE(project.modified);
}

TEST_F(SettingsPageTest, PromptChoiceStoresZeroOrTheShownDuration) {
    open();
    auto* duration = edit("promptDuration");
    duration->selectAll();
    QTest::keyClicks(duration, "25");
    QTest::mouseClick(control<QRadioButton>("pressAnyKey"), Qt::LeftButton);
    EXPECT_FALSE(duration->isEnabled());
    list("entryOptions")->setCurrentIndex(0);
    EXPECT_FALSE(control<QRadioButton>("stayOnLcd")->isEnabled());
    list("entryOptions")->setCurrentIndex(1);
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.promptDuration, 0);

    open();
    EXPECT_EQ(edit("promptDuration")->text(), "6");
    QTest::mouseClick(control<QRadioButton>("stayOnLcd"), Qt::LeftButton);
    EXPECT_TRUE(edit("promptDuration")->isEnabled());
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.promptDuration, 6);
}

TEST_F(SettingsPageTest, ResetShowsTheDefaultsAndKeepsTheFunctionKeySwitch) {
    settings.baudRate = 3;
    settings.keyClick = 0;
    settings.promptDuration = 0;
    settings.functionKeysOn = 1;
    settings.functionKeyMap[4] = 7;
    open();
    control<QPushButton>("resetButton")->click();
    EXPECT_EQ(list("baudRate")->currentIndex(), 0);
    EXPECT_EQ(list("keyClick")->currentText(), "Tone 2");
    EXPECT_TRUE(control<QRadioButton>("stayOnLcd")->isChecked());
    EXPECT_EQ(edit("promptDuration")->text(), "6");
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.functionKeysOn, 1);
    EXPECT_EQ(settings.functionKeyMap[4], 0);
}

TEST_F(SettingsPageTest, SecurityDialogOkTakesItsValuesAndCancelDropsThem) {
    open();
    auto* security = control<QPushButton>("securityButton");
    test::whenModalOpens([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "SECURITYDLG");
        test::child<QCheckBox>(&dialog, "protectEditData")->setChecked(true);
        test::press(dialog, QDialogButtonBox::Cancel);
    });
    security->click();

    test::whenModalOpens([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Security Settings");
        auto* password = test::child<QLineEdit>(&dialog, "password");
        QTest::keyClicks(password, "ab-");
        EXPECT_EQ(password->text(), "ab");
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, "Invalid character!!!");
        auto* backlight = test::child<QCheckBox>(&dialog, "protectBacklight");
        backlight->setChecked(true);
        test::child<QCheckBox>(&dialog, "protectSettings")->setChecked(true);
        EXPECT_FALSE(backlight->isEnabled());
        EXPECT_TRUE(backlight->isChecked());
        EXPECT_TRUE(test::child<QCheckBox>(&dialog, "protectLoadLookupFile")->isEnabled());
        test::press(dialog, QDialogButtonBox::Ok);
    });
    security->click();
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(cellText(settings.password), "ab");
    EXPECT_EQ(settings.protectSettings, 1);
    EXPECT_EQ(settings.protectBacklight, 1);
    EXPECT_EQ(settings.protectEditData, 0);
}

TEST_F(SettingsPageTest, FunctionKeyDialogOkTakesItsValuesAndCancelDropsThem) {
    open();
    auto* functionKeys = control<QPushButton>("functionKeyButton");
    test::whenModalOpens([](QDialog& dialog) {
        test::child<QCheckBox>(&dialog, "functionKeysOn")->setChecked(true);
        test::child<QComboBox>(&dialog, "function1")->setCurrentIndex(3);
        test::press(dialog, QDialogButtonBox::Cancel);
    });
    functionKeys->click();

    test::whenModalOpens([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Function Key Mapping");
        auto* on = test::child<QCheckBox>(&dialog, "functionKeysOn");
        auto* ninth = test::child<QComboBox>(&dialog, "function9");
        EXPECT_FALSE(on->isChecked());
        EXPECT_FALSE(ninth->isEnabled());
        on->setChecked(true);
        EXPECT_TRUE(ninth->isEnabled());
        ninth->setCurrentIndex(19);
        test::press(dialog, QDialogButtonBox::Ok);
    });
    functionKeys->click();
    pressSheet(QDialogButtonBox::Ok);
    EXPECT_EQ(settings.functionKeysOn, 1);
    EXPECT_EQ(settings.functionKeyMap, (Bytes<kFunctionKeys>{0, 0, 0, 0, 0, 0, 0, 0, 19}));
}

TEST_F(SettingsPageTest, SheetCancelDropsThePageAndItsDialogs) {
    const SystemSettings before = settings;
    open();
    list("baudRate")->setCurrentIndex(2);
    test::whenModalOpens([](QDialog& dialog) {
        test::child<QCheckBox>(&dialog, "functionKeysOn")->setChecked(true);
        test::press(dialog, QDialogButtonBox::Ok);
    });
    control<QPushButton>("functionKeyButton")->click();
    pressSheet(QDialogButtonBox::Cancel);
    EXPECT_EQ(std::memcmp(&settings, &before, sizeof before), 0);
    EXPECT_FALSE(project.modified);
}

}  // namespace
}  // namespace tessel
