// Decoding a picture of one barcode, as the desktop program does for a
// dropped photo or screenshot: a 1280 x 960 picture, turned a little and
// with noise, should decode well under 100 ms.
#include <benchmark/benchmark.h>

#include "barcode/barcode_codec.h"
#include "support/photo_like.h"

namespace {

using tessel::barcode::zxingCodec;
using tessel::sim::Symbology;

void decode(benchmark::State& state, Symbology symbology, const char* data, int module) {
    const auto label = zxingCodec().draw(symbology, data, module).picture;
    const auto photo = tessel::test::photoLike(*label, {.scale = 1.5, .degrees = 4, .noise = 20});
    for (auto _ : state) {
        const auto decoded = zxingCodec().decode(photo);
        if (decoded.barcodes.size() != 1) state.SkipWithError("the barcode was not found");
        benchmark::DoNotOptimize(decoded);
    }
}

void BM_DecodeEan13Photo(benchmark::State& state) { decode(state, Symbology::Ean13, "4006381333931", 3); }
void BM_DecodeQrPhoto(benchmark::State& state) { decode(state, Symbology::QrCode, "LOT7;2026-03-05", 6); }

BENCHMARK(BM_DecodeEan13Photo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeQrPhoto)->Unit(benchmark::kMillisecond);

}  // namespace
