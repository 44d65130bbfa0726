#include "codec/readpath.h"

#include <array>
#include <atomic>
#include <cstdlib>

#include "codec/wide.h"

namespace brindlex {

namespace {

constexpr std::array<std::string_view, 3> kPathNames = {"general", "portable", "wide"};

ReadPath BestReadPath() {
    return ProcessorRunsReadPath(ReadPath::kWide) ? ReadPath::kWide : ReadPath::kPortable;
}

ReadPath PathFromEnvironment() {
    const char* const name = std::getenv("BRINDLEX_READ_PATH");
    if (name == nullptr) {
        return BestReadPath();
    }
    for (std::size_t i = 0; i < kPathNames.size(); ++i) {
        const auto path = static_cast<ReadPath>(i);
        if (kPathNames[i] == name && ProcessorRunsReadPath(path)) {
            return path;
        }
    }
    return BestReadPath();
}

// The path a test has set, or -1 for the one of the environment.
std::atomic<int> g_testPath{-1};

}  // namespace

std::string_view ReadPathName(ReadPath path) {
    return kPathNames[static_cast<std::size_t>(path)];
}

bool ProcessorRunsReadPath(ReadPath path) {
    return path != ReadPath::kWide || HasWidePaths();
}

ReadPath ActiveReadPath() {
    static const ReadPath chosen = PathFromEnvironment();
    const int tested = g_testPath.load(std::memory_order_relaxed);
    return tested < 0 ? chosen : static_cast<ReadPath>(tested);
}

bool SetReadPathForTesting(ReadPath path) {
    if (!ProcessorRunsReadPath(path)) {
        return false;
    }
    g_testPath.store(static_cast<int>(path), std::memory_order_relaxed);
    return true;
}

void ResetReadPathForTesting() {
    g_testPath.store(-1, std::memory_order_relaxed);
}

}  // namespace brindlex
