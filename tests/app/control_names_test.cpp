// A screen reader can name every input control of every window, in both
// languages, and within one page or dialog no mnemonic letter is used twice,
// so that Alt with a letter reaches one control.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "core/ui/control_names.h"
#include "editors/ui/grid_target_box.h"
#include "every_window.h"

namespace tessel {
namespace {

bool takesInput(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget)) return !qobject_cast<const QComboBox*>(widget->parentWidget());
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const GridTargetBox*>(widget) ||
           (qobject_cast<const QAbstractButton*>(widget) && static_cast<const QAbstractButton*>(widget)->isCheckable());
}

// The name a screen reader announces. A list's accessible interface gives
// its current entry as its name on this platform, so a list must carry a
// name of its own.
QString spokenName(QWidget* control) {
    if (qobject_cast<QComboBox*>(control)) return control->accessibleName();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The mnemonic letter of a text ("&Save" gives 's'), or none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// The widgets of a window that are not on a page of the sheet inside it
// (each page is checked as a window of its own).
QList<QWidget*> ownWidgets(QWidget* window) {
    QList<QWidget*> pages;
    for (auto* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 0; page < tabs->count(); ++page) pages << tabs->widget(page);
    }
    QList<QWidget*> own;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool onPage = std::any_of(pages.begin(), pages.end(), [&](QWidget* page) {
            return page != window && (page == widget || page->isAncestorOf(widget));
        });
        if (!onPage) own << widget;
    }
    return own;
}

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    return {};
}

class ControlNames : public ::testing::TestWithParam<bool> {};

TEST_P(ControlNames, EveryInputControlHasAName) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        test::EveryWindow every(GetParam(), family);
        for (const auto& window : every.windows()) {
            for (QWidget* control : ownWidgets(window.widget)) {
                if (!takesInput(control)) continue;
                EXPECT_FALSE(spokenName(control).trimmed().isEmpty())
                    << window.name.toStdString() << ": " << control->objectName().toStdString() << " has no name";
            }
        }
    }
}

TEST_P(ControlNames, NoMnemonicIsUsedTwiceInAWindow) {
    test::EveryWindow every(GetParam());
    for (const auto& window : every.windows()) {
        QMap<QChar, QString> taken;
        for (QWidget* widget : ownWidgets(window.widget)) {
            const QString text = textOf(widget);
            const QChar letter = mnemonicOf(text);
            if (letter.isNull()) continue;
            EXPECT_FALSE(taken.contains(letter)) << window.name.toStdString() << ": \"" << text.toStdString()
                                                 << "\" and \"" << taken.value(letter).toStdString() << "\"";
            taken.insert(letter, text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ControlNames, ::testing::Values(false, true),
                         [](const auto& language) { return language.param ? "Russian" : "English"; });

TEST(ControlNaming, NamesControlsAfterTheirLabelsAndKeepsGivenNames) {
    QWidget window;
    auto* grid = new QGridLayout(&window);
    auto* rate = new QComboBox(&window);
    auto* path = new QLineEdit(&window);
    auto* named = new QLineEdit(&window);
    named->setAccessibleName("Field 1, prompt");
    auto* fixed = new QCheckBox("Fixed &length", &window);
    auto* length = new QLineEdit(&window);
    grid->addWidget(new QLabel("&Baud rate :", &window), 0, 0);
    grid->addWidget(rate, 0, 1);
    grid->addWidget(new QLabel("Save &&keep:", &window), 1, 0);
    grid->addWidget(path, 1, 1);
    grid->addWidget(new QLabel("#1", &window), 2, 0);
    grid->addWidget(named, 2, 1);
    grid->addWidget(fixed, 3, 0);
    grid->addWidget(length, 3, 1);
    ui::nameControlsByLabels(&window);
    EXPECT_EQ(rate->accessibleName(), "Baud rate");
    EXPECT_EQ(path->accessibleName(), "Save &keep");
    EXPECT_EQ(named->accessibleName(), "Field 1, prompt");
    EXPECT_EQ(length->accessibleName(), "Fixed length");
    EXPECT_EQ(qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->buddy(), rate);
}

}  // namespace
}  // namespace tessel
