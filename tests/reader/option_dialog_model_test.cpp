#include "reader/option_dialog_model.h"

#include <gtest/gtest.h>

#include <map>

#include "core/project.h"
#include "support/projects.h"

namespace tessel {
namespace {

class OptionDialogs : public ::testing::Test {
protected:
    OptionDialogModel open(bool twoD, int button) {
        const OptionDialogTable* table = optionDialogFor(twoD, button);
        EXPECT_NE(table, nullptr) << button;
        return OptionDialogModel(*table, strings(), project.definition);
    }
    static std::size_t named(const OptionDialogModel& model, std::string_view name) {
        for (std::size_t index = 0; index < model.size(); ++index) {
            if (model.control(index).name == name) return index;
        }
        ADD_FAILURE() << name;
        return 0;
    }
    static void type(OptionDialogModel& model, std::string_view name, std::string_view text) {
        model.setNumber(named(model, name), text);
    }
    static void choose(OptionDialogModel& model, std::string_view name, int entry) {
        model.setChoice(named(model, name), entry);
    }
    const Strings& strings() const { return test::builtinStrings(); }
    Byte symbology(std::size_t byte) const { return recordBytes(project.definition.symbology)[byte]; }
    Byte reader(std::size_t byte) const { return recordBytes(project.definition.reader)[byte]; }
    Byte& readerByte(std::size_t byte) { return recordBytes(project.definition.reader)[byte]; }

