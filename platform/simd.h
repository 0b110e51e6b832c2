// What the processor's vector units offer, and the one 256-entry byte table lookup that AVX-512 VBMI does
// 64 indices at a time (the video writer's colour planes and the present path's channels share it).
#pragma once

#include <cstdint>

bool SimdHasAvx2();
// AVX-512 with byte permutes (VBMI) and byte masks (BW).
bool SimdHasVbmi();

#if defined(__x86_64__)
#include <immintrin.h>

#define SIMD_VBMI __attribute__((target("avx512f,avx512bw,avx512vbmi")))
#define SIMD_AVX2 __attribute__((target("avx2")))

// A 256-entry byte table held in four registers.
struct SimdByteTable {
    __m512i mPart[4];
};

SIMD_VBMI inline SimdByteTable SimdByteTableLoad(const uint8_t* myEntries) {
    SimdByteTable myTable;
    for (int myPart = 0; myPart < 4; ++myPart)
        myTable.mPart[myPart] = _mm512_loadu_si512(myEntries + 64 * myPart);
    return myTable;
}

// Each of 64 indices replaced by its entry: two two-register permutes cover the low and the high half of the
// table, and the index's top bit picks between them.
SIMD_VBMI inline __m512i SimdLookUp(const SimdByteTable& myTable, __m512i myIndices) {
    const __m512i myLow = _mm512_permutex2var_epi8(myTable.mPart[0], myIndices, myTable.mPart[1]);
    const __m512i myHigh = _mm512_permutex2var_epi8(myTable.mPart[2], myIndices, myTable.mPart[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(myIndices), myLow, myHigh);
}
#endif
