#pragma once
// The byte image of the definition that the terminal receives, and the
// numbered frames the link sends it in.
#include <array>

#include "core/defaults.h"
#include "core/definition.h"

namespace tessel {

inline constexpr std::size_t kImageSize = 20100;
inline constexpr std::size_t kImageEnd = 19167;  // the rest of the buffer stays zero
inline constexpr std::size_t kFrameDataSize = 100;
inline constexpr std::size_t kFrameCount = 200;  // the last 100 bytes of the buffer are never sent
inline constexpr std::size_t kFrameSize = kFrameDataSize + 3;

using ApplicationImage = std::array<Byte, kImageSize>;
using ApplicationFrame = std::array<Byte, kFrameSize>;

// Normalises menus and forms in place for the terminal: padded menu lines and
// item counts, cleared texts and links of fields that have none, field counts.
void prepareForDownload(Definition& definition);

// Serialises the definition. The upload and download port screens come from
// the family's default texts; the settings are converted to what the terminal
// expects (1-based list indexes, the idle time as a digit, the calculator digit).
ApplicationImage buildImage(const Definition& definition, const DefaultTexts& defaults);

// Frame `number` (0 to 199): its 100 image bytes, their 16-bit sum high byte
// first, and the frame number.
ApplicationFrame applicationFrame(const ApplicationImage& image, std::size_t number);

}  // namespace tessel
