// With Russian chosen, no window shows an English text where a Russian one
// exists: every label, button, group title, tab, tooltip, list entry and
// window title is compared with the English texts that have a translation,
// those of the string table and those of the desktop's own translations.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "core/string_table.h"
#include "core/text_encoding.h"
#include "core/ui/qt_messages.h"
#include "every_window.h"
#include "support/shipped_russian.h"
#include "support/widgets.h"

namespace tessel {
namespace {

// Texts that read the same in both languages.
const QStringList kSameInBothLanguages{"OK", "Tessel Studio"};

// An English text that was translated, as a pattern: "%1" stands for what
// fills it.
QRegularExpression patternOf(const QString& english) {
    QStringList parts = english.split(QRegularExpression(R"(%\d)"));
    for (QString& part : parts) part = QRegularExpression::escape(part);
    return QRegularExpression("^" + parts.join(".+") + "$");
}

// The English texts that the Russian language or translation replaces.
class EnglishTexts {
public:
    EnglishTexts() {
        readTranslations(QString(TESSEL_SOURCE_DIR) + "/resources/translations/tessel_ru.ts");
        LanguageTable russian;
        test::loadShippedRussian(russian);
        for (const auto& [id, text] : StringTable::builtin().entries()) {
            if (russian.text(id) != text) addPlain(QString::fromStdString(cp1251ToUtf8(text)));
        }
        // Qt's own buttons, which its Russian translation replaces.
        for (const char* button : {"&Yes", "&No", "Cancel", "&Cancel", "Retry", "&Retry", "Close", "Apply"})
            addPlain(button);
    }

    bool isEnglish(const QString& shown) const {
        const QString text = shown.trimmed();
        if (text.isEmpty() || kSameInBothLanguages.contains(text)) return false;
        if (plain_.contains(text)) return true;
        return std::any_of(patterns_.begin(), patterns_.end(),
                           [&](const QRegularExpression& p) { return p.match(text).hasMatch(); });
    }

private:
    void addPlain(const QString& text) {
        if (!text.trimmed().isEmpty()) plain_.insert(text.trimmed());
    }

    void readTranslations(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") && xml.readElementText() != source) {
                if (source.contains(QRegularExpression(R"(%\d)"))) {
                    patterns_.push_back(patternOf(source.trimmed()));
                } else {
                    addPlain(source);
                }
            }
        }
    }

    QSet<QString> plain_;
    std::vector<QRegularExpression> patterns_;
};

// What a window shows in words: titles, labels, buttons, tabs, tooltips,
// menu entries and list entries.
QStringList shownTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip();
        for (const QAction* action : widget->actions()) texts << action->text().section('\t', 0, 0);
        if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->placeholderText();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) texts << tabs->tabText(tab);
        }
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int entry = 0; entry < list->count(); ++entry) texts << list->itemText(entry);
        }
    }
    return texts;
}

TEST(RussianWindows, ShowNoEnglishText) {
    const EnglishTexts english;
    for (const int family : {kFamily4760, kFamilyGroup}) {
        test::EveryWindow every(true, family);
        for (const auto& window : every.windows()) {
            for (const QString& text : shownTexts(window.widget)) {
                EXPECT_FALSE(english.isEnglish(text))
                    << window.name.toStdString() << " shows \"" << text.toStdString() << "\"";
            }
        }
    }
}

TEST(RussianWindows, MessageBoxesHaveRussianButtons) {
    test::EveryWindow every(true);
    const EnglishTexts english;
    ui::QtMessages messages;
    QStringList buttons;
    test::whenModalOpens([&](QDialog& dialog) {
        for (auto* button : dialog.findChildren<QAbstractButton*>()) buttons << button->text();
        dialog.reject();
    });
    messages.show("Ошибка", "Сохранить программу ?", {MessageIcon::Question, MessageButtons::YesNoCancel});
    ASSERT_EQ(buttons.size(), 3);
    for (const QString& text : buttons) EXPECT_FALSE(english.isEnglish(text)) << text.toStdString();
}

TEST(RussianWindowsCheck, RecognisesEnglishTextsAndTheirNumberedForms) {
    const EnglishTexts english;
    EXPECT_TRUE(english.isEnglish("Reset"));
    EXPECT_TRUE(english.isEnglish("Field 3, data type"));
    EXPECT_TRUE(english.isEnglish("Save current program ?"));
    EXPECT_FALSE(english.isEnglish("Сбросить"));
    EXPECT_FALSE(english.isEnglish("OK"));
    EXPECT_FALSE(english.isEnglish("12"));
}

}  // namespace
}  // namespace tessel
