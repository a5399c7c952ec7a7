// The shipped Russian language file: it names every text the program reads,
// its terminal screen texts fit the terminal's 20 columns, and its texts keep
// the format placeholders, file patterns and menu accelerators of the English
// ones.
#include <gtest/gtest.h>

#include <cctype>
#include <regex>

#include "core/file_io.h"
#include "core/language.h"
#include "core/string_table.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr int kTerminalColumns = 20;

const std::filesystem::path kRussianFile = std::filesystem::path(TESSEL_SOURCE_DIR) / "resources/languages/ru.lng";

// The default terminal screen texts and the settings text lines.
bool isTerminalText(int id) { return (id >= 721 && id <= 1093) || (id >= 1711 && id <= 1715); }
// The screen names of the Startup page, each ending in a blank.
bool isScreenName(int id) { return id >= 1581 && id <= 1606; }

// Format placeholders ("%d", "%-5s") and file patterns ("*.TSX") in order.
std::vector<std::string> fixedParts(std::string_view text) {
    static const std::regex pattern(R"(%[-+ #0-9.]*[a-zA-Z]|\*\.[A-Za-z*]+)");
    std::vector<std::string> parts;
    const std::string s(text);
    for (std::sregex_iterator it(s.begin(), s.end(), pattern), end; it != end; ++it) parts.push_back(it->str());
    return parts;
}

// Windows-1251 letters in lower case: ASCII, and the Cyrillic capitals
// 0xC0 to 0xDF whose small letters lie 0x20 above.
char lowerCp1251(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0 && byte <= 0xDF) return static_cast<char>(byte + 0x20);
    return static_cast<char>(std::tolower(byte));
}

// The accelerator letters of a text: the characters after single '&' signs
// ("&&" is a literal '&'), in lower case.
std::string accelerators(std::string_view text) {
    std::string letters;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') letters += lowerCp1251(text[i + 1]);
        ++i;
    }
    return letters;
}

class RussianLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        const auto content = readFileBytes(kRussianFile, kLanguageFileMax + 1);
        ASSERT_TRUE(content) << kRussianFile;
        ASSERT_LE(content->size(), kLanguageFileMax);
        file_ = *content;
        russian_.loadContent(file_);
    }

    // The characters of `id`'s Russian text (one byte each in Windows-1251).
    std::string_view russian(int id) const { return russian_.text(id); }

    std::string file_;
    LanguageTable russian_;
    const StringTable& english_ = StringTable::builtin();
};

TEST_F(RussianLanguage, IsNamedInRussianAndEveryLineEndsInCrLf) {
    EXPECT_EQ(languageNameOf(file_.substr(0, 100)), utf8ToCp1251("Русский"));
    for (std::size_t lf = file_.find('\n'); lf != std::string::npos; lf = file_.find('\n', lf + 1)) {
        ASSERT_GT(lf, 0u);
        EXPECT_EQ(file_[lf - 1], '\r') << "line ending at byte " << lf;
    }
    EXPECT_TRUE(file_.ends_with("\r\n"));
}

TEST_F(RussianLanguage, TranslatesEveryTextTheProgramReads) {
    // Slot 1223 labels a "Next :" entry without a defined meaning; every
    // other slot is shown somewhere.
    for (const int id : languageFileIds(english_)) {
        if (id == 1223) continue;
        EXPECT_FALSE(russian(id).empty()) << "no Russian text for " << id;
    }
}

TEST_F(RussianLanguage, TerminalTextsFitTheScreen) {
    for (const auto& [id, text] : english_.entries()) {
        if (isTerminalText(id)) {
            EXPECT_LE(russian(id).size(), static_cast<std::size_t>(kTerminalColumns)) << id;
            // Padded like the English text, so each screen line is filled.
            EXPECT_EQ(russian(id).size(), text.size()) << id << ": \"" << cp1251ToUtf8(russian(id)) << '"';
        }
        if (isScreenName(id)) {
            EXPECT_TRUE(russian(id).ends_with(' ')) << id;
        }
    }
}

TEST_F(RussianLanguage, KeepsPlaceholdersAndPatterns) {
    for (const auto& [id, text] : english_.entries()) {
        EXPECT_EQ(fixedParts(russian(id)), fixedParts(text)) << id;
        // A literal '&' of a label stays doubled; no accelerator appears
        // where the English text has none.
        EXPECT_LE(accelerators(russian(id)).size(), accelerators(text).size()) << id;
    }
}

TEST_F(RussianLanguage, MenuAndDialogEntriesEachHaveTheirOwnAccelerator) {
    // The preferences dialog's labels (12 to 19) and the popup menu (20 to 30).
    for (const auto& [first, last] : {std::pair{12, 19}, std::pair{20, 30}}) {
        std::string taken;
        for (int id = first; id <= last; ++id) {
            const auto letters = accelerators(russian(id));
            ASSERT_EQ(letters.size(), 1u) << id << ": \"" << cp1251ToUtf8(russian(id)) << '"';
            EXPECT_EQ(taken.find(letters), std::string::npos) << "accelerator used twice, at " << id;
            taken += letters;
        }
    }
}

TEST(RussianLanguageChecks, FindPatternsAndAcceleratorsWhereTheyStand) {
    EXPECT_EQ(fixedParts("Files(*.TSX and *.TSA) %d of %-5s"),
              (std::vector<std::string>{"*.TSX", "*.TSA", "%d", "%-5s"}));
    EXPECT_EQ(accelerators("&Save"), "s");
    EXPECT_EQ(accelerators("Barcode && Parameters"), "");
    EXPECT_EQ(accelerators("A&b && &C"), "bc");
    EXPECT_EQ(accelerators(utf8ToCp1251("Сохранить &Как").value()), utf8ToCp1251("к").value());
}

}  // namespace
}  // namespace tessel
