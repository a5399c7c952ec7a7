#include "core/ui/preferences_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/messages.h"
#include "core/model_family.h"
#include "core/strings.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

class PreferencesDialogTest : public ::testing::Test {
protected:
    Strings strings;
    CapturedMessages messages;
    std::vector<std::string> ports{"ttyUSB0 - Virtual port", "COM3 - Serial port", "rfcomm0 - Bluetooth port"};
};

TEST_F(PreferencesDialogTest, DetectButtonFollowsTheInterfaceChoices) {
    Preferences stored;
    stored.downloadVia = 1;
    stored.receiveVia = 0;
    PreferencesForm form(stored, kFamily4760, ports, {});
    PreferencesDialog dialog(form, strings, messages, {});
    auto* detect = test::child<QPushButton>(&dialog, "detectCradle");
    EXPECT_TRUE(detect->isEnabled());
    test::child<QComboBox>(&dialog, "receiveVia")->setCurrentIndex(2);
    EXPECT_FALSE(detect->isEnabled());
    test::child<QComboBox>(&dialog, "downloadVia")->setCurrentIndex(0);
    EXPECT_TRUE(detect->isEnabled());
    EXPECT_FALSE(test::child<QComboBox>(&dialog, "language")->isEnabled());

    PreferencesForm group(stored, kFamilyGroup, ports, {"Deutsch"});
    PreferencesDialog groupDialog(group, strings, messages, {});
    EXPECT_FALSE(test::child<QPushButton>(&groupDialog, "detectCradle")->isEnabled());
    EXPECT_TRUE(test::child<QComboBox>(&groupDialog, "language")->isEnabled());
    EXPECT_EQ(test::child<QComboBox>(&groupDialog, "downloadVia")->count(), 4);
}

TEST_F(PreferencesDialogTest, DetectedCradleSelectsItsPort) {
    PreferencesForm form({}, kFamily4760, ports, {});
    PreferencesDialog dialog(form, strings, messages, [] { return DetectedCradle{2, "rfcomm0"}; });
    test::child<QPushButton>(&dialog, "detectCradle")->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Detecting Result");
    EXPECT_EQ(messages.shown()[0].text, "Cradle is connected to rfcomm0");
    EXPECT_EQ(test::child<QComboBox>(&dialog, "port")->currentText(), "rfcomm0 - Bluetooth port");
    EXPECT_EQ(form.result().portIndex, 2);

    PreferencesDialog missing(form, strings, messages, [] { return std::optional<DetectedCradle>{}; });
    test::child<QPushButton>(&missing, "detectCradle")->click();
    EXPECT_EQ(messages.shown().back().text, "Cradle is not available!!");
    EXPECT_TRUE(test::child<QPushButton>(&missing, "detectCradle")->isEnabled());
}

TEST_F(PreferencesDialogTest, ControlsEditTheCopy) {
    PreferencesForm form({}, kFamilyGroup, ports, {"Deutsch"});
    PreferencesDialog dialog(form, strings, messages, {});
    test::child<QComboBox>(&dialog, "downloadVia")->setCurrentIndex(3);
    test::child<QComboBox>(&dialog, "baudRate")->setCurrentIndex(4);
    test::child<QCheckBox>(&dialog, "autoPreload")->setChecked(true);
    test::child<QComboBox>(&dialog, "language")->setCurrentIndex(1);
    test::child<QComboBox>(&dialog, "port")->setCurrentIndex(0);
    const auto chosen = form.result();
    EXPECT_EQ(chosen.downloadVia, 3);
    EXPECT_EQ(chosen.baudRate, 4);
    EXPECT_TRUE(chosen.autoPreload);
    EXPECT_EQ(chosen.language, "Deutsch");
    EXPECT_EQ(chosen.portIndex, 1);
    EXPECT_EQ(test::child<QComboBox>(&dialog, "baudRate")->itemText(0), "115200 bps");
}

