// Check Design and the check before Download Application, driven through the
// real window: the findings listed, a finding opening the sheet where it can
// be mended, and a download of a design with findings asking first.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "core/popup_menu.h"
#include "core/records/field_type.h"
#include "sheet_window.h"

namespace tessel::test {
namespace {

class DesignCheck : public SheetWindowTest {
protected:
    DesignCheck() { newProject(kCommandNew4760); }

    // Menu 1 starts the program and leads to form 1, which has two fields.
    Definition& designWithAStart() {
        Definition& d = window->project().definition;
        d.settings.programStart = 1;
        setCellText(d.menus[0].itemName[0], "Stock");
        d.menus[0].itemTarget[0] = 1;
        d.forms[0].fieldType[0] = kFieldText;
        d.forms[0].fieldType[1] = kFieldInteger;
        d.forms[0].escTarget = 11;
        return d;
    }

    static QStringList listed(QDialog& window) {
        QStringList lines;
        auto* list = child<QListWidget>(&window, "findingList");
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }
};

TEST_F(DesignCheck, ListsTheFindingsOfTheChecks) {
    Definition& d = designWithAStart();
    d.forms[0].minLength[1] = 9;
    d.forms[0].maxLength[1] = 3;
    d.menus[0].itemTarget[1] = 4;
    setCellText(d.menus[0].itemName[1], "Empty");
    QStringList lines;
    whenModalNamed("designFindings", [&](QDialog& shown) {
        lines = listed(shown);
        shown.reject();
    });
    window->runCommand(kCommandCheckDesign);
    EXPECT_EQ(lines, (QStringList{"menu 1, item 2: leads to form 4, which has no fields",
                                  "form 1, field 2: min length 9 is above max length 3"}));
}

TEST_F(DesignCheck, ChoosingAFindingOpensTheSheetWhereItIsMended) {
    struct Case {
        const char* name;
        std::function<void(Definition&)> mistake;
        int tab;
        const char* list;  // the page's chooser of forms, menus or text groups
        int shown;
        const char* focused;
    };
    const Case cases[] = {
        {"field",
         [](Definition& d) {
             d.forms[1].fieldType[2] = kFieldInteger;
             d.forms[1].minLength[2] = 9;
             d.forms[1].maxLength[2] = 3;
             d.forms[0].nextTarget = 2;
         },
         0, "formName", 1, "fieldPrompt3"},
        {"menu item", [](Definition& d) { setCellText(d.menus[0].itemName[3], "Later"); }, 1, "menuName", 0,
         "itemName4"},
        {"text line", [](Definition& d) { d.texts.block(4)[2].fill('M'); }, 5, "promptGroup", 2, "promptLine3"},
    };
    for (const auto& c : cases) {
        newProject(kCommandNew4760);
        c.mistake(designWithAStart());
        int tab = -1;
        int shown = -1;
        QString focused;
        whenModalNamed("designFindings", [&](QDialog& findings) {
            ASSERT_EQ(listed(findings).size(), 1) << c.name << ": " << listed(findings).join("; ").toStdString();
            whenModalNamed("editorSheet", [&](QDialog& sheet) {
                auto* tabs = child<QTabWidget>(&sheet, "editorTabs");
                tab = tabs->currentIndex();
                shown = child<QComboBox>(tabs->currentWidget(), c.list)->currentIndex();
                focused = sheet.focusWidget() ? sheet.focusWidget()->objectName() : QString();
                sheet.reject();
            });
            child<QPushButton>(&findings, "openFinding")->click();
        });
        window->runCommand(kCommandCheckDesign);
        EXPECT_EQ(tab, c.tab) << c.name;
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(focused.toStdString(), c.focused) << c.name;
    }
}

TEST_F(DesignCheck, DownloadOfADesignWithFindingsAsksFirst) {
    // A new design has nothing to run. Cancel stops before any port is looked
    // for, so the preferences dialog (for want of a port) never opens.
    QStringList lines;
    QString defaultButton;
    whenModalNamed("designFindings", [&](QDialog& shown) {
        lines = listed(shown);
        for (auto* button : shown.findChildren<QPushButton*>())
            if (button->isDefault()) defaultButton = button->objectName();
        child<QPushButton>(&shown, "downloadAnyway");
        press(shown, QDialogButtonBox::Cancel);
    });
    window->runCommand(kCommandDownloadApplication);
    EXPECT_EQ(lines, (QStringList{"start: form 1 takes no input and menu 1 has no items: there is nothing to run"}));
    EXPECT_EQ(defaultButton, "cancelDownload");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace tessel::test
