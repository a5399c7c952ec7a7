// Several editors write into SystemSettings; each byte must have exactly one
// writer, or an edit on one page would undo another's.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "core/records/system_settings.h"

namespace tessel {
namespace {

// Bytes no editor writes: the layout version and the reserved bytes at the end.
bool writtenByNoEditor(std::size_t offset) {
    return offset == offsetof(SystemSettings, settingsVersion) || offset == offsetof(SystemSettings, reserved255) ||
           offset >= offsetof(SystemSettings, reserved260);
}

template <std::size_t N>
void countOwners(std::vector<int>& owners, const std::array<OwnedBytes, N>& spans) {
    for (const OwnedBytes& span : spans) {
        for (std::size_t b = span.begin; b < span.end; ++b) ++owners[b];
    }
}

TEST(SettingsOwnership, EveryEditedByteHasExactlyOneWriter) {
    std::vector<int> owners(sizeof(SystemSettings), 0);
    countOwners(owners, kSettingsPageBytes);
    countOwners(owners, kMenuPageBytes);
    countOwners(owners, kStartupPageBytes);
    countOwners(owners, kBarcodePageBytes);
    ++owners[offsetof(SystemSettings, btPrintMode)];  // the Printer dialog
    for (std::size_t b = 0; b < owners.size(); ++b) {
        EXPECT_EQ(owners[b], writtenByNoEditor(b) ? 0 : 1) << "byte " << b;
    }
}

TEST(SettingsOwnership, CopyTakesOnlyTheOwnedBytes) {
    SystemSettings from{};
    SystemSettings to{};
    for (auto& b : recordBytes(from)) b = 0xAA;
    for (auto& b : recordBytes(to)) b = 0x11;
    copyOwnedBytes(to, from, kMenuPageBytes);
    const auto bytes = recordBytes(to);
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        EXPECT_EQ(bytes[b], b == offsetof(SystemSettings, separateDataFiles) ? 0xAA : 0x11) << "byte " << b;
    }
}

}  // namespace
}  // namespace tessel
