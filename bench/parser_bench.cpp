// How fast the viewer takes in status text: realistic blocks, worst-case text, and a memchr scan
// of the same bytes as the floor.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "net/status_records.h"

namespace {

constexpr std::size_t kDatagram = 4095;

// Blocks as a source sends them: a selector, a title, the two watched values, other codes.
std::string realisticText() {
    std::string text;
    for (int block = 0; text.size() < kDatagram - 120; ++block) {
        const int channel = block % 4 + 1;
        text += "$0," + std::to_string(channel) + "\r\n$94,Camera " + std::to_string(channel) +
                " studio feed\r\n$96,3\r\n$97,4\r\n$12,1080i50\r\n$40,OK\r\n";
    }
    return text + "$0,0\r\n";
}

std::size_t countRecords(const std::string& text) {
    std::size_t records = 0;
    for (char c : text) {
        records += c == '$';
    }
    return records;
}

void feedRepeatedly(benchmark::State& state, const std::string& text) {
    resetStatusRecords();
    for (auto _ : state) {
        feedStatusText(text.c_str());
        benchmark::DoNotOptimize(pendingStatusText[0]);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * countRecords(text)));
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}

void realisticBlocks(benchmark::State& state) {
    feedRepeatedly(state, realisticText());
}

// Dollar signs and one carriage return at the end: every dollar starts a record that never gets
// its comma.
void onlyDollarSigns(benchmark::State& state) {
    feedRepeatedly(state, std::string(static_cast<std::size_t>(state.range(0)) - 1, '$') + "\r");
}

// Records broken by their carriage return before any comma.
void recordsWithoutCommas(benchmark::State& state) {
    std::string text;
    while (text.size() + 6 < static_cast<std::size_t>(state.range(0))) {
        text += "$94\r\n";
    }
    feedRepeatedly(state, text);
}

void memchrFloor(benchmark::State& state) {
    const std::string text = realisticText();
    for (auto _ : state) {
        std::size_t found = 0;
        for (const char* at = text.data();
             (at = static_cast<const char*>(
                  std::memchr(at, '\r', text.data() + text.size() - at))) != nullptr;
             ++at) {
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(realisticBlocks);
BENCHMARK(memchrFloor);
BENCHMARK(onlyDollarSigns)->RangeMultiplier(2)->Range(256, 4096)->Complexity();
BENCHMARK(recordsWithoutCommas)->RangeMultiplier(2)->Range(256, 4096)->Complexity();

}  // namespace

BENCHMARK_MAIN();
