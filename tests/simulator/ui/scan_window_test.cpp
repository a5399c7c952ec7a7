// The scanner window as the user drives it: a barcode typed and scanned with
// Enter or the SCAN key, bad data refused as it is typed, the recent list,
// pictures chosen, dropped or pasted, and pictures with several codes or none.
#include "simulator/ui/scan_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "barcode/barcode_codec.h"
#include "core/file_io.h"
#include "simulator/keys.h"
#include "simulator/simulator_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

using sim::Symbology;

class ScanWindowTest : public sim::test::SimulatorTest {
protected:
    ScanWindowTest() {
        setField(1, 0, kFieldText, "Id:", 20);
        form(1).autoEnter[0] = 0;
        start();
        run("1");
        window.emplace(*simulator, messages, dialogs, nullptr);
    }
    template <typename Widget>
    Widget* control(const char* name) {
        return test::child<Widget>(&*window, name);
    }
    void choose(const char* symbology) {
        auto* box = control<QComboBox>("symbology");
        box->setCurrentIndex(box->findText(symbology));
    }
    std::string row0() const { return simulator->screen().rows[0]; }
    std::string picture(const std::string& name, std::vector<std::pair<Symbology, std::string>> codes) {
        barcode::Picture page{480, 120 + 120 * static_cast<int>(codes.size()), {}};
        page.pixels.assign(static_cast<std::size_t>(page.width) * page.height, 255);
        int top = 60;
        for (const auto& [symbology, data] : codes) {
            const auto label = *barcode::zxingCodec().draw(symbology, data, 2).picture;
            for (int y = 0; y < label.height; ++y) {
                for (int x = 0; x < label.width; ++x) {
                    page.pixels[static_cast<std::size_t>(top + y) * page.width + 20 + x] = label.at(x, y);
                }
            }
            top += 120;
        }
        const auto path = (folder.path() / name).string();
        EXPECT_EQ(writeFileAtomically(path, *barcode::pngBytes(page)).result, WriteResult::Written);
        return path;
    }

    test::ScriptedFileDialogs dialogs;
    test::TempDir folder;
    std::optional<ScanWindow> window;
};

TEST_F(ScanWindowTest, TypedBarcodeScansWithEnterAndTheScanKey) {
    choose("EAN13");
    QTest::keyClicks(control<QLineEdit>("scanData"), "4006381333931");
    EXPECT_TRUE(control<QPushButton>("scan")->isEnabled());
    QTest::keyClick(control<QLineEdit>("scanData"), Qt::Key_Return);
    EXPECT_EQ(row0(), "Id:4006381333931");
    EXPECT_EQ(control<QListWidget>("recentScans")->count(), 1);
    // The box's barcode stays in front of the reader: SCAN reads it again.
    run("UP");
    simulator->handleKey(sim::kKeyScan);
    EXPECT_EQ(row0(), "Id:4006381333931");
}

TEST_F(ScanWindowTest, DataTheSymbologyCannotHoldIsRefusedAsTyped) {
    choose("EAN13");
    QTest::keyClicks(control<QLineEdit>("scanData"), "40063813339A1");
    EXPECT_FALSE(control<QPushButton>("scan")->isEnabled());
    EXPECT_EQ(control<QLabel>("scanNote")->text(), "EAN13 holds 13 digits");
    QTest::keyClick(control<QLineEdit>("scanData"), Qt::Key_Return);
    EXPECT_EQ(row0(), "Id:");
    EXPECT_EQ(control<QListWidget>("recentScans")->count(), 0);
}

TEST_F(ScanWindowTest, RecentScansRepeatAndKeepTheNewestFirst) {
    choose("Code 128");
    for (const char* data : {"A1", "B2", "A1"}) {
        control<QLineEdit>("scanData")->setText(data);
        window->scanBox();
    }
    auto* recent = control<QListWidget>("recentScans");
    ASSERT_EQ(recent->count(), 2);
    EXPECT_EQ(recent->item(0)->text(), "Code 128  A1");
    emit recent->itemActivated(recent->item(1));
    EXPECT_EQ(row0(), "Id:B2");
    EXPECT_EQ(recent->item(0)->text(), "Code 128  B2");
}

TEST_F(ScanWindowTest, PicturesChosenOrDroppedAreRead) {
    dialogs.answer(picture("one.png", {{Symbology::Code128, "LOT7"}}));
    window->scanFromPicture();
    EXPECT_EQ(row0(), "Id:LOT7");

    // A dropped file, and a pasted picture.
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(picture("drop.png", {{Symbology::Code39, "BOX 9"}})))});
    EXPECT_TRUE(window->scanMimeData(dropped));
    EXPECT_EQ(row0(), "Id:BOX 9");
    QMimeData pasted;
    pasted.setImageData(QImage(QString::fromStdString(picture("paste.png", {{Symbology::Ean8, "96385074"}}))));
    EXPECT_TRUE(window->scanMimeData(pasted));
    EXPECT_EQ(row0(), "Id:96385074");
    EXPECT_FALSE(window->scanMimeData(QMimeData()));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ScanWindowTest, PictureWithSeveralCodesLetsTheUserChoose) {
    window->scanPictureFile(picture("two.png", {{Symbology::Code128, "TOP"}, {Symbology::Ean8, "96385074"}}));
    EXPECT_EQ(row0(), "Id:");
    auto* recent = control<QListWidget>("recentScans");
    ASSERT_EQ(recent->count(), 2);
    EXPECT_EQ(control<QLabel>("scanNote")->text(), "The picture shows 2 barcodes: double-click the one to scan.");
    emit recent->itemActivated(recent->item(1));
    EXPECT_EQ(row0().substr(0, 3), "Id:");
    EXPECT_NE(row0(), "Id:");
}

TEST_F(ScanWindowTest, PictureWithoutACodeOrNoPictureSaysSo) {
    const auto blank = picture("blank.png", {});
    const auto text = (folder.path() / "notes.png").string();
    ASSERT_EQ(writeFileAtomically(text, "no picture").result, WriteResult::Written);
    window->scanPictureFile(blank);
    window->scanPictureFile(text);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].caption, "Scan from Picture");
    EXPECT_EQ(messages.shown()[0].text, blank + ": no barcode found in the picture");
    EXPECT_EQ(messages.shown()[1].text, text + ": the file is not a PNG or JPEG picture");
    EXPECT_EQ(row0(), "Id:");
}

}  // namespace
}  // namespace tessel::ui
