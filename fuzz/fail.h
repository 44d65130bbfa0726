// How a fuzz target reports a broken promise: what broke and the input, then abort(), so
// that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace brindlex::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "%s\ninput: %.*s\n", what, static_cast<int>(input.size()), input.data());
    std::abort();
}

}  // namespace brindlex::fuzz
