#include <benchmark/benchmark.h>

#include <string>

#include "codec/codec.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

// Every level at the top, every flag set and every coded kink answered with
// two marks: the longest usual line.
PROFILE FullRecord() {
    PROFILE p;
    for (const FieldInfo& f : kProfileFields) {
        f.set(p,
              f.name.size() > 5 && f.name.substr(f.name.size() - 5) == "Level" ? 7 : f.maxValue());
    }
    p.speciesFamily = 3;
    p.speciesIndex = 4;
    p.characterGender = 3;
    p.ownGender = 3;
    p.workType = 5;
    p.age = 105;
    p.compyFlags = 0x0F;  // all five would write no letter
    for (int k = 0; k < kKinkCount; ++k) {
        if (!kKinks[static_cast<std::size_t>(k)].code.empty()) {
            p.setKink(k, MakeKinkCell(1, 3));
        }
    }
    return p;
}

void Compose(benchmark::State& state, PROFILE record) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string line = ComposeCode(record);
        bytes += line.size();
        benchmark::DoNotOptimize(line);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void Parse(benchmark::State& state, PROFILE record) {
    const std::string line = ComposeCode(record);
    PROFILE target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseCode(line, target));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
    state.SetLabel(std::to_string(line.size()) + " bytes");
}

BENCHMARK_CAPTURE(Compose, AllZero, PROFILE());
BENCHMARK_CAPTURE(Compose, Full, FullRecord());
BENCHMARK_CAPTURE(Parse, AllZero, PROFILE());
BENCHMARK_CAPTURE(Parse, Full, FullRecord());

}  // namespace
}  // namespace brindlex
