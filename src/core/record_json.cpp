#include "core/record_json.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/project_json.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

using ByteSpan = std::span<Byte>;
using ConstByteSpan = std::span<const Byte>;

bool allAre(ConstByteSpan bytes, Byte value) {
    return std::all_of(bytes.begin(), bytes.end(), [value](Byte b) { return b == value; });
}

unsigned elementValue(ConstByteSpan bytes) { return bytes.size() == 2 ? bytes[0] | (bytes[1] << 8) : bytes[0]; }

const FieldLayout& layoutMember(std::span<const FieldLayout> layout, std::string_view name) {
    const auto it = std::find_if(layout.begin(), layout.end(), [name](const FieldLayout& f) { return f.name == name; });
    if (it == layout.end()) throw std::logic_error("no layout member " + std::string(name));
    return *it;
}

const ElementList* listOf(const RecordShape& shape, std::string_view member) {
    for (const ElementList& list : shape.lists) {
        for (const ElementMember& m : list.members) {
            if (m.member == member) return &list;
        }
    }
    return nullptr;
}

// Element `index` of a member that has one element per field (item, ...).
template <typename Span>
Span elementBytes(Span record, const FieldLayout& field, std::size_t index) {
    const std::size_t size = field.size / field.count;
    return record.subspan(field.offset + index * size, size);
}

Json elementToJson(const FieldLayout& field, ConstByteSpan bytes) {
    switch (field.kind) {
        case FieldKind::Number:
        case FieldKind::Word: return elementValue(bytes);
        case FieldKind::Text:
        case FieldKind::Characters: return textToJson(bytes, field.kind);
        case FieldKind::Bytes: return hexOf(bytes);
        case FieldKind::Bits: {
            Json bits = Json::object();
            for (const auto& range : field.bits) bits[std::string(range.name)] = range.get(elementValue(bytes));
            return bits;
        }
    }
    return nullptr;
}

Json memberToJson(const FieldLayout& field, ConstByteSpan record) {
    if (field.count == 1) return elementToJson(field, record.subspan(field.offset, field.size));
    Json list = Json::array();
    for (std::size_t i = 0; i < field.count; ++i) list.push_back(elementToJson(field, elementBytes(record, field, i)));
    return list;
}

