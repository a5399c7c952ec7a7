#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/definition.h"
#include "core/project_file.h"
#include "core/text_encoding.h"
#include "design/design_usage.h"

namespace tessel::cli {
namespace {

// The 1-based numbers of the records that are in use, or "none".
template <typename Records, typename InUse>
std::string numbersInUse(const Records& records, InUse inUse) {
    std::string numbers;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (inUse(records[i])) numbers += (numbers.empty() ? "" : " ") + std::to_string(i + 1);
    }
    return numbers.empty() ? "none" : numbers;
}

// The settings version character, or what stands in its place.
std::string settingsVersionText(std::string_view file, Byte version) {
    constexpr std::size_t kVersionOffset = kMagicSize + offsetof(Definition, settings);
    if (file.size() <= kVersionOffset) return "none, the file is cut short before it";
    if (version > ' ' && version < 0x7F) return std::string(1, static_cast<char>(version));
    return "byte " + std::to_string(version);
}

}  // namespace

void addInfoCommand(CLI::App& app, int& status) {
    auto file = std::make_shared<std::string>();
    auto* command = app.add_subcommand("info", "Show the family, format and what a project uses.");
    command->add_option("FILE", *file, "Project file")->required();
    command->callback([file, &status] {
        const auto bytes = readWholeFile(*file, kProjectFileSize);
        if (!bytes) {
            status = kFailure;
            return;
        }
        const auto family = familyOfMagic(*bytes);
        if (!family) {
            status = fail("Format mismatch !!!");
            return;
        }
        Definition definition{};
        fillDefinitionFrom(*bytes, definition);
        const auto magic = cp1251ToUtf8(std::string_view(bytes->data(), strnlen(bytes->data(), kMagicSize - 1)));
        std::cout << "family: " << *family << '\n'
                  << "magic: " << magic << '\n'
                  << "settings version: " << settingsVersionText(*bytes, definition.settings.settingsVersion) << '\n'
                  << "forms in use: " << numbersInUse(definition.forms, formInUse) << '\n'
                  << "menus in use: " << numbersInUse(definition.menus, menuInUse) << '\n'
                  << "lookups in use: " << numbersInUse(definition.lookups, lookupInUse) << '\n';
        if (bytes->size() < kProjectFileSize)
            std::cout << "note: the file is cut short (" << bytes->size() << " of " << kProjectFileSize << " bytes)\n";
        status = kSuccess;
    });
}

}  // namespace tessel::cli
