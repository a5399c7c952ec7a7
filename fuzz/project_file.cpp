// The project reader on any bytes: a file it takes must build an application
// image, save, and read back as the same definition; a file it refuses must
// leave the definition untouched. Import texts runs on the same bytes.
#include <cstring>

#include "core/application_image.h"
#include "core/project_file.h"
#include "fuzz_check.h"

using namespace tessel;

namespace {

bool sameDefinition(const Definition& a, const Definition& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void checkImage(const Definition& read, const DefaultTexts& defaults) {
    Definition prepared = read;
    prepareForDownload(prepared);
    const ApplicationImage image = buildImage(prepared, defaults);
    Definition again = prepared;
    prepareForDownload(again);
    fuzz::require(sameDefinition(again, prepared), "preparing for download twice changes the definition again");
    for (std::size_t n = 0; n < kFrameCount; ++n) {
        const ApplicationFrame frame = applicationFrame(image, n);
        unsigned sum = 0;
        for (std::size_t i = 0; i < kFrameDataSize; ++i) {
            fuzz::require(frame[i] == image[n * kFrameDataSize + i], "a frame carries other bytes than the image");
            sum += frame[i];
        }
        fuzz::require(frame[kFrameDataSize] == ((sum >> 8) & 0xFF) && frame[kFrameDataSize + 1] == (sum & 0xFF),
                      "a frame's checksum is not the sum of its bytes");
        fuzz::require(frame[kFrameDataSize + 2] == n, "a frame carries another number");
    }
    for (std::size_t i = kImageEnd; i < kImageSize; ++i) fuzz::require(image[i] == 0, "the image's tail is not zero");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view file = fuzz::textOf(data, size);
    const Project& blank = fuzz::newProject(kFamily4760);

    Definition definition = blank.definition;
    const auto read = readProjectBytes(file, definition, fuzz::builtinStrings());
    fuzz::require(read.has_value() == familyOfMagic(file).has_value(), "the reader and the magic disagree");
    if (!read) {
        fuzz::require(sameDefinition(definition, blank.definition), "a refused file changed the definition");
    } else {
        fuzz::require(read->family == kFamily4760 || read->family == kFamilyGroup, "a file read as an unknown family");
        const DefaultTexts& defaults = fuzz::newProject(read->family).defaults;
        checkImage(definition, defaults);

        // Save and read back: the same definition, of the same family, with
        // nothing left to upgrade.
        const std::string saved = projectFileBytes(definition, read->family);
        fuzz::require(saved.size() == kProjectFileSize, "a saved project has another size");
        Definition reread = blank.definition;
        const auto again = readProjectBytes(saved, reread, fuzz::builtinStrings());
        fuzz::require(again && again->family == read->family, "a saved project does not read back");
        fuzz::require(!again->converted, "a saved project is upgraded again when read");
        fuzz::require(sameDefinition(reread, definition), "a saved project reads back as another definition");
    }

    StartupTexts texts{};
    const bool imported = importTextsFromBytes(file, texts, blank.defaults);
    fuzz::require(imported == familyOfExactMagic(file).has_value(), "import texts and the exact magic disagree");
    return 0;
}
