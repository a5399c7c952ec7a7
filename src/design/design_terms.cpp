#include "design/design_terms.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/records/terminal_texts.h"
#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

std::string numbered(std::string_view stem, std::size_t index) {
    return std::string(stem) + " " + std::to_string(index + 1);
}

std::string withoutRepeatedBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Members whose name on the pages is not their words.
struct AttributeTerm {
    std::string_view member;
    std::string_view term;
};
constexpr std::array kAttributeTerms{
    AttributeTerm{"fieldType", "type"},          AttributeTerm{"fieldPrompt", "prompt"},
    AttributeTerm{"fieldLink", "link"},          AttributeTerm{"escTarget", "esc"},
    AttributeTerm{"nextTarget", "next"},         AttributeTerm{"menuEscTarget", "esc"},
    AttributeTerm{"itemName", "name"},           AttributeTerm{"itemTarget", "next"},
    AttributeTerm{"branchTarget", "branch"},     AttributeTerm{"columnOffset", "offset"},
    AttributeTerm{"columnLength", "length"},     AttributeTerm{"formLookup", "lookup"},
    AttributeTerm{"recordAction", "record"},     AttributeTerm{"errorAction", "if an error occured"},
    AttributeTerm{"functionKeyMap", "function"}, AttributeTerm{"textLines", "text line"},
    AttributeTerm{"ReaderType", "reader type"},
};

}  // namespace

std::string formPlace(std::size_t form) { return numbered("form", form); }
std::string fieldPlace(std::size_t form, std::size_t field) {
    return formPlace(form) + ", " + numbered("field", field);
}
std::string menuPlace(std::size_t menu) { return numbered("menu", menu); }
std::string itemPlace(std::size_t menu, std::size_t item) { return menuPlace(menu) + ", " + numbered("item", item); }
std::string lookupPlace(std::size_t lookup) { return numbered("lookup", lookup); }
std::string functionKeyPlace(std::size_t key) { return "FN+" + std::to_string(key + 1); }

std::string textLinePlace(int block, std::size_t line, const Strings& strings) {
    const int nameId = kTextBlocks[static_cast<std::size_t>(block - 1)].nameId;
    const auto name = nameId == 0 ? std::string() : withoutRepeatedBlanks(strings.utf8(nameId));
    return "texts, " + (name.empty() ? numbered("block", static_cast<std::size_t>(block - 1)) : name) + ", " +
           numbered("line", line);
}

std::string listEntry(const ListEntries& entries, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) {
        auto text = withoutRepeatedBlanks(entries[static_cast<std::size_t>(index)]);
        if (!text.empty()) return text;
    }
    return std::to_string(index);
}

std::string targetName(int code, const Strings& strings) { return listEntry(targetEntries(strings), code); }

std::string fieldTypeName(int type, const Strings& strings) { return listEntry(fieldTypeEntries(strings), type); }

std::string attributeName(std::string_view member) {
    for (const auto& term : kAttributeTerms)
        if (term.member == member) return std::string(term.term);
    std::string words;
    for (std::size_t i = 0; i < member.size(); ++i) {
        const char c = member[i];
        const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
        const bool digitStarts = std::isdigit(static_cast<unsigned char>(c)) != 0 && i > 0 &&
                                 std::isdigit(static_cast<unsigned char>(member[i - 1])) == 0;
        if (i > 0 && (upper || digitStarts)) words += ' ';
        words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return words;
}

std::string characterName(Byte c) {
    if (c == 0) return "none";
    if (c == '\t') return "TAB";
    if (c == ' ') return "space";
    if (c > ' ' && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
    return "byte " + std::to_string(c);
}

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    std::string plain;
    const auto flush = [&] {
        out += cp1251ToUtf8(plain);
        plain.clear();
    };
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && c != '"' && c != '\\' && byte != 0x7F) {
            plain += c;
            continue;
        }
        flush();
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        }
    }
    flush();
    return out + "\"";
}

std::string_view cellText(std::span<const Byte> cell) {
    const auto* chars = reinterpret_cast<const char*>(cell.data());
    return {chars, strnlen(chars, cell.size())};
}

}  // namespace tessel