// The elements in use, each an object that starts with its number.
Json elementsToJson(const ElementList& list, std::span<const FieldLayout> layout, ConstByteSpan record) {
    Json elements = Json::array();
    for (std::size_t i = 0; i < list.count; ++i) {
        const bool inUse = std::any_of(list.members.begin(), list.members.end(), [&](const ElementMember& m) {
            return !allAre(elementBytes(record, layoutMember(layout, m.member), i), m.blank);
        });
        if (!inUse) continue;
        Json element = Json::object();
        element[std::string(list.number)] = i + 1;
        for (const ElementMember& m : list.members) {
            const FieldLayout& field = layoutMember(layout, m.member);
            const auto bytes = elementBytes(record, field, i);
            if (field.kind == FieldKind::Bytes && allAre(bytes, 0)) continue;
            element[std::string(m.name)] = elementToJson(field, bytes);
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

std::string characters(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string hexOf(ConstByteSpan bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::size_t end = bytes.size();
    while (end > 0 && bytes[end - 1] == 0) --end;
    std::string hex;
    hex.reserve(2 * end);
    for (std::size_t i = 0; i < end; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0xF];
    }
    return hex;
}

// What lies after the terminating zero means nothing but is kept; a Text cell
// without its zero holds no text and is kept as its bytes.
Json textToJson(ConstByteSpan cell, FieldKind kind) {
    const auto* chars = reinterpret_cast<const char*>(cell.data());
    const std::size_t length = strnlen(chars, cell.size());
    if (length == cell.size() && kind == FieldKind::Text) return Json{{"hex", hexOf(cell)}};
    const auto text = cp1251ToUtf8(std::string_view(chars, length));
    const auto after = cell.subspan(std::min(length + 1, cell.size()));
    if (allAre(after, 0)) return text;
    return Json{{"text", text}, {"after", hexOf(after)}};
}

Json recordToJson(const RecordShape& shape, ConstByteSpan record) {
    Json out = Json::object();
    for (const FieldLayout& field : shape.layout) {
        const ElementList* list = listOf(shape, field.name);
        if (!list) {
            const bool zeroBytes = field.kind == FieldKind::Bytes && allAre(record.subspan(field.offset, field.size), 0);
            if (!zeroBytes) out[std::string(field.name)] = memberToJson(field, record);
        } else if (!out.contains(list->name)) {
            // The list stands where its first member lies in the record.
            out[std::string(list->name)] = elementsToJson(*list, shape.layout, record);
        }
    }
    return out;
}

// ---- Import ----

void JsonReader::fail(const std::string& what) const {
    std::string place;
    for (const auto& segment : path_) {
        if (!place.empty() && segment.front() != '[') place += ", ";
        place += segment;
    }
    throw ProjectJsonError(place.empty() ? what : place + ": " + what);
}

JsonReader::Scope JsonReader::enter(std::string place) {
    path_.push_back(std::move(place));
    return {*this, path_.size() - 1};
}

JsonReader::Scope JsonReader::enterIndex(std::size_t index) { return enter("[" + std::to_string(index) + "]"); }

const Json& JsonReader::member(const Json& object, std::string_view name) {
    if (!object.is_object()) fail("must be an object");
    const auto it = object.find(std::string(name));
    if (it == object.end()) fail("has no member \"" + std::string(name) + "\"");
    return *it;
}

void JsonReader::onlyMembers(const Json& object, const std::vector<std::string_view>& known) {
    if (!object.is_object()) fail("must be an object");
    for (const auto& [name, value] : object.items()) {
        if (std::find(known.begin(), known.end(), name) == known.end()) fail("unknown member \"" + name + "\"");
    }
}

unsigned JsonReader::number(const Json& value, unsigned max) {
    if (!value.is_number_unsigned() || value.get<unsigned long long>() > max) {
        fail("must be a whole number from 0 to " + std::to_string(max));
    }
    return value.get<unsigned>();
}

const Json& JsonReader::list(const Json& value, std::size_t count) {
    if (!value.is_array() || value.size() != count) fail("must be a list of " + std::to_string(count));
    return value;
}

void JsonReader::hex(const Json& value, ByteSpan out) {
    const std::string limit = "must be hexadecimal digits for at most " + std::to_string(out.size()) + " bytes";
    if (!value.is_string()) fail(limit);
    const auto& digits = value.get_ref<const std::string&>();
    if (digits.size() % 2 != 0 || digits.size() / 2 > out.size()) fail(limit);
    std::fill(out.begin(), out.end(), Byte{0});
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexDigit(digits[i]);
        const int low = hexDigit(digits[i + 1]);
        if (high < 0 || low < 0) fail(limit);
        out[i / 2] = static_cast<Byte>(high << 4 | low);
    }
}

void JsonReader::text(const Json& value, ByteSpan cell, FieldKind kind) {
    const Json* textValue = &value;
    const Json* after = nullptr;
    if (value.is_object() && value.contains("hex")) {
        onlyMembers(value, {"hex"});
        auto scope = enter("hex");
        return hex(value["hex"], cell);
    }
    if (value.is_object()) {
        onlyMembers(value, {"text", "after"});
        textValue = &member(value, "text");
        after = &member(value, "after");
    }
    if (!textValue->is_string()) fail("must be a text");
    const auto bytes = utf8ToCp1251(textValue->get_ref<const std::string&>());
    if (!bytes) fail("holds a character the terminal cannot show");
    const std::size_t max = kind == FieldKind::Text || after ? cell.size() - 1 : cell.size();
    if (bytes->size() > max || bytes->find('\0') != std::string::npos) {
        fail("must be at most " + characters(max) + " without a zero");
    }
    std::fill(cell.begin(), cell.end(), Byte{0});
    std::memcpy(cell.data(), bytes->data(), bytes->size());
    if (after) {
        auto scope = enter("after");
        hex(*after, cell.subspan(bytes->size() + 1));
    }
}

void JsonReader::element(const FieldLayout& field, const Json& value, ByteSpan out) {
    switch (field.kind) {
        case FieldKind::Number: out[0] = static_cast<Byte>(number(value, 255)); return;
        case FieldKind::Word: {
            const unsigned word = number(value, 0xFFFF);
            out[0] = static_cast<Byte>(word & 0xFF);
            out[1] = static_cast<Byte>(word >> 8);
            return;
        }
        case FieldKind::Text:
        case FieldKind::Characters: return text(value, out, field.kind);
        case FieldKind::Bytes: return hex(value, out);
        case FieldKind::Bits: {
            std::vector<std::string_view> names;
            for (const auto& range : field.bits) names.push_back(range.name);
            onlyMembers(value, names);
            unsigned combined = 0;
            for (const auto& range : field.bits) {
                const Json& bits = member(value, range.name);
                auto scope = enter(std::string(range.name));
                combined = range.with(combined, number(bits, (1u << range.width) - 1));
            }
            out[0] = static_cast<Byte>(combined & 0xFF);
            if (out.size() == 2) out[1] = static_cast<Byte>(combined >> 8);
            return;
        }
    }
}

void JsonReader::record(const RecordShape& shape, const Json& object, ByteSpan out, std::string_view numberName) {
    std::vector<std::string_view> known;
    if (!numberName.empty()) known.push_back(numberName);
    for (const FieldLayout& field : shape.layout) {
        if (!listOf(shape, field.name)) known.push_back(field.name);
    }
    for (const ElementList& list : shape.lists) known.push_back(list.name);
    onlyMembers(object, known);

    for (const FieldLayout& field : shape.layout) {
        if (listOf(shape, field.name)) continue;
        const auto bytes = out.subspan(field.offset, field.size);
        if (field.kind == FieldKind::Bytes && !object.contains(field.name)) {
            std::fill(bytes.begin(), bytes.end(), Byte{0});
            continue;
        }
        const Json& value = member(object, field.name);
        auto scope = enter(std::string(field.name));
        if (field.count == 1) {
            element(field, value, bytes);
            continue;
        }
        list(value, field.count);
        for (std::size_t i = 0; i < field.count; ++i) {
            auto item = enterIndex(i);
            element(field, value[i], elementBytes(out, field, i));
        }
    }
    for (const ElementList& list : shape.lists) elementList(list, shape.layout, member(object, list.name), out);
}

void JsonReader::elementList(const ElementList& list, std::span<const FieldLayout> layout, const Json& value,
                             ByteSpan record) {
    // Elements the list leaves out are not in use.
    for (const ElementMember& m : list.members) {
        const FieldLayout& field = layoutMember(layout, m.member);
        const auto bytes = record.subspan(field.offset, field.size);
        std::fill(bytes.begin(), bytes.end(), m.blank);
    }
    std::vector<std::string_view> known{list.number};
    for (const ElementMember& m : list.members) known.push_back(m.name);
    numbered(value, list.name, list.number, list.count, false, [&](std::size_t index, const Json& object) {
        onlyMembers(object, known);
        for (const ElementMember& m : list.members) {
            const FieldLayout& field = layoutMember(layout, m.member);
            const auto bytes = elementBytes(record, field, index);
            if (field.kind == FieldKind::Bytes && !object.contains(m.name)) {
                std::fill(bytes.begin(), bytes.end(), Byte{0});
                continue;
            }
            const Json& memberValue = member(object, m.name);
            auto scope = enter(std::string(m.name));
            element(field, memberValue, bytes);
        }
    });
}

std::size_t JsonReader::elementNumber(const Json& object, std::string_view numberName, std::size_t count) {
    const Json& value = member(object, numberName);
    auto scope = enter(std::string(numberName));
    if (!value.is_number_unsigned() || value.get<unsigned long long>() < 1 || value.get<unsigned long long>() > count) {
        fail("must be a whole number from 1 to " + std::to_string(count));
    }
    return value.get<std::size_t>();
}

}  // namespace tessel
