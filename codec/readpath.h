// Which reader ParseCode takes for the tag section: the general readers alone, the reader
// of the writer's own form in portable code, or that reader with its AVX-512 paths. Every
// path reads every line alike; the switch is there to measure and test each of them on any
// machine.
#pragma once

#include <cstdint>
#include <string_view>

namespace brindlex {

enum class ReadPath : std::uint8_t { kGeneral, kPortable, kWide };

// The path's name as BRINDLEX_READ_PATH spells it: "general", "portable" or "wide".
std::string_view ReadPathName(ReadPath path);

// Whether this processor runs `path`; only "wide" needs more than any processor has.
bool ProcessorRunsReadPath(ReadPath path);

// The path ParseCode takes: the one the environment variable BRINDLEX_READ_PATH names,
// read once, where this processor runs it; otherwise the best one it runs.
ReadPath ActiveReadPath();

// For tests: makes ParseCode take `path` from now on. Returns false and changes nothing when
// the processor cannot run it.
bool SetReadPathForTesting(ReadPath path);
// For tests: makes ParseCode take the path of the environment again.
void ResetReadPathForTesting();

}  // namespace brindlex
