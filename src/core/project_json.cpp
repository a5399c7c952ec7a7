#include "core/project_json.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/definition.h"
#include "core/project_file.h"
#include "core/record_json.h"
#include "core/string_table.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

using ByteSpan = std::span<Byte>;
using ConstByteSpan = std::span<const Byte>;

// The version of the document's layout. An import reads this one only, so a
// document of another version is refused rather than misread.
constexpr unsigned kFormatVersion = 2;

// A block of the definition: one record, or a table of numbered records.
struct Block {
    const char* name;
    RecordShape shape;
    ByteSpan bytes;
    std::size_t count = 1;
    const char* number = nullptr;  // each record's number in a table, e.g. "form"
};

std::vector<Block> leadingBlocks(Definition& d) {
    return {
        {"symbology", {kSymbologyBlockLayout}, recordBytes(d.symbology)},
        {"menus", {kMenuRecordLayout, kMenuRecordLists}, recordBytes(d.menus), kMenuCount, "menu"},
        {"forms", {kFormRecordLayout, kFormRecordLists}, recordBytes(d.forms), kFormCount, "form"},
        {"lookups", {kLookupRecordLayout, kLookupRecordLists}, recordBytes(d.lookups), kLookupCount, "lookup"},
    };
}

std::vector<Block> trailingBlocks(Definition& d) {
    return {
        {"reader", {kReaderSettingsLayout}, recordBytes(d.reader)},
        {"rfid", {kRfidBlockLayout}, recordBytes(d.rfid)},
        {"settings", {kSystemSettingsLayout}, recordBytes(d.settings)},
        {"weightCode", {kWeightCodeBlockLayout}, recordBytes(d.weightCode)},
    };
}

constexpr const char* kTexts = "texts";
constexpr const char* kTrailer = "trailer";

Json blockToJson(const Block& block) {
    if (block.count == 1) return recordToJson(block.shape, block.bytes);
    Json records = Json::array();
    const std::size_t size = block.bytes.size() / block.count;
    for (std::size_t i = 0; i < block.count; ++i) {
        Json record = Json::object();
        record[block.number] = i + 1;
        record.update(recordToJson(block.shape, block.bytes.subspan(i * size, size)));
        records.push_back(std::move(record));
    }
    return records;
}

void blockFromJson(JsonReader& reader, const Block& block, const Json& value) {
    if (block.count == 1) {
        auto scope = reader.enter(block.name);
        return reader.record(block.shape, value, block.bytes);
    }
    const std::size_t size = block.bytes.size() / block.count;
    reader.numbered(value, block.name, block.number, block.count, true, [&](std::size_t index, const Json& object) {
        reader.record(block.shape, object, block.bytes.subspan(index * size, size), block.number);
    });
}

// An export nests six levels deep; far deeper documents are refused before
// their depth can exhaust the stack.
constexpr int kMaxNesting = 64;

