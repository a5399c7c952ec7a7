#include "reader/barcode_page_model.h"

#include <gtest/gtest.h>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

constexpr int k1dLaser = 0;
constexpr int k2dReader = 1;
constexpr int kLongRange = 2;

class BarcodePage : public ::testing::Test {
protected:
    void open(int family, int reader) {
        project = test::newProject(family);
        page = std::make_unique<BarcodePageModel>(test::builtinStrings(), family);
        page->load(project.definition);
        page->chooseReader(project.definition, reader);
    }
    void tick(int id, bool on = true) { page->setBox(boxIndex(id), on); }
    Byte symbology(std::size_t byte) const { return recordBytes(project.definition.symbology)[byte]; }
    Byte reader(std::size_t byte) const { return recordBytes(project.definition.reader)[byte]; }
    Byte& readerByte(std::size_t byte) { return recordBytes(project.definition.reader)[byte]; }

    Project project;
    std::unique_ptr<BarcodePageModel> page;
};

TEST_F(BarcodePage, ReaderListByFamilyAndItsStoredValues) {
    open(kFamilyGroup, k1dLaser);
    EXPECT_EQ(page->readerList(), (ListEntries{"1D Laser/CCD Reader", "2D Reader"}));
    EXPECT_FALSE(page->rfidAvailable());
    open(kFamily4760, k1dLaser);
    EXPECT_EQ(page->readerList().size(), 3u);
    EXPECT_EQ(page->readerList()[2], "1D Long Range Laser");

    struct Case {
        Byte before;
        int position;
        Byte stored;
        ReaderMode mode;
    };
    const Case cases[] = {
        {0xF2, k2dReader, 0xF3, ReaderMode::TwoD},        // bits 1 and 4..7 kept
        {0x0B, kLongRange, 0x06, ReaderMode::LongRange},  // bit 3 cleared, long range is 4
        {0x05, k1dLaser, 0x00, ReaderMode::OneD},
    };
    for (const Case& c : cases) {
        project.definition.settings.ReaderType = c.before;
        page->chooseReader(project.definition, c.position);
        EXPECT_EQ(project.definition.settings.ReaderType, c.stored) << c.position;
        EXPECT_EQ(page->mode(), c.mode);
        EXPECT_EQ(page->readerPosition(), c.position);
    }
    EXPECT_EQ(readerPosition(0x08, kFamily4760), -1);  // bit 3 alone names no reader
    EXPECT_EQ(readerPosition(0x04, kFamilyGroup), -1);
}

TEST_F(BarcodePage, ModesRelabelShowAndEnableTheBoxes) {
    open(kFamily4760, k1dLaser);
    EXPECT_EQ(page->boxLabel(0), "Code 39");
    EXPECT_EQ(page->boxLabel(boxIndex(126)), "Negative Barcode");
    EXPECT_FALSE(page->boxShown(kBoxQrCode));
    EXPECT_EQ(page->scanSettingLabel(0), "Scan mode :");
    EXPECT_TRUE(page->settingsEnabled());
    EXPECT_FALSE(page->aimEnabled());
    int shownMore = 0;
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) shownMore += page->moreShown(box);
    EXPECT_EQ(shownMore, 17);

    page->chooseReader(project.definition, k2dReader);
    EXPECT_EQ(page->boxLabel(0), "UPC-A");
    EXPECT_TRUE(page->boxShown(kBoxQrCode));
    EXPECT_EQ(page->scanSettingLabel(0), "LED Illumination :");
    EXPECT_FALSE(page->settingsEnabled());
    shownMore = 0;
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) shownMore += page->moreShown(box);
    EXPECT_EQ(shownMore, 13);
    EXPECT_TRUE(page->boxEnabled(kBoxCode11));
    EXPECT_TRUE(page->moreEnabled(kBoxPostal));

    page->chooseReader(project.definition, kLongRange);
    EXPECT_TRUE(page->aimEnabled());
    for (const int id : {113, 118, 122, 123, 124, 125, 126, 127}) EXPECT_FALSE(page->boxEnabled(boxIndex(id))) << id;
    EXPECT_FALSE(page->moreEnabled(kBoxCode11));
    EXPECT_TRUE(page->moreEnabled(boxIndex(119)));

    page->chooseReader(project.definition, k1dLaser);
    EXPECT_FALSE(page->boxShown(kBoxQrCode));
}

TEST_F(BarcodePage, DependentBoxesFollowTheirMasters) {
    open(kFamily4760, k2dReader);
    tick(105, false);
    EXPECT_FALSE(page->boxEnabled(kBoxBookland));
    tick(105);
    EXPECT_TRUE(page->boxEnabled(kBoxBookland));

    page->chooseReader(project.definition, k1dLaser);
    EXPECT_TRUE(page->boxEnabled(kBoxEan128));  // enabled on loading whatever Code 128 holds
    tick(124, false);
    EXPECT_FALSE(page->boxEnabled(kBoxEan128));
    EXPECT_FALSE(page->moreEnabled(kBoxEan128));
    tick(124);
    EXPECT_TRUE(page->moreEnabled(kBoxEan128));
}

