#include "simulator/scan_token.h"

#include <algorithm>
#include <cctype>

namespace tessel::sim {
namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

constexpr std::string_view kScanPrefix = "SCAN:";
constexpr std::string_view kRfidPrefix = "RFID:";
constexpr std::string_view kFileName = "FILE";

ParsedScanToken refused(std::string_view token, const std::string& why) {
    return {std::nullopt, "'" + std::string(token) + "': " + why};
}

ParsedScanToken parseBarcode(std::string_view token) {
    const std::string_view rest = token.substr(kScanPrefix.size());
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos) return refused(token, "expected SCAN:SYMBOLOGY:DATA");
    const std::string_view name = rest.substr(0, colon);
    const std::string_view text = rest.substr(colon + 1);
    if (upper(name) == kFileName) {
        if (text.empty()) return refused(token, "expected SCAN:FILE:PATH");
        return {PictureScan{std::string(text)}, {}};
    }
    const auto symbology = symbologyNamed(name);
    if (!symbology) return refused(token, "unknown symbology '" + std::string(name) + "'");
    std::string data = unescapeScanData(text);
    if (const auto problem = barcodeDataProblem(*symbology, data)) return refused(token, *problem);
    return {Scan::barcode(*symbology, std::move(data)), {}};
}

ParsedScanToken parseTag(std::string_view token) {
    const std::string_view rest = token.substr(kRfidPrefix.size());
    const auto colon = rest.find(':');
    std::string uid = unescapeScanData(rest.substr(0, colon));
    std::string data = colon == std::string_view::npos ? std::string() : unescapeScanData(rest.substr(colon + 1));
    if (uid.empty() && data.empty()) return refused(token, "expected RFID:UID or RFID:UID:DATA");
    return {Scan::tag(std::move(uid), std::move(data)), {}};
}

}  // namespace

bool looksLikeScanToken(std::string_view token) {
    const std::string head = upper(token.substr(0, kScanPrefix.size()));
    return head == kScanPrefix || head == kRfidPrefix;
}

ParsedScanToken parseScanToken(std::string_view token) {
    if (!looksLikeScanToken(token)) return refused(token, "not a scan");
    return upper(token.substr(0, kScanPrefix.size())) == kScanPrefix ? parseBarcode(token) : parseTag(token);
}

std::string unescapeScanData(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            result.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

}  // namespace tessel::sim
