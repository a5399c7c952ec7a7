// The manual page and the shell completions of `tessel` against the tool's own
// help: every command and every option it takes is documented and completed,
// and nothing is documented that the tool does not have.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cli/console.h"
#include "support/run_tessel.h"
#include "support/temp_dir.h"

namespace tessel {
namespace {

const std::filesystem::path kSourceDir = TESSEL_SOURCE_DIR;

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The first words of the entries of one section ("Options:", ...) of a help text.
std::vector<std::string> helpEntries(const std::string& help, const std::string& section) {
    std::vector<std::string> entries;
    std::istringstream lines(help);
    bool inSection = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] != ' ') {
            inSection = line == section;
        } else if (inSection && line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] != ' ') {
            entries.push_back(line.substr(2, line.find(' ', 2) - 2));
        }
    }
    return entries;
}

struct Command {
    std::string name;
    std::set<std::string> options;  // "-o", "--output", ...; --help left out
    std::vector<std::string> positionals;
};

std::vector<Command> toolCommands() {
    test::TempDir scratch;
    std::vector<Command> commands;
    for (const auto& name : helpEntries(test::runTessel({"--help"}, scratch.path()).out, "Subcommands:")) {
        const auto help = test::runTessel({name, "--help"}, scratch.path()).out;
        Command command{name, {}, helpEntries(help, "Positionals:")};
        for (const auto& entry : helpEntries(help, "Options:")) {
            std::istringstream names(entry);
            for (std::string option; std::getline(names, option, ',');)
                if (option != "-h" && option != "--help") command.options.insert(option);
        }
        commands.push_back(command);
    }
    return commands;
}

// True when `word` stands in `text` between characters that cannot continue an option name.
bool hasWord(const std::string& text, const std::string& word) {
    const auto continues = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsClean = at == 0 || !continues(text[at - 1]);
        const bool endsClean = at + word.size() == text.size() || !continues(text[at + word.size()]);
        if (startsClean && endsClean) return true;
    }
    return false;
}

// The manual page as plain words: font changes dropped, "\-" as "-".
std::string manPageText(const std::filesystem::path& path) {
    const std::string page = std::regex_replace("\n" + fileText(path), std::regex(R"(\\f[BIRP])"), "");
    return std::regex_replace(std::regex_replace(page, std::regex(R"(\\-)"), "-"), std::regex(R"(\\~)"), " ");
}

// The text from the line starting with `heading` to the next heading of the same or a higher level.
std::string manSection(const std::string& page, const std::string& heading) {
    const auto start = page.find("\n" + heading);
    if (start == std::string::npos) return {};
    const auto end = std::min(page.find("\n.SS ", start + 1), page.find("\n.SH ", start + 1));
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The heading words of the subsections of the COMMANDS section.
std::vector<std::string> manCommandHeadings(const std::string& page) {
    const auto start = page.find("\n.SH COMMANDS");
    const auto commands = page.substr(start, page.find("\n.SH ", start + 1) - start);
    std::vector<std::string> names;
    const std::regex heading(R"(\n\.SS "([^ "]+))");
    for (std::sregex_iterator it(commands.begin(), commands.end(), heading), end; it != end; ++it)
        names.push_back((*it)[1]);
    return names;
}

std::set<std::string> words(const std::string& text) {
    std::istringstream split(text);
    std::set<std::string> all;
    for (std::string word; split >> word;) all.insert(word);
    return all;
}

// The first submatch of `pattern` in `text`, empty when it does not match.
std::string captured(const std::string& text, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

class CommandDocs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { commands = new std::vector<Command>(toolCommands()); }
    static void TearDownTestSuite() { delete commands; }
    static std::vector<Command>* commands;
};

std::vector<Command>* CommandDocs::commands = nullptr;

TEST_F(CommandDocs, TheHelpListsTheCommandsAndTheirOptions) {
    ASSERT_GE(commands->size(), 10u);
    const auto image =
        std::find_if(commands->begin(), commands->end(), [](const Command& c) { return c.name == "image"; });
    ASSERT_NE(image, commands->end());
    EXPECT_EQ(image->options, (std::set<std::string>{"-o", "--output", "--language"}));
    EXPECT_EQ(image->positionals, std::vector<std::string>{"PROJECT"});
}

TEST_F(CommandDocs, ManualPageDescribesEveryCommandWithItsOptions) {
    const auto page = manPageText(kSourceDir / "docs/man/tessel.1");
    for (const auto& command : *commands) {
        SCOPED_TRACE(command.name);
        const auto section = manSection(page, ".SS \"" + command.name);
        ASSERT_FALSE(section.empty()) << "no section for the command";
        for (const auto& option : command.options) EXPECT_TRUE(hasWord(section, option)) << option;
        for (const auto& positional : command.positionals) EXPECT_TRUE(hasWord(section, positional)) << positional;
    }
}

TEST_F(CommandDocs, ManualPageHasNoCommandTheToolLacks) {
    std::set<std::string> names;
    for (const auto& command : *commands) names.insert(command.name);
    for (const auto& heading : manCommandHeadings(manPageText(kSourceDir / "docs/man/tessel.1"))) {
        // Sections about several commands ("Link options") start with a capital letter.
        if (std::isupper(static_cast<unsigned char>(heading[0]))) continue;
        EXPECT_TRUE(names.count(heading)) << heading;
    }
}

TEST_F(CommandDocs, ManualPagesCarryTheVersionAndTheExitStatuses) {
    test::TempDir scratch;
    const auto version = captured(test::runTessel({"--version"}, scratch.path()).out, R"(tessel (\S+))");
    ASSERT_FALSE(version.empty());
    for (const char* name : {"tessel.1", "tessel-studio.1"}) {
        EXPECT_TRUE(hasWord(manSection(manPageText(kSourceDir / "docs/man" / name), ".TH "), version)) << name;
    }
    const auto exitStatus = manSection(manPageText(kSourceDir / "docs/man/tessel.1"), ".SH EXIT STATUS");
    for (const int status : {cli::kSuccess, cli::kFailure, cli::kUsageError, cli::kNoRecords})
        EXPECT_NE(exitStatus.find(".TP\n.B " + std::to_string(status) + "\n"), std::string::npos) << status;
}

TEST_F(CommandDocs, BashCompletionOffersExactlyTheCommandsAndTheirOptions) {
    const auto script = fileText(kSourceDir / "resources/completions/tessel.bash");
    std::set<std::string> names;
    for (const auto& command : *commands) {
        names.insert(command.name);
        SCOPED_TRACE(command.name);
        const auto options = captured(script, "\\n\\s*" + command.name + "\\) options=\"([^\"]*)\"");
        EXPECT_EQ(words(options), command.options);
    }
    EXPECT_EQ(words(captured(script, "local commands=\"([^\"]*)\"")), names);
}

TEST_F(CommandDocs, ZshCompletionOffersEveryCommandAndOption) {
    const auto script = fileText(kSourceDir / "resources/completions/_tessel");
    for (const auto& command : *commands) {
        SCOPED_TRACE(command.name);
        EXPECT_NE(script.find("'" + command.name + ":"), std::string::npos) << "not in the command list";
        EXPECT_TRUE(std::regex_search(script, std::regex("\\n\\s*" + command.name + "\\)"))) << "no arguments";
        for (const auto& option : command.options) EXPECT_TRUE(hasWord(script, option)) << option;
    }
}

}  // namespace
}  // namespace tessel
