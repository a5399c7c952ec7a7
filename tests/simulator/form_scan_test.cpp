// Scans into form fields on both families: the input source, the check
// digit, a disabled symbology, the partial barcode, the leading code, Auto
// ENTER, the field's characters and length, Code ID, the EAN128 separator,
// the weight code and the SCAN key.
#include "reader/block_bits.h"
#include "simulator/keys.h"
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

constexpr int kReaderOnly = 0;
constexpr int kKeypadOnly = 1;
constexpr int kRfidOnly = 3;
constexpr int kAllSources = 4;
constexpr int kNoAutoEnter = 0;
constexpr int kScanEnter = 1;
constexpr int kTripleAddTriple = 3;

const std::string kTyping = "state=FormScreen highlight=0 cursor=";
const std::string kMessage = "state=MessageScreen highlight=0 cursor=";

// The main menu after a completed form, its clock line counting one record.
const std::vector<std::string> kMainMenuAfterOne{row("1. Collect data"),
                                                 row("2. Upload data"),
                                                 row("3. Utilities"),
                                                 kBlankRow,
                                                 kBlankRow,
                                                 kBlankRow,
                                                 kBlankRow,
                                                 kBlankRow,
                                                 "|\xD0\x9C\xD0\x90\xD0\xA0 05, 09:05  00001|"};

std::vector<std::string> withMessage(std::vector<std::string> formRows, std::string_view message) {
    formRows.resize(4, kBlankRow);
    formRows.insert(formRows.end(), {kStarsRow, row(message), row("Press any key..."), kStarsRow});
    return formRows;
}

class FormScan : public SimulatorTest {
protected:
    // Form 1: "Item:" a text field of the reader, Auto ENTER off, then "Qty:"
    // an integer field of both sources.
    void designItemForm() {
        setField(1, 0, kFieldText, "Item:", 20);
        setField(1, 1, kFieldInteger, "Qty:", 5);
        item().inputSource[0] = kReaderOnly;
        item().autoEnter[0] = kNoAutoEnter;
        item().autoEnter[1] = kNoAutoEnter;
    }
    FormRecord& item() { return form(1); }

    // Runs the goldens on a new project of each family, designed by `design`.
    void expectOnBothFamilies(const std::function<void()>& design, const std::vector<Golden>& goldens) {
        for (const int family : {kFamily4760, kFamilyGroup}) {
            project = tessel::test::newProject(family);
            design();
            for (const auto& golden : goldens) {
                SCOPED_TRACE("family " + std::to_string(family));
                expectGolden(golden);
            }
        }
    }
};

