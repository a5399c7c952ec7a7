#include "reader/code_id_dialog_model.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace tessel {
namespace {

constexpr std::array<std::string_view, kCodeIdSymbologies> kRowNames{
    "Code 39",
    "Italian Pharmacode",
    "French Pharmacode",
    "Discrete 25",
    "Interleaved 25",
    "Matrix 25",
    "Codabar",
    "Code 93",
    "Code 128",
    "UPC-E",
    "EAN8",
    "EAN13",
    "UPC-A",
    "MSI",
    "Plessey",
};

// One identifier per row, in row order.
constexpr std::array<std::string_view, kCodeIdSets> kSets{
    "A A A C D E F I H S P M J V W",  "C C C H I G N L K E B A A V W", "Y Y Y H Z G X L K C B A A D E",
    "M M M H I G N L K E FF F A P Q", "A A A S S S F G C E E E E M P",
};

constexpr std::array<std::size_t, 4> kRowsNot2d{1, 2, 5, 14};

}  // namespace

CodeIdDialogModel::CodeIdDialogModel(Definition& definition)
    : definition_(definition),
      twoD_(kReaderType2d.get(definition.settings.ReaderType) != 0),
      on_(definition.settings.codeIdOn != 0),
      codes_(definition.settings.codeId) {}

std::string_view CodeIdDialogModel::rowName(std::size_t row) { return kRowNames[row]; }

bool CodeIdDialogModel::rowEnabled(std::size_t row) const {
    if (!on_) return false;
    return !twoD_ || std::find(kRowsNot2d.begin(), kRowsNot2d.end(), row) == kRowsNot2d.end();
}

void CodeIdDialogModel::loadSet(std::size_t set) {
    std::istringstream ids{std::string(kSets[set])};
    std::string id;
    for (Bytes<2>& code : codes_) {
        ids >> id;
        code = {static_cast<Byte>(id[0]), static_cast<Byte>(id.size() > 1 ? id[1] : 0)};
    }
}

void CodeIdDialogModel::clear() {
    for (Bytes<2>& code : codes_) code = {0, 0};
}

void CodeIdDialogModel::accept() {
    definition_.settings.codeIdOn = on_ ? 1 : 0;
    definition_.settings.codeId = codes_;
}

}  // namespace tessel