// A stored position that now names another port selects nothing; the user
// picks a port or types a device path the listing does not show.
TEST_F(PreferencesDialogTest, APortCanBeTypedAndAStaleChoiceSelectsNothing) {
    Preferences stored;
    stored.portIndex = 1;  // COM3 now
    stored.portName = "/dev/pts/4";
    PreferencesForm form(stored, kFamilyGroup, ports, {});
    PreferencesDialog dialog(form, strings, messages, {});
    auto* port = test::child<QComboBox>(&dialog, "port");
    EXPECT_EQ(port->currentIndex(), -1);
    EXPECT_EQ(port->currentText(), "");
    EXPECT_FALSE(port->lineEdit()->placeholderText().isEmpty());
    EXPECT_EQ(form.result().portName, "/dev/pts/4");  // OK alone keeps asking

    QTest::keyClicks(port->lineEdit(), "/dev/rfcomm7");
    EXPECT_EQ(form.result().portIndex, -1);
    EXPECT_EQ(form.result().portName, "/dev/rfcomm7");
    port->setCurrentIndex(0);  // COM3, first of the sorted lines
    EXPECT_EQ(form.result().portIndex, 1);
    EXPECT_EQ(form.result().portName, "COM3");

    // A typed path comes back as typed.
    Preferences typed;
    typed.portName = "/dev/rfcomm7";
    PreferencesForm typedForm(typed, kFamilyGroup, ports, {});
    PreferencesDialog typedDialog(typedForm, strings, messages, {});
    EXPECT_EQ(test::child<QComboBox>(&typedDialog, "port")->currentText(), "/dev/rfcomm7");
}

TEST_F(PreferencesDialogTest, WithoutListedPortsAPathCanStillBeTyped) {
    PreferencesForm form({}, kFamilyGroup, {}, {});
    PreferencesDialog dialog(form, strings, messages, {});
    auto* port = test::child<QComboBox>(&dialog, "port");
    EXPECT_TRUE(port->lineEdit()->placeholderText().startsWith("Don't have any COM port device!"));
    QTest::keyClicks(port->lineEdit(), "/dev/pts/3");
    EXPECT_EQ(form.result().portName, "/dev/pts/3");
    EXPECT_TRUE(messages.shown().empty());
}

// Names are the language files' Windows-1251 bytes; the list shows them as
// Unicode and OK keeps the stored name as it was.
TEST_F(PreferencesDialogTest, ALanguageNamedInCyrillicIsShownAndKept) {
    const std::string russian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";
    Preferences stored;
    stored.language = russian;
    PreferencesForm form(stored, kFamilyGroup, ports, {"Deutsch", russian});
    PreferencesDialog dialog(form, strings, messages, {});
    auto* language = test::child<QComboBox>(&dialog, "language");
    EXPECT_EQ(language->currentText(), QString::fromUtf8("Русский"));
    EXPECT_EQ(form.result().language, russian);
    language->setCurrentIndex(1);
    language->setCurrentIndex(2);
    EXPECT_EQ(form.result().language, russian);
}

TEST_F(PreferencesDialogTest, ALanguageNamesTheDialog) {
    strings.language().store(11, "Einstellungen");
    strings.language().store(12, "&\xCF\xEE\xF0\xF2 :");  // "&Порт :" in Windows-1251
    strings.language().setActive(true);
    PreferencesForm form({}, kFamilyGroup, ports, {});
    PreferencesDialog dialog(form, strings, messages, {});
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
    bool labelled = false;
    for (auto* label : dialog.findChildren<QLabel*>()) labelled |= label->text() == QString::fromUtf8("&Порт :");
    EXPECT_TRUE(labelled);
}

TEST_F(PreferencesDialogTest, EveryLabelShowsItsMnemonicAndPointsAtItsControl) {
    Preferences stored;
    PreferencesForm form(stored, kFamilyGroup, ports, {"Deutsch"});
    PreferencesDialog dialog(form, strings, messages, {});
    for (auto* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().contains('&')) continue;
        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
    }
    EXPECT_EQ(test::child<QLabel>(&dialog, "portLabel")->buddy(), test::child<QComboBox>(&dialog, "port"));
}

}  // namespace
}  // namespace tessel::ui