TEST_F(FormScan, CheckDigitVerificationOfAReaderField) {
    expectOnBothFamilies(
        [&] {
            designItemForm();
            item().checkDigit[0] = kTripleAddTriple;
        },
        {
            {"1 SCAN:EAN13:4006381333931", kTyping + "18,0 counter=0", {row("Item:4006381333931"), row("Qty:")}},
            {"1 SCAN:CODE128:4006381333932", kMessage + "5,0 counter=0",
             withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            {"1 SCAN:CODE128:4006381333932 1", kTyping + "5,0 counter=0", {row("Item:"), row("Qty:")}},
            // A code that is not all digits has no check digit to verify.
            {"1 SCAN:CODE128:ABC", kMessage + "5,0 counter=0",
             withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
        });
}

TEST_F(FormScan, InputSourceDecidesWhatAFieldTakes) {
    expectOnBothFamilies(
        [&] { designItemForm(); },
        {
            // A keypad character into a reader-only field is refused.
            {"1 5", kMessage + "5,0 counter=0", withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            {"1 A-B", kMessage + "5,0 counter=0", withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            // Enter, Up and Esc still work there.
            {"1 SCAN:CODE128:A7 ENTER 4 2", kTyping + "6,1 counter=0", {row("Item:A7"), row("Qty:42")}},
            // The Qty field takes both, the scan too.
            {"1 ENTER SCAN:CODE128:12", kTyping + "6,1 counter=0", {row("Item:"), row("Qty:12")}},
            // Without an RFID reader a tag gives nothing.
            {"1 ENTER RFID:04A1B2", kTyping + "4,1 counter=0", {row("Item:"), row("Qty:")}},
        });
    expectOnBothFamilies(
        [&] {
            designItemForm();
            project.definition.settings.ReaderType = 2;  // an RFID reader beside the 1D reader
            item().inputSource[0] = kRfidOnly;
            item().inputSource[1] = kAllSources;
        },
        {
            {"1 RFID:04A1B2", kTyping + "11,0 counter=0", {row("Item:04A1B2"), row("Qty:")}},
            {"1 SCAN:CODE128:A7", kMessage + "5,0 counter=0",
             withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            {"1 5", kMessage + "5,0 counter=0", withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            // "both" is the reader and the keypad; ALL takes RFID too.
            {"1 ENTER RFID:77", kTyping + "6,1 counter=0", {row("Item:"), row("Qty:77")}},
        });
    expectOnBothFamilies(
        [&] {
            designItemForm();
            item().inputSource[0] = kKeypadOnly;
        },
        {
            {"1 SCAN:CODE128:A7", kMessage + "5,0 counter=0",
             withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
            {"1 1 2", kTyping + "7,0 counter=0", {row("Item:12"), row("Qty:")}},
        });
}

TEST_F(FormScan, DisabledSymbologyIsNotRead) {
    expectOnBothFamilies(
        [&] {
            designItemForm();
            writeBits(project.definition, symbologyBits(1, kSymbologyEan13UpcA), 0);
        },
        {
            {"1 SCAN:EAN13:4006381333931", kTyping + "5,0 counter=0", {row("Item:"), row("Qty:")}},
            {"1 SCAN:EAN8:96385074", kTyping + "13,0 counter=0", {row("Item:96385074"), row("Qty:")}},
        });
    EXPECT_EQ(simulator->scan(Scan::barcode(Symbology::Ean13, "4006381333931")),
              "not read: EAN13 is not enabled for the 1D reader");
}

TEST_F(FormScan, PartialBarcodeKeepsItsPartAndCanSaveTheWhole) {
    const auto design = [&](Byte start) {
        setField(1, 0, kFieldText, "Item:", 20);
        item().partialOn[0] = 1;
        item().partialStart[0] = start;
        item().partialLength[0] = 5;
        item().autoEnter[0] = kScanEnter;
        item().recordAction = 3;  // pass down
        item().nextTarget = 0;
    };
    expectOnBothFamilies([&] { design(3); },
                         {
                             {"1 SCAN:EAN13:4006381333931", "state=MainMenu highlight=1 cursor=10,0 counter=1",
                              kMainMenuAfterOne, "06381"},
                         });
    expectOnBothFamilies([&] { design(0x80 | 3); },
                         {
                             {"1 SCAN:EAN13:4006381333931", "state=MainMenu highlight=1 cursor=10,0 counter=1",
                              kMainMenuAfterOne, "4006381333931"},
                         });
    // Past the end of the code there is no part to keep.
    expectOnBothFamilies([&] { design(20); }, {{"1 SCAN:EAN8:96385074", kMessage + "5,0 counter=0",
                                                withMessage({row("Item:")}, "Data is too short!")}});
}

TEST_F(FormScan, LeadingCodeLengthAndCharacters) {
    const auto design = [&](std::string_view code) {
        designItemForm();
        item().leadingCodeOn[0] = 1;
        std::copy(code.begin(), code.end(), item().leadingCode[0].begin());
        item().maxLength[0] = 10;
        item().fieldType[1] = kFieldInteger;
    };
    expectOnBothFamilies([&] { design("400"); },
                         {
                             {"1 SCAN:EAN8:40063812", kTyping + "13,0 counter=0", {row("Item:40063812"), row("Qty:")}},
                             {"1 SCAN:EAN8:96385074", kMessage + "5,0 counter=0",
                              withMessage({row("Item:"), row("Qty:")}, "Wrong leading code!")},
                             {"1 SCAN:EAN13:4006381333931", kMessage + "5,0 counter=0",
                              withMessage({row("Item:"), row("Qty:")}, "Data is too long!")},
                             {"1 ENTER SCAN:CODE128:12A", kMessage + "4,1 counter=0",
                              withMessage({row("Item:"), row("Qty:")}, "Data type is wrong!")},
                         });
}

TEST_F(FormScan, ScanEnterCompletesTheField) {
    expectOnBothFamilies(
        [&] {
            designItemForm();
            item().autoEnter[0] = kScanEnter;
            item().autoEnter[1] = kScanEnter;
            item().nextTarget = 1;
        },
        {
            {"1 SCAN:CODE128:A7", kTyping + "4,1 counter=0", {row("Item:A7"), row("Qty:")}},
            {"1 SCAN:CODE128:A7 SCAN:CODE128:12", kTyping + "5,0 counter=1", {row("Item:"), row("Qty:")}},
            // A second scan replaces what the field holds.
            {"1 ENTER 9 9 UP SCAN:CODE128:B8", kTyping + "4,1 counter=0", {row("Item:B8"), row("Qty:99")}},
        });
}

TEST_F(FormScan, CodeIdAndEan128SeparatorChangeTheData) {
    expectOnBothFamilies(
        [&] {
            designItemForm();
            project.definition.settings.codeIdOn = 1;
            project.definition.settings.codeId[11] = {'M', 0};
            project.definition.settings.codeId[8] = {'H', 0};
            project.definition.settings.fieldSeparatorReplacement = '|';
        },
        {
            {"1 SCAN:EAN13:4006381333931", kTyping + "19,0 counter=0", {row("Item:M4006381333931"), row("Qty:")}},
            {"1 SCAN:EAN128:10AB%1D21X", kTyping + "14,0 counter=0", {row("Item:H10AB|21X"), row("Qty:")}},
        });
}

TEST_F(FormScan, WeightedEan13FillsKeyAndQuantity) {
    expectOnBothFamilies(
        [&] {
            setField(1, 0, kFieldText, "Code:", 13);
            setField(1, 1, kFieldText, "Key:", 6);
            setField(1, 2, kFieldText, "Name:", 6);
            setField(1, 3, kFieldReal, "Qty:", 6);
            item().autoEnter[0] = kNoAutoEnter;
        },
        {
            {"1 SCAN:EAN13:2312345012340",
             kTyping + "8,3 counter=0",
             {row("Code:"), row("Key:12345"), row("Name:"), row("Qty:1234")}},
            // The code fills the field: the cursor stays on its last character.
            {"1 SCAN:EAN13:4006381333931",
             kTyping + "17,0 counter=0",
             {row("Code:4006381333931"), row("Key:"), row("Name:"), row("Qty:")}},
        });
}

TEST_F(FormScan, ScanKeyReadsWhatLiesInFrontOfTheReader) {
    designItemForm();
    start();
    run("1 SCAN");
    EXPECT_EQ(simulator->screen().rows[0], "Item:");
    simulator->queueScan(Scan::barcode(Symbology::Code128, "A7"));
    run("SCAN");
    EXPECT_EQ(simulator->screen().rows[0], "Item:A7");
    run("BS BS SCAN");
    EXPECT_EQ(simulator->screen().rows[0], "Item:A7");
    simulator->queueScan(std::nullopt);
    run("BS SCAN");
    EXPECT_EQ(simulator->screen().rows[0], "Item:A");
    // Off a form nothing takes the scan.
    run("ESC");
    EXPECT_EQ(simulator->scan(Scan::barcode(Symbology::Code128, "A7")), "no form takes a scan on this screen");
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
}

}  // namespace
}  // namespace tessel::sim::test
