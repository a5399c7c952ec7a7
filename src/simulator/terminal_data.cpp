#include "simulator/terminal_data.h"

namespace tessel::sim {

std::string uploadText(const std::vector<std::string>& records) {
    std::string text;
    for (const auto& record : records) text += record + "\r\n";
    return text;
}

}  // namespace tessel::sim
