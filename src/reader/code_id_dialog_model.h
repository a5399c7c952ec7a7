#pragma once
// "Code ID": the identifiers the terminal puts before the data of each
// symbology. Fifteen two-byte identifiers follow the on/off flag in the
// system settings; five predefined sets fill them all at once. Written on OK
// only.
#include <array>
#include <string_view>

#include "core/definition.h"

namespace tessel {

inline constexpr std::size_t kCodeIdSets = 5;
using CodeIds = std::array<Bytes<2>, kCodeIdSymbologies>;

class CodeIdDialogModel {
public:
    explicit CodeIdDialogModel(Definition& definition);

    // "Code 39", "Italian Pharmacode", ... "Plessey", in the order of the settings.
    static std::string_view rowName(std::size_t row);

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    // The 2D reader reads no Italian or French Pharmacode, Matrix 25 or Plessey.
    bool rowEnabled(std::size_t row) const;
    bool buttonsEnabled() const { return on_; }

    // The identifiers being edited; the character grid writes into them.
    CodeIds& codes() { return codes_; }
    const CodeIds& codes() const { return codes_; }
    void loadSet(std::size_t set);  // 0..4
    void clear();

    void accept();

private:
    Definition& definition_;
    bool twoD_;
    bool on_;
    CodeIds codes_;
};

}  // namespace tessel
