#include "core/project_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>

#include "core/definition.h"
#include "core/project_file.h"
#include "core/string_table.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

using Json = nlohmann::ordered_json;
using ByteSpan = std::span<Byte>;
using ConstByteSpan = std::span<const Byte>;

// ---- Export ----

Json numbersOf(ConstByteSpan bytes, bool trimTrailingZeros) {
    std::size_t end = bytes.size();
    if (trimTrailingZeros) {
        while (end > 0 && bytes[end - 1] == 0) --end;
    }
    return Json(std::vector<int>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(end)));
}

// A text cell as its string; what lies after the terminating zero (meaningless,
// but kept) goes beside it; a cell without a terminator stays numbers.
Json textOf(ConstByteSpan cell) {
    const auto* chars = reinterpret_cast<const char*>(cell.data());
    const std::size_t length = strnlen(chars, cell.size());
    if (length == cell.size()) return numbersOf(cell, false);
    const auto text = cp1251ToUtf8(std::string_view(chars, length));
    const auto after = cell.subspan(length + 1);
    if (std::all_of(after.begin(), after.end(), [](Byte b) { return b == 0; })) return text;
    return Json{{"text", text}, {"after", numbersOf(after, true)}};
}

unsigned elementValue(ConstByteSpan bytes) { return bytes.size() == 2 ? bytes[0] | (bytes[1] << 8) : bytes[0]; }

Json elementOf(const FieldLayout& field, ConstByteSpan bytes) {
    switch (field.kind) {
        case FieldKind::Number:
        case FieldKind::Word: return elementValue(bytes);
        case FieldKind::Text: return textOf(bytes);
        case FieldKind::Bytes: return numbersOf(bytes, true);
        case FieldKind::Bits: {
            Json bits = Json::object();
            for (const auto& range : field.bits) bits[std::string(range.name)] = range.get(elementValue(bytes));
            return bits;
        }
    }
    return nullptr;
}

Json recordOf(std::span<const FieldLayout> layout, ConstByteSpan record) {
    Json out = Json::object();
    for (const auto& field : layout) {
        const auto bytes = record.subspan(field.offset, field.size);
        const std::size_t element = field.size / field.count;
        if (field.count == 1) {
            out[std::string(field.name)] = elementOf(field, bytes);
            continue;
        }
        Json list = Json::array();
        for (std::size_t i = 0; i < field.count; ++i)
            list.push_back(elementOf(field, bytes.subspan(i * element, element)));
        out[std::string(field.name)] = std::move(list);
    }
    return out;
}

// ---- Import ----

class Reader {
public:
    [[noreturn]] void fail(const std::string& what) const { throw ProjectJsonError(path_ + ": " + what); }

    struct Scope {
        Reader& reader;
        std::size_t size;
        ~Scope() { reader.path_.resize(size); }
    };
    Scope enter(std::string_view name) {
        const std::size_t size = path_.size();
        path_ += path_.empty() ? std::string(name) : "." + std::string(name);
        return {*this, size};
    }
    Scope enter(std::size_t index) {
        const std::size_t size = path_.size();
        path_ += "[" + std::to_string(index) + "]";
        return {*this, size};
    }

    const Json& member(const Json& object, std::string_view name) {
        if (!object.is_object()) fail("is not an object");
        const auto it = object.find(std::string(name));
        if (it == object.end()) fail("has no member \"" + std::string(name) + "\"");
        return *it;
    }

    unsigned number(const Json& value, unsigned max) {
        if (!value.is_number_unsigned() || value.get<unsigned long long>() > max) {
            fail("must be a whole number from 0 to " + std::to_string(max));
        }
        return value.get<unsigned>();
    }

    // A list of byte values into the start of `out`; the rest of `out` is zero.
    void numbers(const Json& value, ByteSpan out) {
        if (!value.is_array() || value.size() > out.size()) {
            fail("must be a list of at most " + std::to_string(out.size()) + " byte values");
        }
        std::fill(out.begin(), out.end(), Byte{0});
        for (std::size_t i = 0; i < value.size(); ++i) {
            auto scope = enter(i);
            out[i] = static_cast<Byte>(number(value[i], 255));
        }
    }

