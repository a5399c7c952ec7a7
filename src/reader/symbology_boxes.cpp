#include "reader/symbology_boxes.h"

namespace tessel {
namespace {

constexpr SymbologyBox box(int label1d, std::size_t byte1d, BitRange bit1d, int label2d, std::size_t byte2d,
                           BitRange bit2d) {
    return {label1d, symbologyBits(byte1d, bit1d), label2d, readerBits(byte2d, bit2d)};
}

}  // namespace

const std::array<SymbologyBox, kSymbologyBoxes> kSymbologyBoxTable{{
    box(308, 0, kSymbologyCode39, 1851, 0, kReaderUpcA),
    box(309, 0, kSymbologyItalianPharmacode, 1852, 0, kReaderUpcE0),
    box(310, 0, kSymbologyFrenchPharmacode, 1853, 0, kReaderUpcE1),
    box(311, 0, kSymbologyIndustrial25, 1854, 0, kReaderEan8),
    box(312, 0, kSymbologyInterleaved25, 1855, 0, kReaderEan13),
    box(313, 0, kSymbologyMatrix25, 1856, 0, kReaderBooklandEan),
    box(314, 0, kSymbologyCodabar, 1857, 4, kReaderCode128),
    box(315, 2, kSymbologyMsi, 1858, 4, kReaderEan128),
    box(316, 2, kSymbologyPlessey, 1859, 4, kReaderIsbt128),
    box(317, 1, kSymbologyUpcE, 1860, 5, kReaderCode39),
    box(318, 1, kSymbologyUpcEAddon2, 1861, 5, kReaderTrioptic39),
    box(319, 1, kSymbologyUpcEAddon5, 1862, 8, kReaderCode93),
    box(320, 1, kSymbologyEan8, 1863, 11, kReaderCode11),
    box(321, 1, kSymbologyEan8Addon2, 1864, 17, kReaderDiscrete25),
    box(322, 1, kSymbologyEan8Addon5, 1865, 14, kReaderInterleaved25),
    box(323, 1, kSymbologyEan13UpcA, 1866, 20, kReaderCodabar),
    box(324, 2, kSymbologyEan13Addon2, 1867, 23, kReaderMsi),
    box(325, 2, kSymbologyEan13Addon5, 1868, 27, kReaderPostalCodes),
    box(326, 2, kSymbologyTelepen, 1869, 28, kReaderRss14),
    box(327, 3, kSymbologyRss14, 1870, 28, kReaderRssLimited),
    box(328, 2, kSymbologyRssLimited, 1871, 28, kReaderRssExpanded),
    box(329, 3, kSymbologyRssExpanded, 1872, 29, kReaderPdf417),
    box(330, 0, kSymbologyCode93, 1873, 29, kReaderMicroPdf417),
    box(331, 22, kSymbologyCode128, 1874, 29, kReaderCode128Emulation),
    box(332, 22, kSymbologyEan128, 1875, 29, kReaderDataMatrix),
    box(333, 11, kSymbologyNegativeBarcode, 1876, 29, kReaderMaxicode),
    {0, std::nullopt, 1877, readerBits(29, kReaderQrCode)},
}};

}  // namespace tessel
