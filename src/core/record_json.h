#pragma once
// One record of a definition as a JSON object and back, driven by its layout
// table: members by name, element lists as numbered objects, texts as text,
// other bytes as hexadecimal. The project's JSON (project_json.h) is made of
// these.
#include <nlohmann/json.hpp>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

using Json = nlohmann::ordered_json;

// How a record is shown: its members, and those of them gathered by element.
struct RecordShape {
    std::span<const FieldLayout> layout;
    std::span<const ElementList> lists = {};
};

// A text cell of `kind` Text or Characters: a string while that keeps every
// byte, else an object that also holds what lies after the terminating zero.
Json textToJson(std::span<const Byte> cell, FieldKind kind);

// Bytes as one hexadecimal string, without the zero bytes at its end.
std::string hexOf(std::span<const Byte> bytes);

Json recordToJson(const RecordShape& shape, std::span<const Byte> record);

// Reads JSON values into bytes, naming the place of anything wrong in its
// ProjectJsonError: "form 5, field 7, type: must be a whole number ...".
class JsonReader {
public:
    [[noreturn]] void fail(const std::string& what) const;

    // Places are entered for the lifetime of the returned scope.
    struct Scope {
        JsonReader& reader;
        std::size_t depth;
        ~Scope() { reader.path_.resize(depth); }
    };
    [[nodiscard]] Scope enter(std::string place);
    // An element of a plain list, as "[index]" after the list's name.
    [[nodiscard]] Scope enterIndex(std::size_t index);

    const Json& member(const Json& object, std::string_view name);
    // Refuses a member of `object` that is not among `known`.
    void onlyMembers(const Json& object, const std::vector<std::string_view>& known);
    unsigned number(const Json& value, unsigned max);
    const Json& list(const Json& value, std::size_t count);
    // A hexadecimal string into the start of `out`; the rest of `out` is zero.
    void hex(const Json& value, std::span<Byte> out);
    void text(const Json& value, std::span<Byte> cell, FieldKind kind);
    // A record; `numberName`, when given, is the member that numbers it in
    // its table, read by the caller.
    void record(const RecordShape& shape, const Json& object, std::span<Byte> out, std::string_view numberName = {});

    // Calls `read(index, object)` for each object of `value`, the list
    // `listName` whose objects carry their number (1 to `count`) as the member
    // `numberName`: each number at most once, and every one when `complete`.
    // Inside, places are named by number ("field 7") rather than by position.
    template <typename Read>
    void numbered(const Json& value, std::string_view listName, std::string_view numberName, std::size_t count,
                  bool complete, Read&& read);

private:
    void element(const FieldLayout& field, const Json& value, std::span<Byte> out);
    void elementList(const ElementList& list, std::span<const FieldLayout> layout, const Json& value,
                     std::span<Byte> record);
    std::size_t elementNumber(const Json& object, std::string_view numberName, std::size_t count);

    std::vector<std::string> path_;
};

template <typename Read>
void JsonReader::numbered(const Json& value, std::string_view listName, std::string_view numberName,
                          std::size_t count, bool complete, Read&& read) {
    std::vector<bool> seen(count, false);
    {
        auto scope = enter(std::string(listName));
        if (!value.is_array()) fail("must be a list");
        for (std::size_t i = 0; i < value.size(); ++i) {
            auto item = enterIndex(i);
            const std::size_t number = elementNumber(value[i], numberName, count);
            if (seen[number - 1]) fail(std::string(numberName) + " " + std::to_string(number) + " is listed twice");
            seen[number - 1] = true;
        }
        for (std::size_t i = 0; complete && i < count; ++i) {
            if (!seen[i]) fail("has no " + std::string(numberName) + " " + std::to_string(i + 1));
        }
    }
    for (const Json& object : value) {
        const std::size_t number = object.at(std::string(numberName)).template get<std::size_t>();
        auto scope = enter(std::string(numberName) + " " + std::to_string(number));
        read(number - 1, object);
    }
}

}  // namespace tessel
