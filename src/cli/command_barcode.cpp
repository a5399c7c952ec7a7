#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "barcode/barcode_codec.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "simulator/scan_token.h"

namespace tessel::cli {
namespace {

constexpr int kDefaultModule = 3;
constexpr int kMaxModule = 20;

CLI::Validator symbologyValidator() {
    return CLI::Validator(
        [](const std::string& name) {
            if (sim::symbologyNamed(name)) return std::string();
            return "unknown symbology '" + name + "'";
        },
        "SYMBOLOGY");
}

std::string symbologyNames() {
    std::string names;
    for (const auto& info : sim::symbologies()) names += (names.empty() ? "" : ", ") + std::string(info.name);
    return names;
}

struct BarcodeOptions {
    std::string symbology;
    std::string data;
    std::string output;
    int module = kDefaultModule;
};

int runBarcode(const BarcodeOptions& options) {
    const std::filesystem::path output(options.output);
    if (output.extension() != ".png" && output.extension() != ".PNG") {
        std::cerr << "Only PNG pictures are written: name the output FILE.png\n";
        return kUsageError;
    }
    const auto symbology = *sim::symbologyNamed(options.symbology);
    const auto drawn = barcode::zxingCodec().draw(symbology, sim::unescapeScanData(options.data), options.module);
    if (!drawn.picture) {
        std::cerr << drawn.problem << '\n';
        return kUsageError;
    }
    const auto png = barcode::pngBytes(*drawn.picture);
    if (!png) return fail("Cannot encode the picture as PNG");
    return writeWholeFile(output, *png) ? kSuccess : kFailure;
}

}  // namespace

void addBarcodeCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<BarcodeOptions>();
    auto* command = app.add_subcommand("barcode", "Write a picture of a barcode, for test labels and scan sheets.");
    command->add_option("SYMBOLOGY", options->symbology, "Symbology: " + symbologyNames())
        ->required()
        ->check(symbologyValidator());
    command->add_option("DATA", options->data, "What the barcode holds; %HH stands for the byte HH (%1D FNC1)")
        ->required();
    command->add_option("-o,--output", options->output, "PNG file to write")->required();
    command->add_option("--module", options->module, "Pixels to the narrowest bar (default 3)")
        ->check(CLI::Range(1, kMaxModule));
    command->callback([options, &status] { status = runBarcode(*options); });
}

}  // namespace tessel::cli
