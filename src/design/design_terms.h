#pragma once
// The names of a design's parts as its user knows them from the editor
// pages: places ("form 2, field 3"), list values by the texts the pages show
// ("integer", "menu 2"), characters and texts quoted. The checks and the
// differences both speak through these.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;

// Places, numbered from 1 as the pages number them; `index` is 0-based.
std::string formPlace(std::size_t form);
std::string fieldPlace(std::size_t form, std::size_t field);
std::string menuPlace(std::size_t menu);
std::string itemPlace(std::size_t menu, std::size_t item);
std::string lookupPlace(std::size_t lookup);
// "FN+1" .. for a function key 0-based.
std::string functionKeyPlace(std::size_t key);
// "texts, Main menu, line 2"; block 1 has no screen and is "texts, block 1".
std::string textLinePlace(int block, std::size_t line, const Strings& strings);

// Entry `index` of a list, its blanks run together ("form  3" is "form 3");
// the number itself when the list has no such entry or it has no text.
std::string listEntry(const ListEntries& entries, int index);

// "main", "form 3", "menu 2"; the number for a code that names nothing.
std::string targetName(int code, const Strings& strings);
std::string fieldTypeName(int type, const Strings& strings);

// A record member's name as words: "minLength" is "min length", with the
// names the pages use where they differ ("fieldType" is "type").
std::string attributeName(std::string_view member);

// A character byte: "none" for 0, "TAB", "space", 'x' for a visible one,
// else "byte 13".
std::string characterName(Byte c);

// Windows-1251 text as quoted UTF-8, with quotes, backslashes and control
// bytes escaped so the line stays one line.
std::string quotedText(std::string_view text);

// The zero-terminated text at the start of `cell` (all of it without a zero).
std::string_view cellText(std::span<const Byte> cell);

}  // namespace tessel
