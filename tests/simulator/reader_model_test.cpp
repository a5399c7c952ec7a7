// What the reader makes of a scan: enabled symbologies for each reader, the
// data each symbology option yields, Code ID, the EAN128 separator, the
// weight code and the RFID reader.
#include "simulator/reader_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/model_family.h"
#include "reader/block_bits.h"
#include "support/projects.h"

namespace tessel::sim {
namespace {

constexpr Byte kOneD = 0;
constexpr Byte kTwoD = 1;
constexpr Byte kLongRange = 4;

struct OptionCase {
    std::string what;
    Byte readerType;
    std::function<void(Definition&)> set;
    Scan scan;
    std::optional<std::string> data;  // nothing: not read
};

void sBit(Definition& d, std::size_t byte, BitRange bit, unsigned value) {
    writeBits(d, symbologyBits(byte, bit), value);
}
void rBit(Definition& d, std::size_t byte, BitRange bit, unsigned value) { writeBits(d, readerBits(byte, bit), value); }
void none(Definition&) {}

Scan barcode(Symbology symbology, std::string data) { return Scan::barcode(symbology, std::move(data)); }

class ReaderModel : public ::testing::Test {
protected:
    void expectCases(const std::vector<OptionCase>& cases) {
        for (const auto& c : cases) {
            Project project = tessel::test::newProject(kFamily4760);
            project.definition.settings.ReaderType = c.readerType;
            c.set(project.definition);
            const ReaderOutput read = readScan(project.definition, c.scan);
            EXPECT_EQ(read.data, c.data) << c.what << " (" << read.note << ")";
            EXPECT_EQ(read.note.empty(), c.data.has_value()) << c.what;
        }
    }
};

TEST_F(ReaderModel, SymbologiesTheReaderReads) {
    expectCases({
        {"EAN-13 on the 1D reader", kOneD, none, barcode(Symbology::Ean13, "4006381333931"), "4006381333931"},
        {"EAN-13 disabled", kOneD, [](Definition& d) { sBit(d, 1, kSymbologyEan13UpcA, 0); },
         barcode(Symbology::Ean13, "4006381333931"), std::nullopt},
        {"QR Code on the 1D reader", kOneD, none, barcode(Symbology::QrCode, "HELLO"), std::nullopt},
        {"QR Code on the 2D reader", kTwoD, none, barcode(Symbology::QrCode, "HELLO"), "HELLO"},
        {"QR Code disabled on the 2D reader", kTwoD, [](Definition& d) { rBit(d, 29, kReaderQrCode, 0); },
         barcode(Symbology::QrCode, "HELLO"), std::nullopt},
        {"QR Code on the long-range laser", kLongRange, none, barcode(Symbology::QrCode, "HELLO"), std::nullopt},
        {"Code 128 on the long-range laser", kLongRange, none, barcode(Symbology::Code128, "A1"), "A1"},
        {"Matrix 25 has no 2D switch", kTwoD, none, barcode(Symbology::Matrix25, "1234"), std::nullopt},
        {"EAN128 off, Code 128 on", kOneD, [](Definition& d) { sBit(d, 22, kSymbologyEan128, 0); },
         barcode(Symbology::Ean128, "10AB"), std::nullopt},
    });
}

TEST_F(ReaderModel, OneDimensionalOptionsChangeTheData) {
    expectCases({
        {"EAN-13 without its check digit", kOneD,
         [](Definition& d) { sBit(d, 10, kSymbologyEan13TransmitChecksum, 0); },
         barcode(Symbology::Ean13, "4006381333931"), "400638133393"},
        {"EAN-13 as ISBN", kOneD, [](Definition& d) { sBit(d, 10, kSymbologyEan13Isbn, 1); },
         barcode(Symbology::Ean13, "9780306406157"), "0306406152"},
        {"UPC-A converted to EAN-13 (the default)", kOneD, none, barcode(Symbology::UpcA, "036000291452"),
         "0036000291452"},
        {"UPC-A without system number and check digit", kOneD,
         [](Definition& d) {
             sBit(d, 9, kSymbologyUpcAToEan13, 0);
             sBit(d, 10, kSymbologyUpcASystemNumber, 0);
             sBit(d, 10, kSymbologyUpcATransmitChecksum, 0);
         },
         barcode(Symbology::UpcA, "036000291452"), "3600029145"},
        {"UPC-E as sent by default", kOneD, none, barcode(Symbology::UpcE, "04252614"), "4252614"},
        {"UPC-E converted to UPC-A", kOneD,
         [](Definition& d) {
             sBit(d, 9, kSymbologyUpcEToUpcA, 1);
             sBit(d, 9, kSymbologyUpcAToEan13, 0);
         },
         barcode(Symbology::UpcE, "04252614"), "042100005264"},
        {"EAN-8 converted to EAN-13", kOneD, [](Definition& d) { sBit(d, 11, kSymbologyEan8ToEan13, 1); },
         barcode(Symbology::Ean8, "96385074"), "0000096385074"},
        {"Code 39 with start and stop", kOneD, [](Definition& d) { sBit(d, 5, kSymbologyCode39StartStop, 1); },
         barcode(Symbology::Code39, "AB-1"), "*AB-1*"},
        {"Code 39 full ASCII", kOneD, [](Definition& d) { sBit(d, 5, kSymbologyCode39FullAscii, 1); },
         barcode(Symbology::Code39, "+A+B/Z%V1"), "ab:@1"},
        {"Code 39 checksum verified, kept back", kOneD,
         [](Definition& d) {
             sBit(d, 5, kSymbologyCode39VerifyChecksum, 1);
             sBit(d, 5, kSymbologyCode39TransmitChecksum, 0);
         },
         barcode(Symbology::Code39, "ABCX"), "ABC"},
        {"Code 39 checksum that does not verify", kOneD,
         [](Definition& d) { sBit(d, 5, kSymbologyCode39VerifyChecksum, 1); }, barcode(Symbology::Code39, "ABCY"),
         std::nullopt},
        {"Codabar without start and stop", kOneD, none, barcode(Symbology::Codabar, "A40156B"), "40156"},
        {"Codabar ends as ABCD / TN*E", kOneD,
         [](Definition& d) {
             sBit(d, 7, kSymbologyCodabarTransmitStartStop, 1);
             sBit(d, 7, kSymbologyCodabarStartStopPair, 3);
         },
         barcode(Symbology::Codabar, "a40156b"), "A40156N"},
        {"Interleaved 25 of a fixed length", kOneD,
         [](Definition& d) {
             d.symbology.interleaved25Length1 = 6;
             d.symbology.interleaved25Length2 = 14;
         },
         barcode(Symbology::Interleaved25, "123456"), "123456"},
        {"Interleaved 25 of another length", kOneD,
         [](Definition& d) {
             d.symbology.interleaved25Length1 = 6;
             d.symbology.interleaved25Length2 = 14;
         },
         barcode(Symbology::Interleaved25, "1234"), std::nullopt},
        {"Interleaved 25 above the maximum", kOneD, [](Definition& d) { d.symbology.interleaved25Length1 = 0x80 | 4; },
         barcode(Symbology::Interleaved25, "123456"), std::nullopt},
        {"MSI with the last digit kept back", kOneD,
         [](Definition& d) {
             sBit(d, 2, kSymbologyMsi, 1);
             sBit(d, 9, kSymbologyMsiChecksumTransmission, 0);
         },
         barcode(Symbology::Msi, "12344"), "1234"},
    });
}

TEST_F(ReaderModel, TwoDimensionalOptionsChangeTheData) {
    expectCases({
        {"UPC-A with the system character (the default)", kTwoD, none, barcode(Symbology::UpcA, "036000291452"),
         "036000291452"},
        {"UPC-A with the country code", kTwoD, [](Definition& d) { rBit(d, 1, kReaderUpcAPreamble, 2); },
         barcode(Symbology::UpcA, "036000291452"), "0036000291452"},
        {"UPC-A with no preamble and no check digit", kTwoD,
         [](Definition& d) {
             rBit(d, 1, kReaderUpcAPreamble, 0);
             rBit(d, 1, kReaderUpcATransmitChecksum, 0);
         },
         barcode(Symbology::UpcA, "036000291452"), "3600029145"},
        {"EAN-8 converted to EAN-13", kTwoD, [](Definition& d) { rBit(d, 2, kReaderEan8ToEan13, 1); },
         barcode(Symbology::Ean8, "96385074"), "0000096385074"},
        {"Code 39 in a range of lengths", kTwoD,
         [](Definition& d) {
             rBit(d, 5, kReaderCode39LengthOption, 3);
             rBit(d, 6, kReaderCode39Length1, 3);
             d.reader.code39Length2 = 5;
         },
         barcode(Symbology::Code39, "ABCDEF"), std::nullopt},
        {"Codabar with start and stop", kTwoD,
         [](Definition& d) {
             rBit(d, 20, kReaderCodabar, 1);
             rBit(d, 20, kReaderCodabarTransmitStartStop, 1);
         },
         barcode(Symbology::Codabar, "A40156B"), "A40156B"},
        {"Interleaved 25 converted to EAN-13", kTwoD,
         [](Definition& d) { rBit(d, 14, kReaderInterleaved25ToEan13, 1); },
         barcode(Symbology::Interleaved25, "04006381333931"), "4006381333931"},
    });
}

TEST_F(ReaderModel, CodeIdAndTheEan128Separator) {
    const auto codeIdSet1 = [](Definition& d) {
        d.settings.codeIdOn = 1;
        d.settings.codeId[8] = {'H', 0};     // Code 128
        d.settings.codeId[11] = {'F', 'F'};  // EAN13, two characters
    };
    expectCases({
        {"EAN-13 with a two-character Code ID", kOneD, codeIdSet1, barcode(Symbology::Ean13, "4006381333931"),
         "FF4006381333931"},
        {"Code 128 with its Code ID", kOneD, codeIdSet1, barcode(Symbology::Code128, "A1"), "HA1"},
        {"Code ID switched off", kOneD,
         [&](Definition& d) {
             codeIdSet1(d);
             d.settings.codeIdOn = 0;
         },
         barcode(Symbology::Code128, "A1"), "A1"},
        {"EAN128 with the Code 128 ID and the separator replaced", kOneD,
         [&](Definition& d) {
             codeIdSet1(d);
             d.settings.fieldSeparatorReplacement = '|';
         },
         barcode(Symbology::Ean128,
                 "10AB\x1D"
                 "21X"),
         "H10AB|21X"},
        {"EAN128 whose Code ID is not transmitted", kOneD,
         [&](Definition& d) {
             codeIdSet1(d);
             sBit(d, 22, kSymbologyEan128NoCodeId, 1);
         },
         barcode(Symbology::Ean128,
                 "10AB\x1D"
                 "21X"),
         "10AB\x1D"
         "21X"},
        {"the separator stays without a replacement", kTwoD, none,
         barcode(Symbology::Ean128,
                 "10AB\x1D"
                 "21X"),
         "10AB\x1D"
         "21X"},
    });
}

TEST_F(ReaderModel, WeightCodeSplitsAWeightedEan13) {
    Project project = tessel::test::newProject(kFamily4760);
    Definition& d = project.definition;
    // The defaults: enabled, prefix "23", mask 7, key field 2, quantity field 4.
    auto read = readScan(d, barcode(Symbology::Ean13, "2312345012340"));
    ASSERT_TRUE(read.weighted);
    EXPECT_EQ(read.weighted->key, "12345");
    EXPECT_EQ(read.weighted->quantity, "1234");
    EXPECT_EQ(read.weighted->keyField, 1);
    EXPECT_EQ(read.weighted->quantityField, 3);
    EXPECT_EQ(read.data, "2312345012340");

    d.weightCode.flags.set(3);  // the 1C format: kilograms
    d.weightCode.maskCode.set(8);
    read = readScan(d, barcode(Symbology::Ean13, "2312345012340"));
    ASSERT_TRUE(read.weighted);
    EXPECT_EQ(read.weighted->key, "123450");
    EXPECT_EQ(read.weighted->quantity, "1.234");

    EXPECT_FALSE(readScan(d, barcode(Symbology::Ean13, "4006381333931")).weighted);
    d.weightCode.flags.set(0);
    EXPECT_FALSE(readScan(d, barcode(Symbology::Ean13, "2312345012340")).weighted);
}

TEST_F(ReaderModel, RfidReaderSendsUidDataOrBoth) {
    constexpr Byte kRfidPresent = 2;
    const Scan tag = Scan::tag("04A1B2", "LOT7-BLUE");
    expectCases({
        {"no RFID reader", kOneD, none, tag, std::nullopt},
        {"the UID (the default)", kRfidPresent, none, tag, "04A1B2"},
        {"UID and data joined by the delimiter", kRfidPresent, [](Definition& d) { d.rfid.options = 0xE0; }, tag,
         "04A1B2,LOT7-BLUE"},
        {"data from a start position, at most a length", kRfidPresent,
         [](Definition& d) {
             d.rfid.options = 0x40;
             d.rfid.startPosition = 5;
             d.rfid.maxLength = 3;
         },
         tag, "BLU"},
        {"neither UID nor data", kRfidPresent, [](Definition& d) { d.rfid.options = 0; }, tag, std::nullopt},
    });
}

}  // namespace
}  // namespace tessel::sim
