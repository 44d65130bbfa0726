// What the readers need for their AVX-512 paths: whether the build has them, the attribute
// that compiles a function for them, the check that picks them at run time, and a guard for
// the warnings that GCC 12 gives from its own AVX-512 intrinsics, which start from an
// uninitialised vector.
#pragma once

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define BRINDLEX_WIDE 1
#define BRINDLEX_WIDE_TARGET \
    __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,popcnt,bmi")))
#endif

#if defined(__GNUC__) && !defined(__clang__)
#define BRINDLEX_WIDE_BEGIN                                                              \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wuninitialized\"") \
        _Pragma("GCC diagnostic ignored \"-Wmaybe-uninitialized\"")
#define BRINDLEX_WIDE_END _Pragma("GCC diagnostic pop")
#else
#define BRINDLEX_WIDE_BEGIN
#define BRINDLEX_WIDE_END
#endif

namespace brindlex {

// Whether this processor runs the functions compiled with BRINDLEX_WIDE_TARGET.
inline bool HasWidePaths() {
#if defined(BRINDLEX_WIDE)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi") &&
           __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi");
#else
    return false;
#endif
}

}  // namespace brindlex