    void text(const Json& value, ByteSpan cell) {
        if (value.is_array()) return numbers(value, cell);
        const Json* textValue = &value;
        const Json* after = nullptr;
        if (value.is_object()) {
            textValue = &member(value, "text");
            after = &member(value, "after");
        }
        if (!textValue->is_string()) fail("must be a text");
        const auto bytes = utf8ToCp1251(textValue->get<std::string>());
        if (!bytes) fail("holds a character the terminal cannot show");
        if (bytes->size() >= cell.size() || bytes->find('\0') != std::string::npos) {
            fail("must be at most " + std::to_string(cell.size() - 1) + " characters without a zero");
        }
        std::fill(cell.begin(), cell.end(), Byte{0});
        std::memcpy(cell.data(), bytes->data(), bytes->size());
        if (after) {
            auto scope = enter("after");
            numbers(*after, cell.subspan(bytes->size() + 1));
        }
    }

    void element(const FieldLayout& field, const Json& value, ByteSpan out) {
        switch (field.kind) {
            case FieldKind::Number: out[0] = static_cast<Byte>(number(value, 255)); return;
            case FieldKind::Word: {
                const unsigned word = number(value, 0xFFFF);
                out[0] = static_cast<Byte>(word & 0xFF);
                out[1] = static_cast<Byte>(word >> 8);
                return;
            }
            case FieldKind::Text: return text(value, out);
            case FieldKind::Bytes: return numbers(value, out);
            case FieldKind::Bits: {
                unsigned combined = 0;
                for (const auto& range : field.bits) {
                    const Json& bits = member(value, range.name);
                    auto scope = enter(range.name);
                    combined = range.with(combined, number(bits, (1u << range.width) - 1));
                }
                out[0] = static_cast<Byte>(combined & 0xFF);
                if (out.size() == 2) out[1] = static_cast<Byte>(combined >> 8);
                return;
            }
        }
    }

    void record(std::span<const FieldLayout> layout, const Json& object, ByteSpan out) {
        for (const auto& field : layout) {
            const Json& value = member(object, field.name);
            auto scope = enter(field.name);
            const auto bytes = out.subspan(field.offset, field.size);
            if (field.count == 1) {
                element(field, value, bytes);
                continue;
            }
            if (!value.is_array() || value.size() != field.count)
                fail("must be a list of " + std::to_string(field.count));
            const std::size_t size = field.size / field.count;
            for (std::size_t i = 0; i < field.count; ++i) {
                auto item = enter(i);
                element(field, value[i], bytes.subspan(i * size, size));
            }
        }
    }

    const Json& list(const Json& value, std::size_t count) {
        if (!value.is_array() || value.size() != count) fail("must be a list of " + std::to_string(count));
        return value;
    }

private:
    std::string path_;
};

// The blocks of a definition, each with its layout; tables as lists of records.
template <typename Visit>
void forEachBlock(Definition& d, Visit&& visit) {
    visit("symbology", recordBytes(d.symbology), std::span<const FieldLayout>(kSymbologyBlockLayout), 1);
    visit("menus", recordBytes(d.menus), std::span<const FieldLayout>(kMenuRecordLayout), kMenuCount);
    visit("forms", recordBytes(d.forms), std::span<const FieldLayout>(kFormRecordLayout), kFormCount);
    visit("lookups", recordBytes(d.lookups), std::span<const FieldLayout>(kLookupRecordLayout), kLookupCount);
}

