// The processor's vector features, asked once.
#include "platform/simd.h"

bool SimdHasAvx2() {
#if defined(__x86_64__)
    static const bool sHas = __builtin_cpu_supports("avx2");
    return sHas;
#else
    return false;
#endif
}

bool SimdHasVbmi() {
#if defined(__x86_64__)
    static const bool sHas = __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
    return sHas;
#else
    return false;
#endif
}
