// How the readers of outside input grow with it: the trace, find, explain and compare on
// inputs from 1 KB to 64 MB that repeat tokens, wrap a line at every token, carry a long
// name or make a long post. Each iteration reads the same bytes with ParseCode first, the
// floor, and the "ratio" counter is the reader's time over the floor's: it stays flat when
// the reader takes time in proportion to its input.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "codec/find.h"
#include "codec/trace.h"

namespace brindlex {
namespace {

enum class Input { kRepeatedTokens, kWrappedLines, kLongName, kLongPost };
// kTraceAgain traces into steps that a trace before has made room for, as the tool does for
// the lines of one input: only the reading is timed, not the first touch of its room.
enum class Reader { kTrace, kTraceAgain, kFind, kExplain, kCompare };

// Appends the pieces in turn until `text` holds `size` bytes.
void Fill(std::string& text, std::size_t size, const std::vector<std::string_view>& pieces) {
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += pieces[i % pieces.size()];
    }
}

// The section tokens and kink tokens of a full line, over and over.
const std::vector<std::string_view> kTokens = {" V+++", " M#",   " Dm++", " Ym/+-", " Wtc/ar",
                                               " O25",  " Cwl+", " Gr-",  " Nf+++", " Sm#/+-"};
const std::vector<std::string_view> kKinkTokens = {"  Su+", "  C+*", "  Zo-", "  Ta*-", "  B#"};

std::string MakeInput(Input input, std::size_t size) {
    std::string text = "2.0FCf5mw";
    switch (input) {
        case Input::kRepeatedTokens:  // half section tokens, half kink tokens
            Fill(text, size / 2, kTokens);
            text += " K";
            Fill(text, size, kKinkTokens);
            break;
        case Input::kWrappedLines: {  // one token a line, as a narrow mail program breaks it
            std::string wrapped;
            for (std::string_view token : kTokens) {
                wrapped += '\n';
                wrapped += token.substr(1);
            }
            Fill(text, size / 2, {wrapped});
            text += "\nK";
            Fill(text, size, {"\nSu+", "\nC+*", "\nZo-"});
            break;
        }
        case Input::kLongName:
            text = "2.0FO[";
            Fill(text, size - 12, {"Snow Owl, ", "Red Panda, "});
            text += "]5 V+ M-";
            break;
        case Input::kLongPost:  // prose, quotes and a code line now and then
            text = "2.0FCf5 V+ is my code, and here is the thread:\n";
            Fill(text, size,
                 {"> Somebody wrote a line of prose here, and it goes on a while.\n",
                  "And my reply, with my code: 2.0FCf5mw V+++ M# Dm++ H# Ym Wtc/ar O25\n",
                  "> > 2.0FLr3 V- O33 Cwl+ Gr- E# F# B# Nf+++ J# A# Sm#/+-\n",
                  "A line that starts with A and I, and is prose all the same.\n"});
            break;
    }
    return text;
}

void Read(Reader reader, const std::string& text, std::vector<ReadStep>& kept) {
    PROFILE record;
    switch (reader) {
        case Reader::kTrace: {
            std::vector<ReadStep> steps;
            benchmark::DoNotOptimize(ParseCode(text, record, &steps));
            benchmark::DoNotOptimize(steps.data());
            break;
        }
        case Reader::kTraceAgain:
            benchmark::DoNotOptimize(ParseCode(text, record, &kept));
            benchmark::DoNotOptimize(kept.data());
            break;
        case Reader::kFind:
            benchmark::DoNotOptimize(FindCodeLines(text));
            break;
        case Reader::kExplain:
            ParseCode(text, record);
            benchmark::DoNotOptimize(ExplainProfile(std::move(record), false));
            break;
        case Reader::kCompare: {
            PROFILE other;
            ParseCode(text, record);
            ParseCode("2.0FCf5 V+ O25", other);
            benchmark::DoNotOptimize(CompareAnswers(std::move(record), std::move(other)));
            break;
        }
    }
}

void Linear(benchmark::State& state, Reader reader, Input input) {
    using Clock = std::chrono::steady_clock;
    const std::string text = MakeInput(input, static_cast<std::size_t>(state.range(0)));
    double floor = 0;
    double read = 0;
    PROFILE target;
    std::vector<ReadStep> kept;
    if (reader == Reader::kTraceAgain) {
        ParseCode(text, target, &kept);  // makes the room, untimed
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(ParseCode(text, target));
        benchmark::ClobberMemory();
        const auto parsed = Clock::now();
        Read(reader, text, kept);
        const auto end = Clock::now();
        floor += std::chrono::duration<double>(parsed - start).count();
        read += std::chrono::duration<double>(end - parsed).count();
        state.SetIterationTime(std::chrono::duration<double>(end - parsed).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["ParseCode_ms"] =
        benchmark::Counter(1000 * floor / static_cast<double>(state.iterations()));
    state.counters["ratio"] = read / floor;
}

constexpr std::int64_t kKilobyte = 1 << 10;
constexpr std::int64_t kMegabyte = 1 << 20;

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(kKilobyte)->Arg(32 * kKilobyte)->Arg(kMegabyte)->Arg(8 * kMegabyte)->Arg(64 * kMegabyte);
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(Linear, TraceRepeatedTokens, Reader::kTrace, Input::kRepeatedTokens)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, TraceWrappedLines, Reader::kTrace, Input::kWrappedLines)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, TraceLongName, Reader::kTrace, Input::kLongName)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, TraceAgainRepeatedTokens, Reader::kTraceAgain, Input::kRepeatedTokens)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, TraceAgainWrappedLines, Reader::kTraceAgain, Input::kWrappedLines)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, FindRepeatedTokens, Reader::kFind, Input::kRepeatedTokens)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, FindWrappedLines, Reader::kFind, Input::kWrappedLines)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, FindLongName, Reader::kFind, Input::kLongName)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, FindLongPost, Reader::kFind, Input::kLongPost)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, ExplainRepeatedTokens, Reader::kExplain, Input::kRepeatedTokens)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, ExplainWrappedLines, Reader::kExplain, Input::kWrappedLines)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, ExplainLongName, Reader::kExplain, Input::kLongName)->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, CompareRepeatedTokens, Reader::kCompare, Input::kRepeatedTokens)
    ->Apply(Sizes);
BENCHMARK_CAPTURE(Linear, CompareLongName, Reader::kCompare, Input::kLongName)->Apply(Sizes);

}  // namespace
}  // namespace brindlex