TEST_F(BarcodePage, NumberBoxesAreCorrectedInPlace) {
    open(kFamily4760, k1dLaser);
    struct Case {
        const char* typed;
        std::string timeout;
        std::string aim;
    };
    const Case cases[] = {{"0", "1", "0"}, {"999", "255", "255"}, {"07", "7", "7"}, {"x", "1", "0"}, {"", "1", "0"}};
    for (const Case& c : cases) {
        EXPECT_EQ(page->setTimeout(c.typed), c.timeout) << c.typed;
        EXPECT_EQ(page->setAimDuration(c.typed), c.aim) << c.typed;
    }
}

// Each mode's apply: what the boxes and settings write, and the bits of the
// same bytes that stay.
TEST_F(BarcodePage, OneDApplyWritesTheBoxesAndTheCode128Interplay) {
    struct Case {
        bool code128;
        bool ean128;
        Byte byte1Bit7;
        Byte byte22;  // bits 7, 6 and 4 of 0xD0; bits 5 and 3..0 start as 0x2F
    };
    const Case cases[] = {
        {true, true, 0x80, 0xD0 | 0x2F},
        {true, false, 0x80, 0x90 | 0x2F},
        {false, true, 0x80, 0x40 | 0x2F},
        {false, false, 0x00, 0x10 | 0x2F},  // neither: bit 4 keeps what it held
    };
    for (const Case& c : cases) {
        open(kFamily4760, k1dLaser);
        recordBytes(project.definition.symbology)[22] = 0x3F;
        page->load(project.definition);
        tick(124, c.code128);
        tick(125, c.ean128);
        page->apply(project.definition);
        EXPECT_EQ(symbology(1) & 0x80, c.byte1Bit7) << c.code128 << c.ean128;
        EXPECT_EQ(symbology(22), c.byte22) << c.code128 << c.ean128;
    }

    open(kFamily4760, k1dLaser);
    const Byte byte2 = symbology(2);
    page->setFirstChoice(4);
    page->setSecondChoice(2);
    page->setTimeout("42");
    tick(101, false);
    tick(117);  // EAN13 Addon 2: byte 2 bit 7
    tick(126);  // Negative Barcode: byte 11 bit 4
    page->apply(project.definition);
    EXPECT_EQ(symbology(0) & 0x80, 0);
    EXPECT_EQ(symbology(2), byte2 | 0x80);
    EXPECT_EQ(symbology(11), 0x10 | 0x08);
    EXPECT_EQ(symbology(20), 0x40 | 0x06);  // the low nibble stays
    EXPECT_EQ(symbology(21), 42);
}

TEST_F(BarcodePage, TwoDAndLongRangeApply) {
    open(kFamily4760, k2dReader);
    readerByte(29) = 0xFF;
    readerByte(30) = 0x3F;  // LED 1, aimer on, time-out 15
    readerByte(31) = 9;
    page->load(project.definition);
    page->setFirstChoice(3);
    page->setSecondChoice(0);
    tick(127, false);  // QR Code: byte 29 bit 2
    page->apply(project.definition);
    EXPECT_EQ(reader(29), 0xFB);
    EXPECT_EQ(reader(30), 0x6F);
    EXPECT_EQ(reader(31), 9);

    page->chooseReader(project.definition, kLongRange);
    readerByte(29) = 0xFF;
    readerByte(11) = 0x9F;
    readerByte(27) = 0xFF;
    page->load(project.definition);
    page->setAimDuration("200");
    page->apply(project.definition);
    EXPECT_EQ(reader(29), 0x03);  // only bits 1..0 stay
    EXPECT_EQ(reader(11), 0x1F);  // Code 11 cleared
    EXPECT_EQ(reader(27), 0x7F);  // Postal Codes cleared
    EXPECT_EQ(reader(30), 0x6F);  // LED and aimer not written
    EXPECT_EQ(reader(31), 200);
}

TEST_F(BarcodePage, RfidBitOnlyForThe4760) {
    open(kFamilyGroup, k2dReader);
    project.definition.settings.ReaderType = 0x03;
    page->load(project.definition);
    EXPECT_FALSE(page->rfid());
    page->setRfid(true);
    page->apply(project.definition);
    EXPECT_EQ(project.definition.settings.ReaderType, 0x01);

    open(kFamily4760, k1dLaser);
    page->setRfid(true);
    page->apply(project.definition);
    EXPECT_EQ(project.definition.settings.ReaderType, 0x02);
}

TEST_F(BarcodePage, ResetToDefaultKeepsTheReaderType) {
    open(kFamily4760, k1dLaser);
    recordBytes(project.definition.symbology)[20] = 0;
    project.definition.settings.ReaderType = 0x02;
    page->resetToDefault(project.definition);
    EXPECT_EQ(project.definition.settings.ReaderType, 0x02);
    EXPECT_EQ(page->firstList()[static_cast<std::size_t>(page->firstChoice())], "Laser");
    EXPECT_EQ(page->timeoutText(), "3");

    page->chooseReader(project.definition, k2dReader);
    readerByte(30) = 0;
    page->resetToDefault(project.definition);
    EXPECT_EQ(page->firstList()[static_cast<std::size_t>(page->firstChoice())], "Internal");
    EXPECT_EQ(page->secondList()[static_cast<std::size_t>(page->secondChoice())], "Turn on");
    EXPECT_EQ(page->timeoutText(), "9");
}

}  // namespace
}  // namespace tessel
