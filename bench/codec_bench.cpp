#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "bench/realistic.h"
#include "codec/codec.h"
#include "profile/profile_json.h"
#include "profile/vocabulary.h"

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

// --- A mix of 1,000 distinct realistic lines ---------------------------------

struct Mix {
    std::vector<PROFILE> records;  // normalised, so composing changes nothing
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    std::size_t longest = 0;

    Mix() {
        bench::Random random(20240611);
        for (int i = 0; i < 1000; ++i) {
            PROFILE p = bench::RealisticRecord(random);
            lines.push_back(ComposeCode(p));
            records.push_back(p);
            bytes += lines.back().size();
            longest = std::max(longest, lines.back().size());
        }
    }
};

const Mix& TheMix() {
    static const Mix mix;
    return mix;
}

void ReportMix(benchmark::State& state) {
    const Mix& mix = TheMix();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * mix.bytes));
    state.SetLabel(std::to_string(mix.lines.size()) + " lines, " + std::to_string(mix.bytes) +
                   " bytes");
}

void MixParse(benchmark::State& state) {
    const Mix& mix = TheMix();
    PROFILE target;
    for (auto _ : state) {
        for (const std::string& line : mix.lines) {
            benchmark::DoNotOptimize(ParseCode(line, target));
        }
        benchmark::ClobberMemory();
    }
    ReportMix(state);
}

void MixComposeCode(benchmark::State& state) {
    std::vector<PROFILE> records = TheMix().records;
    for (auto _ : state) {
        for (PROFILE& record : records) {
            std::string line = ComposeCode(record);
            benchmark::DoNotOptimize(line.data());
        }
    }
    ReportMix(state);
}

// What the tool does: every line appended to one reused buffer.
void MixComposeInto(benchmark::State& state) {
    std::vector<PROFILE> records = TheMix().records;
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (PROFILE& record : records) {
            ComposeCodeInto(record, out);
        }
        benchmark::DoNotOptimize(out.data());
    }
    ReportMix(state);
}

// What `decode` does: every record appended as JSON to one reused buffer.
void MixAppendJson(benchmark::State& state) {
    const Mix& mix = TheMix();
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const PROFILE& record : mix.records) {
            AppendProfileJson(record, out);
        }
        benchmark::DoNotOptimize(out.data());
    }
    ReportMix(state);
}

// Floor: copying the same bytes line by line.
void MixMemcpy(benchmark::State& state) {
    const Mix& mix = TheMix();
    std::vector<char> target(mix.longest);
    for (auto _ : state) {
        for (const std::string& line : mix.lines) {
            std::memcpy(target.data(), line.data(), line.size());
            benchmark::ClobberMemory();
        }
    }
    ReportMix(state);
}

// Floor: a plain tokenizer that only splits the same lines at blanks.
void MixSplitAtBlanks(benchmark::State& state) {
    const Mix& mix = TheMix();
    std::array<std::string_view, 256> tokens;
    for (auto _ : state) {
        for (const std::string& line : mix.lines) {
            std::size_t count = 0;
            const char* p = line.data();
            const char* const end = p + line.size();
            while (p < end) {
                while (p < end && *p == ' ') {
                    ++p;
                }
                const char* const start = p;
                while (p < end && *p != ' ') {
                    ++p;
                }
                if (p > start) {
                    tokens[count++ % tokens.size()] =
                        std::string_view(start, static_cast<std::size_t>(p - start));
                }
            }
            benchmark::DoNotOptimize(tokens.data());
            benchmark::DoNotOptimize(count);
        }
    }
    ReportMix(state);
}

BENCHMARK(MixParse);
BENCHMARK(MixComposeCode);
BENCHMARK(MixComposeInto);
BENCHMARK(MixAppendJson);
BENCHMARK(MixMemcpy);
BENCHMARK(MixSplitAtBlanks);

}  // namespace
}  // namespace brindlex
