// What reading someone's code line costs beyond ParseCode: the trace of its repairs, the
// code lines of a post, and the comparison of two records. ParseCode itself is the floor.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/find.h"
#include "codec/trace.h"

namespace brindlex {
namespace {

// A long line with a few things to repair: a doubled token, blanks inside a token, an
// unknown kink code.
constexpr std::string_view kLine =
    "2.0FCf9mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O 2 5 Cwl+ Gr- E# F# B# Nf+++ J# A# "
    "Sm#/+- V- K  Su+  Zo-  Ps*  Qz+  B+  C+*  In-  Ta*-";

void ParseFloor(benchmark::State& state) {
    PROFILE target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseCode(kLine, target));
        benchmark::ClobberMemory();
    }
}

void ParseTraced(benchmark::State& state) {
    PROFILE target;
    std::vector<ReadStep> steps;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseCode(kLine, target, &steps));
        benchmark::ClobberMemory();
    }
}

void FindInPost(benchmark::State& state) {
    std::string post;
    for (int i = 0; i < 20; ++i) {
        post += "> Somebody wrote a line of prose here, and I think it goes on a while.\n";
    }
    post += "> My code: " + std::string(kLine.substr(0, 60)) + "\n> " +
            std::string(kLine.substr(61)) + "\nA reply in prose.\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindCodeLines(post));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * post.size()));
}

void Compare(benchmark::State& state) {
    PROFILE first;
    PROFILE second;
    ParseCode(kLine, first);
    ParseCode("2.0FCf5 V+ O25", second);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareAnswers(first, second));
    }
}

BENCHMARK(ParseFloor);
BENCHMARK(ParseTraced);
BENCHMARK(FindInPost);
BENCHMARK(Compare);

}  // namespace
}  // namespace brindlex
