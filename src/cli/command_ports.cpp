#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/text_encoding.h"
#include "link/ir_cradle.h"
#include "link/platform/port_listing.h"
#include "link/platform/qt_serial_port.h"

namespace tessel::cli {

void addPortsCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand("ports", "List the serial ports, simulated terminals included.");
    command->callback([&status] {
        const Strings strings;
        for (const auto& port : link::listSerialPorts())
            std::cout << cp1251ToUtf8(link::portListLine(port, strings)) << '\n';
        status = kSuccess;
    });
}

void addDetectCradleCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand("detect-cradle", "Find the port the infrared cradle answers on.");
    command->callback([&status] {
        const Strings strings;
        const auto ports = link::listSerialPorts();
        link::SteadyLinkClock clock;
        const auto found = link::detectCradle(ports, link::makeQtSerialPort, clock);
        if (!found) {
            status = fail(strings.utf8(42));
            return;
        }
        std::cout << strings.utf8(41) << ports[static_cast<std::size_t>(*found)].portName << '\n';
        status = kSuccess;
    });
}

}  // namespace tessel::cli