    Project project = test::newProject(kFamily4760);
};

TEST_F(OptionDialogs, EveryMoreButtonOfEachModeHasItsDialog) {
    for (const int button : {201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 213, 216, 219, 220, 221, 222, 225}) {
        EXPECT_NE(optionDialogFor(false, button), nullptr) << button;
    }
    for (const int button : {201, 202, 203, 204, 210, 212, 213, 214, 215, 216, 217, 218, 219}) {
        EXPECT_NE(optionDialogFor(true, button), nullptr) << button;
    }
    EXPECT_EQ(optionDialogs().size(), 30u);
    EXPECT_EQ(optionDialogFor(true, 225), nullptr);
}

TEST_F(OptionDialogs, OneDLengthsFollowTheQualificationMode) {
    struct Case {
        int mode;
        const char* first;
        const char* second;
        Byte length1;
        Byte length2;
    };
    const Case cases[] = {
        {1, "5", "20", 0x80 | 20, 5},  // max / min: the larger is the maximum
        {0, "5", "20", 5, 20},         // fixed: as entered
        {1, "0", "0", 0x80 | 1, 1},    // a zero becomes 1
    };
    for (const Case& c : cases) {
        auto model = open(false, 204);
        choose(model, "lengthQualification", c.mode);
        type(model, "length1", c.first);
        type(model, "length2", c.second);
        model.accept();
        EXPECT_EQ(symbology(12), c.length1) << c.mode << c.first;
        EXPECT_EQ(symbology(13), c.length2) << c.mode << c.first;
    }

    auto model = open(false, 208);
    const auto length1 = named(model, "length1");
    choose(model, "lengthQualification", 0);
    EXPECT_EQ(model.text(length1), "Fixed Length 1:");
    choose(model, "lengthQualification", 1);
    EXPECT_EQ(model.text(length1), "Max Length :");
    EXPECT_EQ(model.setNumber(length1, "128"), "127");
    EXPECT_EQ(model.setNumber(length1, "0"), "1");
    EXPECT_EQ(model.setNumber(length1, "012"), "12");
    EXPECT_EQ(model.numberDigits(length1), 3);
}

TEST_F(OptionDialogs, TwoDLengthOptionsStoreByTheirRules) {
    struct Case {
        int option;
        const char* first;
        const char* second;
        Byte optionBits;  // byte 14 bits 3..2
        Byte length1;
        Byte length2;
    };
    const Case cases[] = {
        {2, "6", "14", 2, 14, 6},  // two lengths: the larger first
        {3, "6", "14", 3, 6, 14},  // range: as entered
        {1, "0", "", 0, 0, 0},     // one length of 0: any length
        {1, "9", "", 1, 9, 0},    {0, "", "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        readerByte(15) = 33;
        readerByte(16) = 44;
        auto model = open(true, 215);
        choose(model, "lengthOption", c.option);
        if (*c.first) type(model, "length1", c.first);
        if (*c.second) type(model, "length2", c.second);
        model.accept();
        EXPECT_EQ((reader(14) >> 2) & 3, c.optionBits) << c.option << c.first;
        EXPECT_EQ(reader(15), c.length1) << c.option << c.first;
        EXPECT_EQ(reader(16), c.length2) << c.option << c.first;
    }
}

TEST_F(OptionDialogs, TwoDLengthOptionRelabelsEnablesAndZeroesTheFields) {
    readerByte(15) = 120;  // more than two digits: the field shows all three
    readerByte(16) = 7;
    readerByte(14) = static_cast<Byte>((readerByte(14) & ~0x0C) | (2 << 2));
    auto model = open(true, 215);
    const auto length1 = named(model, "length1");
    const auto length2 = named(model, "length2");
    EXPECT_EQ(model.numberText(length1), "120");
    EXPECT_EQ(model.numberDigits(length1), 3);
    EXPECT_EQ(model.numberDigits(length2), 2);
    EXPECT_EQ(model.text(length1), "Length 1 :");
    choose(model, "lengthOption", 3);
    EXPECT_EQ(model.text(length1), "Min Len :");
    EXPECT_EQ(model.text(length2), "Max Len :");
    EXPECT_EQ(model.numberText(length1), "0");
    choose(model, "lengthOption", 1);
    EXPECT_TRUE(model.enabled(length1));
    EXPECT_FALSE(model.enabled(length2));
    choose(model, "lengthOption", 0);
    EXPECT_FALSE(model.enabled(length1));
    EXPECT_EQ(model.setNumber(length1, "x"), "0");
    EXPECT_EQ(model.setNumber(length1, "99"), "99");
}

TEST_F(OptionDialogs, Interleaved25ChecksumConversionAndVerifyExcludeEachOther) {
    auto model = open(true, 215);
    const auto verify = named(model, "verifyCheckDigit");
    const auto transmit = named(model, "transmitChecksum");
    const auto convert = named(model, "toEan13");
    model.setChoice(verify, 1);
    model.setChecked(transmit, true);
    model.setChecked(convert, true);
    EXPECT_EQ(model.value(transmit), 0);
    EXPECT_EQ(model.value(verify), 0);
    model.setChecked(transmit, true);
    EXPECT_EQ(model.value(convert), 0);
    model.setChecked(convert, true);
    model.setChoice(verify, 2);  // OPCC
    EXPECT_EQ(model.value(convert), 0);
    model.accept();
    EXPECT_EQ(reader(14) & 0x72, 0x02);  // OPCC alone of USS, OPCC, transmit and convert
}

TEST_F(OptionDialogs, MsiCheckAlgorithmNeedsTwoCheckDigits) {
    readerByte(23) = 0x50;  // two check digits, second by Mod 10
    auto model = open(true, 217);
    const auto algorithm = named(model, "checkAlgorithm");
    EXPECT_TRUE(model.enabled(algorithm));
    EXPECT_EQ(model.value(algorithm), 1);
    choose(model, "checkDigits", 0);
    EXPECT_FALSE(model.enabled(algorithm));
    model.accept();
    EXPECT_EQ(reader(23) & 0x50, 0);
}

TEST_F(OptionDialogs, CodabarPairsAndNone) {
    recordBytes(project.definition.symbology)[7] = 0xC7;
    auto model = open(false, 207);
    choose(model, "startStopCharacter", 4);  // "ABCD / TN*E"
    model.accept();
    EXPECT_EQ(symbology(7), 0xC7 | 0x38);
    auto none = open(false, 207);
    EXPECT_EQ(none.value(0), 4);
    choose(none, "startStopCharacter", 0);
    none.accept();
    EXPECT_EQ(symbology(7), 0xC7);
}

// Without the transmit bit no start/stop characters are sent, whatever pair
// the bits beside it name: the dialog shows "None".
TEST_F(OptionDialogs, CodabarWithoutTransmitBitShowsNone) {
    for (const int pair : {0x00, 0x10, 0x20, 0x30}) {
        SCOPED_TRACE(pair);
        recordBytes(project.definition.symbology)[7] = static_cast<Byte>(0xC7 | pair);
        EXPECT_EQ(open(false, 207).value(0), 0);
    }
}

TEST_F(OptionDialogs, UpcDialogsShareSupplementalsAndClearTheirBits) {
    readerByte(0) = 0xFF;
    auto upcA = open(true, 201);
    choose(upcA, "supplementals", 2);
    upcA.accept();
    EXPECT_EQ(reader(0), 0xFC);
    const auto ean8 = open(true, 204);
    EXPECT_EQ(ean8.entryText(0, static_cast<std::size_t>(ean8.value(0))), "Decode With Supplementaries");

    readerByte(5) = 0xFF;  // a range ...
    readerByte(6) = 5;     // ... from 5
    readerByte(7) = 9;     // ... to 9
    open(true, 210).accept();
    EXPECT_EQ(reader(5), 0xCF);
}

TEST_F(OptionDialogs, Ean128SeparatorTextAndCode) {
    project.definition.settings.fieldSeparatorReplacement = 0;
    auto model = open(false, 225);
    const auto separator = named(model, "fieldSeparator");
    EXPECT_EQ(model.separatorText(separator), "");
    EXPECT_EQ(model.separatorCode(separator), "");
    EXPECT_EQ(model.setSeparatorText(separator, ";"), "59");
    EXPECT_EQ(model.setSeparatorCode(separator, "65"), "A");
    for (const char* code : {"0", "300"}) {
        model.setSeparatorCode(separator, code);
        EXPECT_EQ(model.separatorCode(separator), "255") << code;
    }
    model.setSeparatorCode(separator, "35");
    model.setChecked(named(model, "transmitCodeId"), false);
    model.accept();
    EXPECT_EQ(project.definition.settings.fieldSeparatorReplacement, '#');
    EXPECT_EQ(symbology(22) & 0x20, 0x20);

    auto emptied = open(false, 225);
    EXPECT_EQ(emptied.separatorText(separator), "#");
    EXPECT_EQ(emptied.value(named(emptied, "transmitCodeId")), 0);
    emptied.setSeparatorText(separator, "");
    emptied.accept();
    EXPECT_EQ(project.definition.settings.fieldSeparatorReplacement, 0);
}

// The block's last slot labels the character; its code stays "ASCII:", the
// name of the character set, for the block has no slot after it.
TEST_F(OptionDialogs, Ean128SeparatorLabelsFollowTheLanguage) {
    const auto separator = named(open(false, 225), "fieldSeparator");
    EXPECT_EQ(open(false, 225).separatorLabel(separator), "Text:");
    Strings strings;
    strings.language().store(583, "Replacement");
    strings.language().store(584, "Character");
    strings.language().setActive(true);
    const OptionDialogModel model(*optionDialogFor(false, 225), strings, project.definition);
    EXPECT_EQ(model.text(separator), "Replacement");
    EXPECT_EQ(model.separatorLabel(separator), "Character");
}

TEST_F(OptionDialogs, TextsComeFromTheLanguageSlotsWhileOneIsActive) {
    Strings strings;
    strings.language().store(391, "Industrie 25");
    strings.language().store(393, "Ind");
    strings.language().store(396, "Verifier");
    strings.language().store(401, "Max 1");
    strings.language().setActive(true);
    const OptionDialogModel model(*optionDialogFor(false, 204), strings, project.definition);
    EXPECT_EQ(model.caption(), "Industrie 25");
    EXPECT_EQ(model.entryText(0, 0), "Ind");
    EXPECT_EQ(model.text(1), "Verifier");
    EXPECT_EQ(model.text(2), "");       // an empty slot stays empty
    EXPECT_EQ(model.text(4), "Max 1");  // the stored mode is maximum / minimum
    EXPECT_EQ(open(false, 204).caption(), "Industrial 25 Parameters");
}

// With every language slot holding its own number, the texts of each dialog
// must use its block of slots, in order, and end within it; the 1D dialogs
// fill theirs exactly.
TEST_F(OptionDialogs, EachDialogsTextsFillItsBlockOfLanguageSlots) {
    Strings numbered;
    for (int slot = 300; slot < 2100; ++slot) numbered.language().store(slot, std::to_string(slot));
    numbered.language().setActive(true);
    const std::map<std::string_view, int> lastSlots{
        {"Code39Dlg", 365},
        {"ItalyPharmaDlg", 372},
        {"FrenchPharmaDlg", 382},
        {"Industrial25Dlg", 400},
        {"Interleave25Dlg", 420},
        {"Matrix25Dlg", 440},
        {"CodabarDlg", 457},
        {"MSIDlg", 482},
        {"PlesseyDlg", 493},
        {"UPCEDlg", 504},
        {"EAN8Dlg", 513},
        {"EAN13Dlg", 527},
        {"TelepenDlg", 543},
        {"RSS14Dlg", 554},
        {"RSS14LimitedDlg", 564},
        {"RSS14ExpandedDlg", 572},
        {"EAN128Dlg", 584},
        {"UPCA_2D_DLG", 1904},
        {"UPCE_2D_DLG", 1915},
        {"UPCE1_2D_DLG", 1925},
        {"EAN8_2D_DLG", 1932},
        {"CODE39_2D_DLG", 1945},
        {"CODE93_2D_DLG", 1950},
        {"CODE11_2D_DLG", 1960},
        {"INDUSTRIAL25_2D_DLG", 1980},
        {"INTERLEAVE25_2D_DLG", 1973},
        {"CODABAR_2D_DLG", 1992},
        {"MSI_2D_DLG", 2003},
        {"POSTAL_2D_DLG", 2018},
        {"RSS14_2D_DLG", 2021},
    };
    for (const OptionDialogTable& table : optionDialogs()) {
        SCOPED_TRACE(std::string(table.templateName));
        const OptionDialogModel model(table, numbered, project.definition);
        std::vector<int> slots{std::stoi(model.caption())};
        for (std::size_t index = 0; index < model.size(); ++index) {
            const OptionControl& control = model.control(index);
            if (control.kind != OptionKind::Number && control.textId == 0 && !control.text.empty()) {
                slots.push_back(std::stoi(model.text(index)));
            }
            for (std::size_t entry = 0; entry < control.entries.size(); ++entry) {
                if (control.entries[entry].stringId == 0) slots.push_back(std::stoi(model.entryText(index, entry)));
            }
            if (control.kind == OptionKind::Separator) slots.push_back(std::stoi(model.separatorLabel(index)));
        }
        EXPECT_EQ(slots.front(), table.firstSlot);
        for (std::size_t i = 1; i < slots.size(); ++i) EXPECT_EQ(slots[i], slots[i - 1] + 1);
        const int last = lastSlots.at(table.templateName);
        EXPECT_LE(slots.back(), last);
        if (!table.twoD) {
            EXPECT_EQ(slots.back(), last);
        }
    }
}

}  // namespace
}  // namespace tessel