// "line L, column C" of the byte at 1-based position `position`.
std::string lineAndColumn(std::string_view text, std::size_t position) {
    const auto before = text.substr(0, position == 0 ? 0 : position - 1);
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const auto lineStart = before.rfind('\n');
    const auto column = before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The error for a document the JSON reader refuses at byte `position`, with
// the reason from the library's text "[json.exception...] ...: <reason>".
ProjectJsonError invalidJson(std::string_view text, std::size_t position, const nlohmann::detail::exception& error) {
    const std::string what = error.what();
    const bool syntax = error.id >= 101 && error.id < 200;  // the library's parse errors
    const auto reason = syntax ? what.find(": ") : what.find("] ");
    return ProjectJsonError("not valid JSON at " + lineAndColumn(text, position) +
                            (reason == std::string::npos ? "" : ": " + what.substr(reason + 2)));
}

// Checks syntax and nesting without building anything: it holds one count,
// and stops at the first container that opens too deep or the first error.
// Only a document that passes is built, by the plain parser, so a hostile
// document costs no more memory than its own text.
class NestingCheck : public nlohmann::json_sax<Json> {
public:
    explicit NestingCheck(std::string_view text) : text_(text) {}

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return open(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override {
        throw invalidJson(text_, position, error);
    }

private:
    bool open() {
        if (depth_ >= kMaxNesting) {
            throw ProjectJsonError("not a project export: nested more than " + std::to_string(kMaxNesting) +
                                   " levels deep");
        }
        ++depth_;
        return true;
    }
    bool close() {
        --depth_;
        return true;
    }
    std::string_view text_;
    int depth_ = 0;
};

Json parseDocument(std::string_view text) {
    if (text.size() > kProjectJsonMax) {
        throw ProjectJsonError("too large for a project export (more than " + std::to_string(kProjectJsonMax) +
                               " bytes)");
    }
    NestingCheck check(text);
    Json::sax_parse(text, &check);
    return Json::parse(text);
}

std::string screenName(int number) {
    if (number == 1) return "";
    std::string name =
        cp1251ToUtf8(StringTable::builtin().text(kTextBlocks[static_cast<std::size_t>(number - 1)].nameId));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

Json textsToJson(const TerminalTexts& texts) {
    Json blocks = Json::array();
    for (int number = 1; number <= kTextBlockCount; ++number) {
        Json lines = Json::array();
        for (const auto& line : texts.block(number)) lines.push_back(textToJson(line, FieldKind::Text));
        blocks.push_back({{"block", number}, {"screen", screenName(number)}, {"lines", std::move(lines)}});
    }
    return blocks;
}

// The screen names are there for the reader; the block numbers place the lines.
void textsFromJson(JsonReader& reader, const Json& value, TerminalTexts& texts) {
    reader.numbered(value, kTexts, "block", kTextBlockCount, true, [&](std::size_t index, const Json& object) {
        reader.onlyMembers(object, {"block", "screen", "lines"});
        auto lines = texts.block(static_cast<int>(index) + 1);
        const Json& values = reader.member(object, "lines");
        auto scope = reader.enter("lines");
        reader.list(values, lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto line = reader.enterIndex(i);
            reader.text(values[i], lines[i], FieldKind::Text);
        }
    });
}

void checkFormat(JsonReader& reader, const Json& json) {
    const std::string version = std::to_string(kFormatVersion);
    if (!json.is_object()) reader.fail("not a project export: must be an object");
    if (!json.contains("format")) {
        reader.fail("not a project export of format " + version +
                    " (it has no \"format\"); an export made by an older version must be made again from its "
                    "project file");
    }
    const Json& format = json["format"];
    if (format != kFormatVersion) {
        auto scope = reader.enter("format");
        reader.fail(format.dump() + " is not read here: this version reads exports of format " + version + " only");
    }
}

}  // namespace

std::string projectFileToJson(std::string_view file) {
    if (!familyOfMagic(file)) throw ProjectJsonError("not a project file: Format mismatch !!!");
    std::string whole(file.substr(0, kProjectFileSize));
    whole.resize(kProjectFileSize, '\0');
    Definition definition{};
    fillDefinitionFrom(whole, definition);
    const auto raw = [&](std::size_t offset, std::size_t size) {
        return ConstByteSpan(reinterpret_cast<const Byte*>(whole.data()) + offset, size);
    };

    Json out = Json::object();
    out["format"] = kFormatVersion;
    out["magic"] = textToJson(raw(0, kMagicSize), FieldKind::Text);
    out["headerWord"] = definition.headerWord.value();
    for (const Block& block : leadingBlocks(definition)) out[block.name] = blockToJson(block);
    out[kTexts] = textsToJson(definition.texts);
    for (const Block& block : trailingBlocks(definition)) out[block.name] = blockToJson(block);
    const auto trailer = raw(kMagicSize + sizeof(Definition), kProjectTrailerSize);
    if (std::any_of(trailer.begin(), trailer.end(), [](Byte b) { return b != 0; })) out[kTrailer] = hexOf(trailer);
    return out.dump(1) + "\n";
}

std::string projectFileFromJson(std::string_view text) {
    const Json json = parseDocument(text);
    JsonReader reader;
    checkFormat(reader, json);
    std::string file(kProjectFileSize, '\0');
    auto* bytes = reinterpret_cast<Byte*>(file.data());

    Definition definition{};
    const auto leading = leadingBlocks(definition);
    const auto trailing = trailingBlocks(definition);
    std::vector<std::string_view> known{"format", "magic", "headerWord", kTexts, kTrailer};
    for (const auto* blocks : {&leading, &trailing}) {
        for (const Block& block : *blocks) known.push_back(block.name);
    }
    reader.onlyMembers(json, known);

    {
        const Json& magic = reader.member(json, "magic");
        auto scope = reader.enter("magic");
        reader.text(magic, ByteSpan(bytes, kMagicSize), FieldKind::Text);
        if (!familyOfMagic(file)) reader.fail("not a project magic");
    }
    {
        const Json& word = reader.member(json, "headerWord");
        auto scope = reader.enter("headerWord");
        definition.headerWord.set(static_cast<std::uint16_t>(reader.number(word, 0xFFFF)));
    }
    for (const Block& block : leading) blockFromJson(reader, block, reader.member(json, block.name));
    textsFromJson(reader, reader.member(json, kTexts), definition.texts);
    for (const Block& block : trailing) blockFromJson(reader, block, reader.member(json, block.name));
    std::memcpy(bytes + kMagicSize, &definition, sizeof(Definition));
    if (json.contains(kTrailer)) {
        auto scope = reader.enter(kTrailer);
        reader.hex(json[kTrailer], ByteSpan(bytes + kMagicSize + sizeof(Definition), kProjectTrailerSize));
    }
    return file;
}

}  // namespace tessel
