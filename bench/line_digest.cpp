// Reads many made-up code lines through the whole core and writes down one digest of every
// output per chunk of lines, so that two builds, or two reading paths of one build, can be
// shown to give the same bytes:
//   brindlex-line-digest [--seed S] [--count N] [--chunk SIZE] [--jobs J]
//       one digest per chunk and one of them all (N defaults to 100000, SIZE to 100000)
//   brindlex-line-digest [--seed S] [--chunk SIZE] --lines CHUNK
//       one digest per line of chunk CHUNK, to find the first line that differs
//   brindlex-line-digest [--seed S] [--chunk SIZE] --dump FIRST [LAST]
//       everything written down of lines FIRST..LAST, to diff
// The lines of a chunk depend on the seed and the chunk's number alone.
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/line_digest_input.h"
#include "bench/line_digest_output.h"

namespace {

using namespace brindlex;
using namespace brindlex::digest;

// Lines per post handed to the finder. A line's output depends only on the lines before it in
// its chunk, so a dump of a few lines writes what the whole run wrote of them.
constexpr std::size_t kPostLines = 32;

struct Options {
    std::uint64_t seed = 1;
    std::uint64_t count = 100000;
    std::uint64_t chunk = 100000;
    unsigned jobs = 1;
    std::int64_t lines = -1;  // the chunk whose line digests are wanted
    std::int64_t dumpFirst = -1;
    std::int64_t dumpLast = -1;
};

struct ChunkResult {
    std::uint64_t digest = 0;
    Counts counts;
};

// Runs the first `size` lines of chunk `chunk` and hands what was written down of each to
// `line`, with the line's index in the whole run.
ChunkResult RunChunk(const Options& options, std::uint64_t chunk, std::uint64_t size,
                     const std::function<void(std::uint64_t, const std::string&)>& line) {
    bench::Random seeds(options.seed ^ (chunk * 0xD1B54A32D192ED03ull));
    LineMaker maker(seeds.Next());
    ChunkResult result;
    std::vector<std::uint64_t> hashes;
    hashes.reserve(size);
    std::vector<std::string> group;
    std::string how;
    std::string out;
    PROFILE record;
    for (std::uint64_t i = 0; i < size; ++i) {
        const std::uint64_t index = chunk * options.chunk + i;
        const std::string text = maker.Next(i, how);
        out.clear();
        out += '#';
        Number(index, out);
        out += ' ';
        out += how;
        out += "\ntext ";
        Quote(text, out);
        out += '\n';
        group.push_back(text);
        const bool posted = group.size() == kPostLines;
        std::string post;
        if (posted) {
            post = MakePost(group, maker.random());
            group.clear();
        }
        // A core that throws where it did not is one more difference, written down like others.
        try {
            DescribeLine(text, i, record, out, result.counts);
            if (posted) {
                DescribePost(post, out, result.counts);
            }
        } catch (const std::exception& e) {
            out += "exception ";
            Quote(e.what(), out);
            out += '\n';
        }
        hashes.push_back(Hash64(out, index));
        if (line) {
            line(index, out);
        }
    }
    result.digest = Hash64(std::string_view(reinterpret_cast<const char*>(hashes.data()),
                                            hashes.size() * sizeof(std::uint64_t)),
                           chunk);
    return result;
}

std::uint64_t ChunkSize(const Options& options, std::uint64_t chunk) {
    return std::min(options.chunk, options.count - chunk * options.chunk);
}

int Digests(const Options& options) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t chunks = (options.count + options.chunk - 1) / options.chunk;
    std::vector<ChunkResult> results(chunks);
    std::vector<char> done(chunks, 0);
    std::atomic<std::uint64_t> next{0};
    std::mutex mutex;
    std::uint64_t printed = 0;
    const auto work = [&] {
        for (std::uint64_t chunk; (chunk = next++) < chunks;) {
            ChunkResult result = RunChunk(options, chunk, ChunkSize(options, chunk), {});
            const std::lock_guard<std::mutex> lock(mutex);
            results[chunk] = result;
            done[chunk] = 1;
            for (; printed < chunks && done[printed]; ++printed) {
                const std::uint64_t first = printed * options.chunk;
                std::printf("chunk %" PRIu64 " lines %" PRIu64 "..%" PRIu64 " digest %016" PRIx64
                            "\n",
                            printed, first, first + ChunkSize(options, printed) - 1,
                            results[printed].digest);
                std::fflush(stdout);
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned j = 1; j < options.jobs; ++j) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& t : threads) {
        t.join();
    }
    std::vector<std::uint64_t> digests;
    Counts counts;
    for (const ChunkResult& r : results) {
        digests.push_back(r.digest);
        counts.Add(r.counts);
    }
    const std::uint64_t total =
        Hash64(std::string_view(reinterpret_cast<const char*>(digests.data()),
                                digests.size() * sizeof(std::uint64_t)),
               options.count);
    std::printf("total %" PRIu64 " lines seed %" PRIu64 " chunk %" PRIu64 " digest %016" PRIx64
                "\n",
                options.count, options.seed, options.chunk, total);
    std::printf(
        "counts lines %zu accepted %zu repaired %zu repairs %zu explained %zu pieces %zu "
        "compared %zu worded %zu posts %zu found %zu\n",
        counts.lines, counts.accepted, counts.repaired, counts.repairs, counts.explained,
        counts.pieces, counts.compared, counts.worded, counts.posts, counts.found);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "%" PRIu64 " lines in %.1f s with %u job(s)\n", options.count,
                 took.count(), options.jobs);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int LineDigests(const Options& options) {
    const auto chunk = static_cast<std::uint64_t>(options.lines);
    RunChunk(options, chunk, options.chunk, [](std::uint64_t index, const std::string& out) {
        std::printf("line %" PRIu64 " digest %016" PRIx64 "\n", index, Hash64(out, index));
    });
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int Dump(const Options& options) {
    const auto first = static_cast<std::uint64_t>(options.dumpFirst);
    const auto last = static_cast<std::uint64_t>(std::max(options.dumpLast, options.dumpFirst));
    for (std::uint64_t chunk = first / options.chunk; chunk <= last / options.chunk; ++chunk) {
        const std::uint64_t end = std::min(options.chunk, last - chunk * options.chunk + 1);
        RunChunk(options, chunk, end, [&](std::uint64_t index, const std::string& out) {
            if (index >= first) {
                std::fwrite(out.data(), 1, out.size(), stdout);
            }
        });
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

bool Value(int argc, char** argv, int& i, std::uint64_t& value) {
    if (i + 1 >= argc) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoull(argv[++i], &end, 10);
    return *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::uint64_t value = 0;
        const std::string_view arg = argv[i];
        ok = Value(argc, argv, i, value);
        if (arg == "--seed") {
            options.seed = value;
        } else if (arg == "--count") {
            options.count = value;
        } else if (arg == "--chunk") {
            options.chunk = value;
            ok = ok && value > 0;
        } else if (arg == "--jobs") {
            options.jobs = static_cast<unsigned>(value);
            ok = ok && value > 0 && value <= 64;
        } else if (arg == "--lines") {
            options.lines = static_cast<std::int64_t>(value);
        } else if (arg == "--dump") {
            options.dumpFirst = static_cast<std::int64_t>(value);
            std::uint64_t last = 0;
            if (i + 1 < argc && argv[i + 1][0] != '-' && Value(argc, argv, i, last)) {
                options.dumpLast = static_cast<std::int64_t>(last);
            }
        } else {
            ok = false;
        }
    }
    if (!ok) {
        std::fprintf(stderr,
                     "usage: brindlex-line-digest [--seed S] [--chunk SIZE] "
                     "([--count N] [--jobs J] | --lines CHUNK | --dump FIRST [LAST])\n");
        return 2;
    }
    if (options.dumpFirst >= 0) {
        return Dump(options);
    }
    if (options.lines >= 0) {
        return LineDigests(options);
    }
    return Digests(options);
}
