#include "simulator/reader_model.h"

#include <algorithm>

#include "reader/reader_type.h"

namespace tessel::sim {
namespace {

constexpr char kFieldSeparator = '\x1D';  // GS, the FNC1 inside an EAN128 code
constexpr std::size_t kEan13Body = 12;    // digits before the check digit

std::optional<std::string> disabledReason(const Definition& definition, const SymbologyInfo& info) {
    const ReaderMode mode = readerMode(definition.settings.ReaderType);
    const std::string name(info.display);
    if (mode == ReaderMode::OneD) {
        if (!info.enable1d || readBits(definition, *info.enable1d) == 0) {
            return name + " is not enabled for the 1D reader";
        }
        return std::nullopt;
    }
    if (mode == ReaderMode::LongRange && info.twoDimensional) return name + " cannot be read by a laser";
    if (!info.enable2d || readBits(definition, *info.enable2d) == 0) {
        return name + (mode == ReaderMode::LongRange ? " is not enabled for the long-range laser"
                                                     : " is not enabled for the 2D reader");
    }
    return std::nullopt;
}

std::string codeIdOf(const Definition& definition, const SymbologyInfo& info) {
    const SystemSettings& settings = definition.settings;
    if (settings.codeIdOn == 0 || !info.codeIdRow) return {};
    if (info.symbology == Symbology::Ean128 && readerMode(settings.ReaderType) == ReaderMode::OneD &&
        kSymbologyEan128NoCodeId.get(definition.symbology.byte22) != 0) {
        return {};
    }
    std::string id;
    for (const Byte b : settings.codeId[*info.codeIdRow]) {
        if (b == 0) break;
        id.push_back(static_cast<char>(b));
    }
    return id;
}

// A quantity of the weight code: its digits without leading zeros, or in
// the 1C format kilograms with three decimals (grams "01234" read "1.234").
std::string quantityText(std::string digits, bool format1c) {
    if (format1c) {
        while (digits.size() < 4) digits.insert(digits.begin(), '0');
        digits.insert(digits.end() - 3, '.');
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    return digits.substr(digits[first] == '.' ? first - 1 : first);
}

// An EAN-13 that starts with the weight code's prefix carries an item key up
// to the mask position and a quantity from there to the check digit.
std::optional<WeightedCode> weightedCode(const Definition& definition, const Scan& scan) {
    const WeightCodeBlock& block = definition.weightCode;
    if (scan.symbology != Symbology::Ean13 || kWeightCodeEnable.get(block.flags.value()) == 0) return std::nullopt;
    std::string prefix;
    for (const Byte b : block.prefixCode) {
        if (b != 0 && b != ' ') prefix.push_back(static_cast<char>(b));
    }
    const auto mask = static_cast<std::size_t>(std::clamp<int>(block.maskCode.value(), 5, 9));
    if (prefix.empty() || !scan.data.starts_with(prefix) || mask <= prefix.size()) return std::nullopt;
    const auto line = [](int field) { return std::clamp(field, 1, 8) - 1; };
    return WeightedCode{
        scan.data.substr(prefix.size(), mask - prefix.size()),
        quantityText(scan.data.substr(mask, kEan13Body - mask), kWeightCode1cFormat.get(block.flags.value()) != 0),
        line(block.keyField.value()), line(block.quantityField.value())};
}

ReaderOutput readBarcode(const Definition& definition, const Scan& scan) {
    const SymbologyInfo& info = symbologyInfo(scan.symbology);
    if (const auto reason = disabledReason(definition, info)) return {std::nullopt, *reason, std::nullopt};
    auto data = applySymbologyOptions(definition, scan.symbology, scan.data);
    if (!data) {
        return {std::nullopt, std::string(info.display) + " " + scan.data + " does not pass its symbology options",
                std::nullopt};
    }
    if (scan.symbology == Symbology::Ean128 && definition.settings.fieldSeparatorReplacement != 0) {
        std::replace(data->begin(), data->end(), kFieldSeparator,
                     static_cast<char>(definition.settings.fieldSeparatorReplacement));
    }
    return {codeIdOf(definition, info) + *data, {}, weightedCode(definition, scan)};
}

// The RFID reader sends the tag's UID, its data from the start position on
// (at most the maximum length), or both, joined by the delimiter if one is used.
ReaderOutput readTag(const Definition& definition, const Scan& scan) {
    if (kReaderTypeRfid.get(definition.settings.ReaderType) == 0) {
        return {std::nullopt, "the terminal has no RFID reader", std::nullopt};
    }
    const RfidBlock& rfid = definition.rfid;
    const bool uid = kRfidReadUid.get(rfid.options) != 0;
    const bool data = kRfidReadData.get(rfid.options) != 0;
    if (!uid && !data) return {std::nullopt, "the RFID reader reads neither UID nor data", std::nullopt};
    std::string result = uid ? scan.uid : std::string();
    if (data) {
        if (uid && kRfidUseDelimiter.get(rfid.options) != 0 && rfid.delimiter != 0) {
            result.push_back(static_cast<char>(rfid.delimiter));
        }
        if (rfid.startPosition < scan.data.size()) result += scan.data.substr(rfid.startPosition, rfid.maxLength);
    }
    return {result, {}, std::nullopt};
}

}  // namespace

ReaderOutput readScan(const Definition& definition, const Scan& scan) {
    return scan.source == Scan::Source::Rfid ? readTag(definition, scan) : readBarcode(definition, scan);
}

}  // namespace tessel::sim
