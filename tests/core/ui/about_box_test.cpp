#include "core/ui/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "support/recording_desktop.h"

namespace tessel::ui {
namespace {

TEST(AboutBox, LinksOpenTheirAddressesAndOnlyOkCloses) {
    test::RecordingDesktop desktop;
    AboutBox box(desktop);
    box.show();
    auto* web = box.findChild<QLabel*>("webLink");
    auto* mail = box.findChild<QLabel*>("supportLink");
    ASSERT_TRUE(web && mail);
    EXPECT_TRUE(web->font().underline());
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(desktop.opened, (std::vector<std::string>{kProjectWebAddress, std::string("mailto:") + kSupportAddress}));

    QTest::keyClick(&box, Qt::Key_Escape);
    box.close();
    EXPECT_TRUE(box.isVisible());
    box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tessel::ui
