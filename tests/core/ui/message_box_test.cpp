// Message boxes show their whole caption and text: a box is only as wide as
// its text, so short texts used to leave the caption cut in the title bar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>

#include "core/ui/qt_messages.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

struct Shown {
    QString title;
    QString text;
    int width = 0;
    int captionWidth = 0;
};

Shown showAndRead(std::string_view caption, std::string_view text) {
    Shown shown;
    test::whenModalOpens([&shown](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        shown.title = box->windowTitle();
        shown.text = box->findChild<QLabel*>("qt_msgbox_label")->text();
        shown.width = box->width();
        shown.captionWidth = box->fontMetrics().horizontalAdvance(shown.title);
        box->accept();
    });
    QtMessages messages;
    messages.show(caption, text, {MessageIcon::Warning});
    return shown;
}

TEST(MessageBox, ShowsTheWholeCaptionAndText) {
    const std::pair<std::string_view, std::string_view> messages[] = {
        {"Error", "Time out!"},
        {"Upload Data", "No data received!"},
        {"Нет исполняемой программы", "Ошибка"},
        {"Tessel Studio", "Save current program ?"},
    };
    for (const auto& [caption, text] : messages) {
        const Shown shown = showAndRead(caption, text);
        EXPECT_EQ(shown.title.toStdString(), caption);
        EXPECT_EQ(shown.text.toStdString(), text);
        EXPECT_GE(shown.width, shown.captionWidth + 100) << caption;
    }
}

}  // namespace
}  // namespace tessel::ui
