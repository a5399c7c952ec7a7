// The desktop's translations: every text of the sources, as lupdate finds it
// now, has a finished translation in each language, keeping the "%1" places;
// the translation the program installs is found.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "core/ui/interface_translation.h"

namespace tessel::ui {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete", or empty when done
};

std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source")) messages.push_back({context, xml.readElementText(), {}, {}});
        if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value("type").toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList placesOf(const QString& text) {
    QStringList places;
    for (const auto& match : QRegularExpression(R"(%\d)").globalMatch(text)) places << match.captured();
    places.sort();
    places.removeDuplicates();
    return places;
}

// The copies of the translations that the build brought in step with the
// sources: a text added to the sources shows there as unfinished.
QStringList checkedTranslations() { return QDir(TESSEL_CHECKED_TRANSLATIONS).entryList({"*.ts"}, QDir::Files); }

TEST(Translations, EveryTextOfTheSourcesIsTranslated) {
    const QStringList files = checkedTranslations();
    ASSERT_TRUE(files.contains("tessel_ru.ts")) << TESSEL_CHECKED_TRANSLATIONS;
    for (const QString& name : files) {
        const auto messages = messagesOf(QString(TESSEL_CHECKED_TRANSLATIONS) + "/" + name);
        EXPECT_FALSE(messages.empty()) << name.toStdString();
        for (const Message& message : messages) {
            const std::string where = name.toStdString() + ", " + message.context.toStdString() + ": \"" +
                                      message.source.toStdString() + "\"";
            EXPECT_TRUE(message.type.isEmpty()) << where << " is " << message.type.toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty()) << where << " has no translation";
            EXPECT_EQ(placesOf(message.translation), placesOf(message.source)) << where;
        }
    }
}

TEST(Translations, TheProgramInstallsTheRussianTranslation) {
    InterfaceTranslation translation;
    EXPECT_TRUE(translation.use("ru"));
    EXPECT_EQ(QCoreApplication::translate("tessel::ui::ProgressDialog", "Progress"), "Ход выполнения");
    EXPECT_FALSE(translation.use("xx"));
    EXPECT_EQ(QCoreApplication::translate("tessel::ui::ProgressDialog", "Progress"), "Progress");
    EXPECT_FALSE(translation.use(""));
}

TEST(TranslationsCheck, ReadsWhatIsUnfinished) {
    const QString path = QDir::temp().filePath("tessel-translations-check.ts");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="ru"><context><name>A</name>
<message><source>Open %1</source><translation>Открыть %1</translation></message>
<message><source>New</source><translation type="unfinished"></translation></message></context></TS>)");
    file.close();
    const auto messages = messagesOf(path);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].context, "A");
    EXPECT_EQ(messages[0].translation, "Открыть %1");
    EXPECT_TRUE(messages[0].type.isEmpty());
    EXPECT_EQ(messages[1].type, "unfinished");
    EXPECT_EQ(placesOf("%2 of %1, %1"), (QStringList{"%1", "%2"}));
    QFile::remove(path);
}

}  // namespace
}  // namespace tessel::ui
