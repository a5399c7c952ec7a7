#include <benchmark/benchmark.h>

#include <sstream>

#include "link/line_assembler.h"
#include "link/lookup_reader.h"

namespace tessel::link {
namespace {

// A lookup file of `records` lines of 40 characters, CR LF ended.
std::string lookupText(std::int64_t records) {
    std::string text;
    for (std::int64_t i = 0; i < records; ++i) text += "4006381333931\t0012\tArticle name goes here\r\n";
    return text;
}

void ReadLookupFile(benchmark::State& state) {
    const std::string text = lookupText(state.range(0));
    for (auto _ : state) {
        std::istringstream file(text);
        LookupReader reader(file);
        while (auto frame = reader.next()) benchmark::DoNotOptimize(frame);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ReadLookupFile)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void AssembleReceivedLines(benchmark::State& state) {
    ByteString chunk;
    for (int i = 0; i < 1000; ++i) {
        for (const char c : std::string("\x05"
                                        "4006381333931;12;Shelf 4\x41\x42\r"))
            chunk.push_back(static_cast<Byte>(c));
    }
    LineAssembler assembler(true);
    for (auto _ : state) {
        int lines = 0;
        assembler.feed(chunk, [&lines](std::span<const Byte>) { return ++lines, 1; });
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chunk.size()));
}
BENCHMARK(AssembleReceivedLines);

}  // namespace
}  // namespace tessel::link