template <typename Visit>
void forEachTrailingBlock(Definition& d, Visit&& visit) {
    visit("reader", recordBytes(d.reader), std::span<const FieldLayout>(kReaderSettingsLayout), 1);
    visit("rfid", recordBytes(d.rfid), std::span<const FieldLayout>(kRfidBlockLayout), 1);
    visit("settings", recordBytes(d.settings), std::span<const FieldLayout>(kSystemSettingsLayout), 1);
    visit("weightCode", recordBytes(d.weightCode), std::span<const FieldLayout>(kWeightCodeBlockLayout), 1);
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
    out["magic"] = textOf(raw(0, kMagicSize));
    out["headerWord"] = definition.headerWord.value();
    const auto exportBlock = [&](const char* name, ByteSpan bytes, std::span<const FieldLayout> layout,
                                 std::size_t count) {
        if (count == 1) {
            out[name] = recordOf(layout, bytes);
            return;
        }
        Json records = Json::array();
        const std::size_t size = bytes.size() / count;
        for (std::size_t i = 0; i < count; ++i) records.push_back(recordOf(layout, bytes.subspan(i * size, size)));
        out[name] = std::move(records);
    };
    forEachBlock(definition, exportBlock);
    Json texts = Json::array();
    for (int number = 1; number <= kTextBlockCount; ++number) {
        Json lines = Json::array();
        for (const auto& line : definition.texts.block(number)) lines.push_back(textOf(line));
        texts.push_back({{"screen", screenName(number)}, {"lines", std::move(lines)}});
    }
    out["texts"] = std::move(texts);
    forEachTrailingBlock(definition, exportBlock);
    const auto trailer = raw(kMagicSize + sizeof(Definition), kProjectTrailerSize);
    if (std::any_of(trailer.begin(), trailer.end(), [](Byte b) { return b != 0; }))
        out["trailer"] = numbersOf(trailer, true);
    return out.dump(1) + "\n";
}

std::string projectFileFromJson(std::string_view text) {
    const Json json = parseDocument(text);
    Reader reader;
    std::string file(kProjectFileSize, '\0');
    auto* bytes = reinterpret_cast<Byte*>(file.data());

    {
        auto scope = reader.enter("magic");
        reader.text(reader.member(json, "magic"), ByteSpan(bytes, kMagicSize));
    }
    if (!familyOfMagic(file)) throw ProjectJsonError("magic: not a project magic");

    Definition definition{};
    {
        auto scope = reader.enter("headerWord");
        definition.headerWord.set(static_cast<std::uint16_t>(reader.number(reader.member(json, "headerWord"), 0xFFFF)));
    }
    const auto importBlock = [&](const char* name, ByteSpan out, std::span<const FieldLayout> layout,
                                 std::size_t count) {
        const Json& value = reader.member(json, name);
        auto scope = reader.enter(name);
        if (count == 1) return reader.record(layout, value, out);
        reader.list(value, count);
        const std::size_t size = out.size() / count;
        for (std::size_t i = 0; i < count; ++i) {
            auto item = reader.enter(i);
            reader.record(layout, value[i], out.subspan(i * size, size));
        }
    };
    forEachBlock(definition, importBlock);
    {
        auto scope = reader.enter("texts");
        const Json& texts = reader.list(reader.member(json, "texts"), kTextBlockCount);
        for (int number = 1; number <= kTextBlockCount; ++number) {
            auto block = reader.enter(static_cast<std::size_t>(number - 1));
            auto lines = definition.texts.block(number);
            auto linesScope = reader.enter("lines");
            const Json& values =
                reader.list(reader.member(texts[static_cast<std::size_t>(number - 1)], "lines"), lines.size());
            for (std::size_t i = 0; i < lines.size(); ++i) {
                auto line = reader.enter(i);
                reader.text(values[i], lines[i]);
            }
        }
    }
    forEachTrailingBlock(definition, importBlock);
    std::memcpy(bytes + kMagicSize, &definition, sizeof(Definition));
    if (json.contains("trailer")) {
        auto scope = reader.enter("trailer");
        reader.numbers(json["trailer"], ByteSpan(bytes + kMagicSize + sizeof(Definition), kProjectTrailerSize));
    }
    return file;
}

}  // namespace tessel
